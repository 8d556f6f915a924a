#include "platform/png_encoder.h"

#include <png.h>

#include <cstdio>
#include <vector>

#include "platform/png_image_data.h"

namespace momentart {

namespace {

constexpr qsizetype kLongestPlainText = 40;
constexpr png_uint_32 kDotsPerMetre = 3780;  // 96 dots per inch, as Qt writes
constexpr std::size_t kErrorSize = 200;

// Where libpng's callbacks report to.
struct Output {
    QIODevice* file;
    char error[kErrorSize];
};

// libpng's way out of a failure: the message, then a jump back to writeAll.
[[noreturn]] void fail(png_structp png, png_const_charp message) {
    std::snprintf(static_cast<Output*>(png_get_error_ptr(png))->error, kErrorSize, "%s", message);
    png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

void append(png_structp png, png_bytep data, png_size_t size) {
    auto* out = static_cast<Output*>(png_get_io_ptr(png));
    const auto wanted = static_cast<qint64>(size);
    if (out->file->write(reinterpret_cast<const char*>(data), wanted) == wanted) return;
    {
        const QByteArray reason = out->file->errorString().toLocal8Bit();
        std::snprintf(out->error, kErrorSize, "%s", reason.constData());
    }
    png_longjmp(png, 1);
}

void flushNothing(png_structp) {}

// The whole file through libpng: the signature, the header, the resolution
// and the texts, then the image data compressed elsewhere, a chunk a piece,
// and the end. libpng leaves a failure by longjmp, so nothing here may need
// destroying.
bool writeAll(png_structp png, png_infop info, const QImage& pixels, png_text* texts, int textCount,
              const ImageData& data) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(pixels.width()),
                 static_cast<png_uint_32>(pixels.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_pHYs(png, info, kDotsPerMetre, kDotsPerMetre, PNG_RESOLUTION_METER);
    if (textCount > 0) png_set_text(png, info, texts, textCount);
    png_write_info(png, info);
    for (const std::vector<std::uint8_t>& piece : data.pieces)
        png_write_chunk(png, reinterpret_cast<png_const_bytep>("IDAT"), piece.data(), piece.size());
    png_write_chunk(png, reinterpret_cast<png_const_bytep>("IEND"), nullptr, 0);
    return true;
}

}  // namespace

QString writePng(QIODevice& file, const QImage& image, const ImageTexts& texts, int jobs) {
    // A 24-bit image is written as it is: a print-size picture is not copied.
    // Others lose their alpha on the way, as they did through 32-bit pixels.
    const QImage pixels = image.format() == QImage::Format_RGB888
                              ? image
                              : image.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_RGB888);
    const ImageData data = compressImageData(pixels, jobs);
    if (!data.error.isEmpty()) return data.error;

    // Keys and values stay alive in `bytes` until the file is written.
    std::vector<QByteArray> bytes;
    std::vector<png_text> chunks(static_cast<std::size_t>(texts.size()));
    bytes.reserve(2 * chunks.size());
    for (std::size_t n = 0; n < chunks.size(); ++n) {
        const auto& [key, value] = texts[static_cast<qsizetype>(n)];
        const bool latin1 = QString::fromLatin1(value.toLatin1()) == value;
        const bool compressed = value.size() > kLongestPlainText;
        QByteArray& k = bytes.emplace_back(key.toLatin1());
        QByteArray& v = bytes.emplace_back(latin1 ? value.toLatin1() : value.toUtf8());
        png_text& chunk = chunks[n];
        chunk.key = k.data();
        chunk.text = v.data();
        if (latin1) {
            chunk.compression = compressed ? PNG_TEXT_COMPRESSION_zTXt : PNG_TEXT_COMPRESSION_NONE;
            chunk.text_length = static_cast<png_size_t>(v.size());
        } else {
            chunk.compression = compressed ? PNG_ITXT_COMPRESSION_zTXt : PNG_ITXT_COMPRESSION_NONE;
            chunk.itxt_length = static_cast<png_size_t>(v.size());
        }
    }

    Output out{&file, ""};
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &out, fail, ignoreWarning);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return "PNG encoder: out of memory";
    }
    png_set_write_fn(png, &out, append, flushNothing);
    const bool written = writeAll(png, info, pixels, chunks.data(), static_cast<int>(chunks.size()), data);
    png_destroy_write_struct(&png, &info);
    return written ? QString() : QString::fromLocal8Bit(out.error);
}

}  // namespace momentart
