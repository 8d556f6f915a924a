// PNG files as our encoder writes them, read back by Qt: any size and pixel
// format, every text with its line ends, Latin-1 or not, short or long.
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "cli_support.h"
#include "platform/image_files.h"

namespace momentart {
namespace {

TEST(ImageFiles, APngReadsBackWithItsPixelsAndEveryText) {
    QTemporaryDir dir;
    QRandomGenerator random(12);
    const ImageTexts texts = {
        {"Short", "a"},
        {"Lines", "first line\nsecond line\r\nthird, and long enough to be stored compressed"},
        {"Accents", "Žiga Čebašek, ½ and \u263A"},
        {"LongAccents", QString("\u263A and more: ").repeated(8)},
        {"Empty", ""},
    };
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGB888,
                                        QImage::Format_Grayscale8}) {
        SCOPED_TRACE(format);
        QImage image(37 + format, 11, format);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb(random.bounded(256), random.bounded(256), random.bounded(256)));
        const QString path = dir.filePath(QString("p%1.png").arg(format));
        ASSERT_TRUE(writeImage(image, path, false, texts).ok);

        QImageReader reader(path);
        const QImage back = reader.read();
        ASSERT_FALSE(back.isNull()) << reader.errorString().toStdString();
        EXPECT_FALSE(back.hasAlphaChannel());
        EXPECT_TRUE(cli::samePixels(back, image.convertToFormat(QImage::Format_RGB32)));
        for (const auto& [key, value] : texts) EXPECT_EQ(back.text(key), value) << key.toStdString();
    }
}

}  // namespace
}  // namespace momentart
