// PNG files made with libpng: 8-bit RGB, filtered and compressed for speed,
// with texts.
#pragma once

#include <QIODevice>
#include <QImage>
#include <QString>

#include "platform/image_files.h"

namespace momentart {

// Writes `image` (its alpha, if any, left out) to `file` as a PNG carrying
// `texts` (key, value), in order, line ends kept. Texts longer than 40
// characters are stored compressed; texts outside Latin-1 as UTF-8. Returns
// why it failed, or nothing.
QString writePng(QIODevice& file, const QImage& image, const ImageTexts& texts);

}  // namespace momentart
