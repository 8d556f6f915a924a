// PNG files made with libpng: 8-bit RGB with texts, the image data filtered
// and compressed for speed (platform/png_image_data.h).
#pragma once

#include <QIODevice>
#include <QImage>
#include <QString>

#include "platform/image_files.h"

namespace momentart {

// Writes `image` (its alpha, if any, left out) to `file` as a PNG carrying
// `texts` (key, value), in order, line ends kept. Texts longer than 40
// characters are stored compressed; texts outside Latin-1 as UTF-8. A large
// image is compressed on `jobs` threads. Returns why it failed, or nothing.
QString writePng(QIODevice& file, const QImage& image, const ImageTexts& texts, int jobs = 1);

}  // namespace momentart
