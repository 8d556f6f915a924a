#include "platform/image_convert.h"

#include <new>

namespace momentart {

namespace {

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

QImage toRgb888(const Canvas& canvas) {
    QImage image(canvas.width(), canvas.height(), QImage::Format_RGB888);
    if (image.isNull()) throw std::bad_alloc();
    for (int row = 0; row < canvas.height(); ++row) {
        uchar* line = image.scanLine(row);
        for (int column = 0; column < canvas.width(); ++column) {
            const ColourNumber c = canvas.at(column, row);
            *line++ = static_cast<uchar>(redOf(c));
            *line++ = static_cast<uchar>(greenOf(c));
            *line++ = static_cast<uchar>(blueOf(c));
        }
    }
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
