// The image data of a PNG, what its IDAT chunks carry: every row of 8-bit
// RGB behind its filter byte, compressed as one zlib stream by ISA-L.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

namespace momentart {

// Filtered rows are cut into bands of about this many bytes; a band is
// compressed on its own thread and ends at a full flush.
inline constexpr std::size_t kBandBytes = std::size_t{1} << 19;

struct ImageData {
    // The zlib stream in pieces, in order, one piece a band of rows: the
    // first begins with the stream's header, the last ends with its
    // checksum.
    std::vector<std::vector<std::uint8_t>> pieces;
    QString error;  // why the compressor failed, when it did
};

// The image data of `rgb` (QImage::Format_RGB888). The bands depend only on
// the picture's size, so the bytes are the same for any number of `jobs`
// (threads at once). Throws std::bad_alloc when memory runs out.
ImageData compressImageData(const QImage& rgb, int jobs);

}  // namespace momentart
