#include "platform/png_texts.h"

#include <QFile>
#include <png.h>
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

namespace momentart {

namespace {

constexpr std::size_t kSignatureBytes = 8;
constexpr std::size_t kMessageSize = 200;
// The text chunks, read by onTextChunk rather than by libpng, which would
// read a chunk of any size whole.
constexpr png_byte kTextChunks[] = "tEXt\0zTXt\0iTXt";
constexpr int kTextChunkCount = 3;

// A chunk's type as png_get_io_chunk_type gives it.
constexpr png_uint_32 chunkType(const char (&name)[5]) {
    return static_cast<png_uint_32>(name[0]) << 24 | static_cast<png_uint_32>(name[1]) << 16 |
           static_cast<png_uint_32>(name[2]) << 8 | static_cast<png_uint_32>(name[3]);
}

// Where libpng's callbacks report to.
struct Reading {
    QFile* file;
    PngTexts* result;
    char error[kMessageSize];
    char dropped[kMessageSize];
};

[[noreturn]] void fail(png_structp png, png_const_charp message) {
    std::snprintf(static_cast<Reading*>(png_get_error_ptr(png))->error, kMessageSize, "%s", message);
    png_longjmp(png, 1);
}

// A warning while a text chunk is read means that chunk was left out (too
// large, or damaged); the first such is kept.
void warn(png_structp png, png_const_charp message) {
    auto* reading = static_cast<Reading*>(png_get_error_ptr(png));
    const png_uint_32 chunk = png_get_io_chunk_type(png);
    const bool text = chunk == chunkType("tEXt") || chunk == chunkType("zTXt") || chunk == chunkType("iTXt");
    if (text && reading->dropped[0] == '\0') std::snprintf(reading->dropped, kMessageSize, "%s", message);
}

void readBytes(png_structp png, png_bytep data, png_size_t size) {
    auto* reading = static_cast<Reading*>(png_get_io_ptr(png));
    if (reading->file->read(reinterpret_cast<char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
        png_error(png, "the file ends before the picture does");
}

// zlib data inflated, as long as it stays within kLargestPngText; nothing
// when it does not, or is damaged.
std::optional<QByteArray> inflated(std::string_view compressed, bool& tooLarge) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    stream.avail_in = static_cast<uInt>(compressed.size());
    QByteArray text(kLargestPngText + 1, Qt::Uninitialized);
    stream.next_out = reinterpret_cast<Bytef*>(text.data());
    stream.avail_out = static_cast<uInt>(text.size());
    const int status = inflate(&stream, Z_FINISH);
    text.truncate(static_cast<qsizetype>(stream.total_out));
    inflateEnd(&stream);
    tooLarge = status != Z_STREAM_END && stream.avail_out == 0;
    if (status != Z_STREAM_END) return std::nullopt;
    return text;
}

// The next field ended by a zero byte; the rest stays in `data`.
std::optional<std::string_view> field(std::string_view& data) {
    const std::size_t end = data.find('\0');
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view value = data.substr(0, end);
    data.remove_prefix(end + 1);
    return value;
}

// One text chunk: tEXt (key, Latin-1 text), zTXt (key, method, compressed
// Latin-1 text) or iTXt (key, compressed?, method, language, translated
// key, UTF-8 text). Damaged ones are left out and said so.
int onTextChunk(png_structp png, png_unknown_chunkp chunk) {
    auto* result = static_cast<PngTexts*>(png_get_user_chunk_ptr(png));
    std::string_view data(reinterpret_cast<const char*>(chunk->data), chunk->size);
    const std::string_view type(reinterpret_cast<const char*>(chunk->name), 4);
    const std::optional<std::string_view> key = field(data);
    bool compressed = type == "zTXt";
    bool utf8 = false;
    bool whole = key.has_value();
    if (whole && type == "zTXt") {
        whole = !data.empty() && data.front() == 0;
        data.remove_prefix(std::min<std::size_t>(1, data.size()));
    } else if (whole && type == "iTXt") {
        utf8 = true;
        compressed = data.size() >= 2 && data[0] == 1;
        whole = data.size() >= 2 && data[1] == 0;
        data.remove_prefix(std::min<std::size_t>(2, data.size()));
        whole = whole && field(data) && field(data);
    }
    std::optional<QByteArray> text;
    if (whole) text = QByteArray(data.data(), static_cast<qsizetype>(data.size()));
    if (whole && compressed) {
        bool tooLarge = false;
        text = inflated(data, tooLarge);
        if (tooLarge) {
            result->tooLarge << QString::fromLatin1(key->data(), static_cast<qsizetype>(key->size()));
            return 1;
        }
    }
    if (!text) {
        png_chunk_warning(png, "damaged, so left out");
        return 1;
    }
    result->texts.append({QString::fromLatin1(key->data(), static_cast<qsizetype>(key->size())),
                          utf8 ? QString::fromUtf8(*text) : QString::fromLatin1(*text)});
    return 1;
}

// Every chunk, and the pixels row by row into one row's room. libpng
// leaves a failure by longjmp, so nothing here may need destroying.
bool readAll(png_structp png, png_infop info, std::vector<png_byte>& row) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    row.resize(png_get_rowbytes(png, info));
    const png_uint_32 height = png_get_image_height(png, info);
    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 y = 0; y < height; ++y) png_read_row(png, row.data(), nullptr);
    png_read_end(png, info);
    return true;
}

}  // namespace

PngTexts readPngTexts(const QString& path) {
    PngTexts result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    png_byte signature[kSignatureBytes] = {};
    if (file.read(reinterpret_cast<char*>(signature), kSignatureBytes) != kSignatureBytes ||
        png_sig_cmp(signature, 0, kSignatureBytes) != 0)
        return result;
    result.isPng = true;

    Reading reading{&file, &result, "", ""};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &reading, fail, warn);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        result.error = "out of memory";
        return result;
    }
    png_set_read_fn(png, &reading, readBytes);
    png_set_sig_bytes(png, kSignatureBytes);
    png_set_chunk_malloc_max(png, kLargestPngText);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_ALWAYS, kTextChunks, kTextChunkCount);
    png_set_read_user_chunk_fn(png, &result, onTextChunk);
    std::vector<png_byte> row;
    if (!readAll(png, info, row)) {
        result.texts.clear();
        result.error = QString::fromLocal8Bit(reading.error);
    }
    result.dropped = QString::fromLocal8Bit(reading.dropped);
    png_destroy_read_struct(&png, &info, nullptr);
    return result;
}

}  // namespace momentart
