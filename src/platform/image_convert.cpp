#include "platform/image_convert.h"

#include <algorithm>
#include <atomic>
#include <new>

#include "platform/worker_pool.h"

namespace momentart {

namespace {
// Rows converted as one piece of work: small enough for threads to share a
// large picture evenly.
constexpr int kRowsAPiece = 128;

constexpr int kDotsPerMetre96 = 3780;

// The canvas from `firstRow` down, each pixel read by `pixel(column, row)`.
template <typename Read>
QImage rgb32Image(const Canvas& canvas, int firstRow, Read pixel) {
    QImage image(canvas.width(), canvas.height() - firstRow, QImage::Format_RGB32);
    if (image.isNull()) throw std::bad_alloc();
    for (int row = firstRow; row < canvas.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row - firstRow));
        for (int column = 0; column < canvas.width(); ++column) {
            const ColourNumber c = pixel(column, row);
            line[column] = qRgb(redOf(c), greenOf(c), blueOf(c));
        }
    }
    return image;
}

}  // namespace

QImage toQImage(const Canvas& canvas, int firstRow) {
    return rgb32Image(canvas, firstRow, [&](int column, int row) { return canvas.at(column, row); });
}

QImage toQImageWhilePainted(const Canvas& canvas) {
    return rgb32Image(canvas, 0, [&](int column, int row) { return canvas.atWhilePainted(column, row); });
}

QImage toRgb888(const Canvas& canvas, int jobs) {
    QImage image(canvas.width(), canvas.height(), QImage::Format_RGB888);
    if (image.isNull()) throw std::bad_alloc();
    // scanLine() of a shared image would copy it; the threads only write
    // through the pointers taken here.
    uchar* const first = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const int pieces = (canvas.height() + kRowsAPiece - 1) / kRowsAPiece;
    const std::atomic<bool> never{false};
    forEachOnThreads(pieces, jobs, never, [&](int piece) {
        const int end = std::min(canvas.height(), (piece + 1) * kRowsAPiece);
        for (int row = piece * kRowsAPiece; row < end; ++row) {
            uchar* line = first + row * stride;
            for (int column = 0; column < canvas.width(); ++column) {
                const ColourNumber c = canvas.at(column, row);
                *line++ = static_cast<uchar>(redOf(c));
                *line++ = static_cast<uchar>(greenOf(c));
                *line++ = static_cast<uchar>(blueOf(c));
            }
        }
    });
    return image;
}

void fromQImage(const QImage& source, Canvas& canvas, int firstRow) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row + firstRow < canvas.height() && row < image.height(); ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(row));
        for (int column = 0; column < canvas.width() && column < image.width(); ++column)
            canvas.set(column, row + firstRow, colourOf(qRed(line[column]), qGreen(line[column]), qBlue(line[column])));
    }
}

void setScreenResolution(QImage& image) {
    image.setDotsPerMeterX(kDotsPerMetre96);
    image.setDotsPerMeterY(kDotsPerMetre96);
}

}  // namespace momentart
