#include "platform/image_convert.h"

namespace momentart {

namespace {
constexpr int kDotsPerMetre96 = 3780;
}  // namespace

QImage toQImage(const Canvas& canvas) {
    QImage image(Canvas::kWidth, Canvas::kHeight, QImage::Format_RGB32);
    for (int row = 0; row < Canvas::kHeight; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int column = 0; column < Canvas::kWidth; ++column) {
            const ColourNumber c = canvas.at(column, row);
            line[column] = qRgb(redOf(c), greenOf(c), blueOf(c));
        }
    }
    return image;
}

void fromQImage(const QImage& source, Canvas& canvas) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    for (int row = 0; row < Canvas::kHeight && row < image.height(); ++row) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(row));
        for (int column = 0; column < Canvas::kWidth && column < image.width(); ++column)
            canvas.set(column, row, colourOf(qRed(line[column]), qGreen(line[column]), qBlue(line[column])));
    }
}

void setScreenResolution(QImage& image) {
    image.setDotsPerMeterX(kDotsPerMetre96);
    image.setDotsPerMeterY(kDotsPerMetre96);
}

}  // namespace momentart
