#include "platform/png_image_data.h"

#include <isa-l/igzip_lib.h>
#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/worker_pool.h"

namespace momentart {

namespace {

// Measured on the 32 pictures of bench/ against zlib (which libpng used
// before) and libdeflate, rows filtered as below; per picture:
//   zlib level 2          9.7 ms  331,684 bytes (the files before)
//   libdeflate level 1    4.1 ms  322,090 bytes
//   libdeflate level 2    5.7 ms  315,979 bytes
//   ISA-L level 1         1.7 ms  333,769 bytes
//   ISA-L level 2         1.9 ms  331,596 bytes (with the small level buffer)
//   ISA-L level 3         2.8 ms  332,025 bytes
// ISA-L at level 2 with its small level buffer (shorter blocks, each with
// its own Huffman codes) is five times as fast as zlib in files no larger;
// and unlike libdeflate it can end a stream's part at a full flush, so a
// large picture's bands are compressed at once.
constexpr int kLevel = 2;
constexpr std::uint32_t kLevelBufferBytes = ISAL_DEF_LVL2_SMALL;

constexpr int kPixelBytes = 3;
constexpr int kFilterNone = 0, kFilterSub = 1, kFilterUp = 2;

// The zlib header: deflate with a 32 KB window (0x78), "fast" (level 1 of
// 0..3), and the check bits that make the pair a multiple of 31.
constexpr std::uint8_t kZlibMethod = 0x78;
constexpr std::uint8_t kZlibFlags = 1 << 6 | (31 - ((kZlibMethod << 8) | 1 << 6) % 31) % 31;

// A filtered byte's weight in the choice of a row's filter: the byte read
// as signed, without its sign.
unsigned weight(std::uint8_t v) {
    return static_cast<unsigned>(std::abs(static_cast<int>(static_cast<std::int8_t>(v))));
}

std::uint8_t minus(std::uint8_t a, std::uint8_t b) { return static_cast<std::uint8_t>(a - b); }

// Writes `row`'s filter byte, then its `length` bytes filtered, to `out`:
// None, Sub or Up, whichever has the least total weight (the first of them
// on a tie), the choice libpng made for these files before. `above` is the
// row before, or null for the first row, where Up is None.
void filterRow(const std::uint8_t* row, const std::uint8_t* above, std::size_t length, std::uint8_t* out) {
    const std::size_t lead = std::min<std::size_t>(kPixelBytes, length);
    unsigned none = 0, sub = 0, up = 0;
    for (std::size_t n = 0; n < lead; ++n) none += weight(row[n]);
    sub = none;
    for (std::size_t n = lead; n < length; ++n) {
        none += weight(row[n]);
        sub += weight(minus(row[n], row[n - kPixelBytes]));
    }
    if (above != nullptr)
        for (std::size_t n = 0; n < length; ++n) up += weight(minus(row[n], above[n]));
    else
        up = none;

    std::uint8_t* bytes = out + 1;
    if (none <= sub && none <= up) {
        out[0] = kFilterNone;
        std::memcpy(bytes, row, length);
    } else if (sub <= up) {
        out[0] = kFilterSub;
        std::memcpy(bytes, row, lead);
        for (std::size_t n = lead; n < length; ++n) bytes[n] = minus(row[n], row[n - kPixelBytes]);
    } else {
        out[0] = kFilterUp;
        for (std::size_t n = 0; n < length; ++n) bytes[n] = minus(row[n], above[n]);
    }
}

// Rows first..end-1 of the picture.
struct Band {
    int first = 0, end = 0;
};

// Bands of about kBandBytes of filtered rows (one for a picture of standard
// size), their rows shared out evenly.
std::vector<Band> bandsOf(int rows, std::size_t rowBytes) {
    const std::size_t total = static_cast<std::size_t>(rows) * rowBytes;
    const int count = static_cast<int>(std::clamp<std::size_t>(total / kBandBytes, 1, std::max(rows, 1)));
    std::vector<Band> bands(static_cast<std::size_t>(count));
    for (int b = 0; b < count; ++b)
        bands[b] = {static_cast<int>(static_cast<long long>(rows) * b / count),
                    static_cast<int>(static_cast<long long>(rows) * (b + 1) / count)};
    return bands;
}

// Compresses `input` as a part of a raw deflate stream into `out` after its
// first `written` bytes: the stream's end when `last`, else up to a full
// flush (byte-aligned, with no reference back into it), so that the next
// part can follow. Returns ISA-L's failure code, or COMP_OK.
int deflatePart(const std::vector<std::uint8_t>& input, bool last, std::vector<std::uint8_t>& out,
                std::size_t written) {
    const auto stream = std::make_unique<isal_zstream>();
    std::vector<std::uint8_t> levelBuffer(kLevelBufferBytes);
    isal_deflate_init(stream.get());
    stream->level = kLevel;
    stream->level_buf = levelBuffer.data();
    stream->level_buf_size = kLevelBufferBytes;
    stream->gzip_flag = IGZIP_DEFLATE;
    stream->end_of_stream = last ? 1 : 0;
    stream->flush = last ? NO_FLUSH : FULL_FLUSH;
    stream->next_in = const_cast<std::uint8_t*>(input.data());
    stream->avail_in = static_cast<std::uint32_t>(input.size());
    out.resize(written + input.size() / 2 + 1024);
    for (;;) {
        stream->next_out = out.data() + written;
        stream->avail_out = static_cast<std::uint32_t>(out.size() - written);
        if (const int code = isal_deflate(stream.get()); code != COMP_OK) return code;
        written = out.size() - stream->avail_out;
        // It returns when its input is used up or its output is full.
        const bool done = last ? stream->internal_state.state == ZSTATE_END
                               : stream->avail_in == 0 && stream->avail_out > 0;
        if (done) break;
        out.resize(out.size() * 2);
    }
    out.resize(written);
    return COMP_OK;
}

// ISA-L's AVX-512 code returns with the upper halves of the vector registers
// in use. Until they are cleared, every later SSE instruction of the thread
// runs slower: the next picture's sines and cosines took twice as long.
void clearUpperVectorHalves() {
#if defined(__x86_64__) || defined(__i386__)
    if (__builtin_cpu_supports("avx")) asm volatile("vzeroupper" ::: "memory");
#endif
}

}  // namespace

ImageData compressImageData(const QImage& rgb, int jobs) {
    const std::size_t length = static_cast<std::size_t>(rgb.width()) * kPixelBytes;
    const std::size_t rowBytes = 1 + length;
    const std::vector<Band> bands = bandsOf(rgb.height(), rowBytes);
    const int count = static_cast<int>(bands.size());

    ImageData data;
    data.pieces.resize(bands.size());
    std::vector<uLong> checksums(bands.size());
    std::vector<int> codes(bands.size(), COMP_OK);
    std::atomic<bool> outOfMemory{false};
    const std::atomic<bool> never{false};
    forEachOnThreads(count, jobs, never, [&](int b) {
        // A worker thread must not end by an exception: it says so instead.
        try {
            const Band band = bands[b];
            std::vector<std::uint8_t> filtered(static_cast<std::size_t>(band.end - band.first) * rowBytes);
            for (int row = band.first; row < band.end; ++row)
                filterRow(rgb.constScanLine(row), row > 0 ? rgb.constScanLine(row - 1) : nullptr, length,
                          filtered.data() + static_cast<std::size_t>(row - band.first) * rowBytes);
            checksums[b] = isal_adler32(1, filtered.data(), filtered.size());
            const std::size_t header = b == 0 ? 2 : 0;
            codes[b] = deflatePart(filtered, b + 1 == count, data.pieces[b], header);
        } catch (const std::bad_alloc&) {
            outOfMemory = true;
        }
        clearUpperVectorHalves();
    });
    if (outOfMemory) throw std::bad_alloc();
    for (const int code : codes)
        if (code != COMP_OK) return {{}, QString("ISA-L could not compress the image data (code %1)").arg(code)};

    data.pieces.front()[0] = kZlibMethod;
    data.pieces.front()[1] = kZlibFlags;
    uLong checksum = checksums[0];
    for (std::size_t b = 1; b < bands.size(); ++b) {
        const auto bytes = static_cast<z_off_t>(bands[b].end - bands[b].first) * static_cast<z_off_t>(rowBytes);
        checksum = adler32_combine(checksum, checksums[b], bytes);
    }
    for (const int shift : {24, 16, 8, 0}) data.pieces.back().push_back(static_cast<std::uint8_t>(checksum >> shift));
    return data;
}

}  // namespace momentart
