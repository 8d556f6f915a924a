// PNG files made with libpng: 8-bit RGB, filtered and compressed for speed,
// with texts.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include "platform/image_files.h"

namespace momentart {

struct EncodedPng {
    QByteArray bytes;  // the whole file, empty when encoding failed
    QString error;     // why, when it failed
};

// `image` as a PNG file carrying `texts` (key, value), in order, line ends
// kept. Texts longer than 40 characters are stored compressed; texts outside
// Latin-1 as UTF-8.
EncodedPng encodePng(const QImage& image, const ImageTexts& texts);

}  // namespace momentart
