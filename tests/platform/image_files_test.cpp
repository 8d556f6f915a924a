// PNG files as our encoder writes them, read back by Qt and by libpng: any
// size (a large one compressed in bands) and pixel format, every text with
// its line ends, Latin-1 or not, short or long; the same bytes on any number
// of threads.
#include <QFile>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <png.h>

#include <gtest/gtest.h>

#include "cli_support.h"
#include "platform/image_files.h"
#include "platform/png_image_data.h"
#include "file_support.h"

namespace momentart {
namespace {

// Rows that suit each filter: a ramp (Sub), the row above again (Up), noise
// (None).
QImage testImage(int width, int height, QImage::Format format, QRandomGenerator& random) {
    QImage image(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int kind = y % 3;
            image.setPixel(x, y, kind == 0   ? qRgb(x & 255, (x / 3) & 255, y & 255)
                                 : kind == 1 ? image.pixel(x, y - 1)
                                             : qRgb(random.bounded(256), random.bounded(256), random.bounded(256)));
        }
    return image;
}

using testing::readFile;

// The file's pixels as libpng reads them, as 8-bit RGB.
QImage readWithLibpng(const QString& path) {
    const QByteArray bytes = readFile(path);
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.constData(), static_cast<std::size_t>(bytes.size())))
        return {};
    png.format = PNG_FORMAT_RGB;
    QImage image(static_cast<int>(png.width), static_cast<int>(png.height), QImage::Format_RGB888);
    if (!png_image_finish_read(&png, nullptr, image.bits(), static_cast<png_int_32>(image.bytesPerLine()), nullptr))
        return {};
    return image;
}

TEST(ImageFiles, APngReadsBackWithItsPixelsAndEveryTextInQtAndLibpng) {
    QTemporaryDir dir;
    QRandomGenerator random(12);
    const ImageTexts texts = {
        {"Short", "a"},
        {"Lines", "first line\nsecond line\r\nthird, and long enough to be stored compressed"},
        {"Accents", "Žiga Čebašek, ½ and \u263A"},
        {"LongAccents", QString("\u263A and more: ").repeated(8)},
        {"Empty", ""},
    };
    // Enough rows of 1201 pixels for several bands.
    const int bandedHeight = static_cast<int>(3 * kBandBytes / (1 + 3 * 1201)) + 7;
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGB888,
                                        QImage::Format_Grayscale8}) {
        for (const QSize size : {QSize(37 + format, 11), QSize(1, 1), QSize(1201, bandedHeight)}) {
            SCOPED_TRACE(::testing::Message() << format << " " << size.width() << " x " << size.height());
            const QImage image = testImage(size.width(), size.height(), format, random);
            const QImage expected = image.convertToFormat(QImage::Format_RGB32);
            const QString path = dir.filePath(QString("p%1-%2.png").arg(format).arg(size.height()));
            ASSERT_TRUE(writeImage(image, path, false, texts).ok);

            QImageReader reader(path);
            const QImage back = reader.read();
            ASSERT_FALSE(back.isNull()) << reader.errorString().toStdString();
            EXPECT_FALSE(back.hasAlphaChannel());
            EXPECT_TRUE(cli::samePixels(back, expected));
            for (const auto& [key, value] : texts) EXPECT_EQ(back.text(key), value) << key.toStdString();
            EXPECT_TRUE(cli::samePixels(readWithLibpng(path), expected));

            for (const int jobs : {2, 5}) {
                const QString again = dir.filePath(QString("jobs%1.png").arg(jobs));
                ASSERT_TRUE(writeImage(image, again, true, texts, jobs).ok);
                EXPECT_EQ(readFile(again), readFile(path)) << jobs << " jobs";
            }
        }
    }
}

}  // namespace
}  // namespace momentart
