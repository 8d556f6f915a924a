#include "platform/image_convert.h"

#include <new>

namespace momentart {

namespace {
constexpr int kDotsPerMetre96 = 3780;
}  // namespace

QImage toQImage(const Canvas& canvas, int firstRow) {
    QImage image(canvas.width(), canvas.height() - firstRow, QImage::Format_RGB32);
    if (image.isNull()) throw std::bad_alloc();
    for (int row = firstRow; row < canvas.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row - firstRow));
        for (int column = 0; column < canvas.width(); ++column) {
            const ColourNumber c = canvas.at(column, row);
            line[column] = qRgb(redOf(c), greenOf(c), blueOf(c));
        }
    }
    return image;
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
