// Writing pictures to files: whole or not at all, never over another file
// unless asked (platform/whole_file.h).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPair>
#include <QString>

#include "platform/whole_file.h"

namespace momentart {

enum class ImageFormat { Png, Bmp, Unknown };

// The format a path's extension names (.png or .bmp, any case).
ImageFormat formatOfPath(const QString& path);

// Texts stored in a PNG (key, value), in order.
using ImageTexts = QList<QPair<QString, QString>>;

// The bytes of `image` as a file of `format`: a PNG carries `texts` (a large
// one compressed on `jobs` threads), a bitmap is 24-bit colour. Returns why
// encoding failed, or an empty string.
QString encodeImage(const QImage& image, ImageFormat format, const ImageTexts& texts, QByteArray& bytes,
                    int jobs = 1);

// Writes `image` to `path` (.png or .bmp), whole or not at all, under the
// rule `ifTaken`. A large PNG is compressed on `jobs` threads.
WriteResult writeImage(const QImage& image, const QString& path, IfTaken ifTaken, const ImageTexts& texts = {},
                       int jobs = 1);

// The same, replacing an existing file only when `replace` is true.
inline WriteResult writeImage(const QImage& image, const QString& path, bool replace, const ImageTexts& texts = {},
                              int jobs = 1) {
    return writeImage(image, path, replace ? IfTaken::Replace : IfTaken::Fail, texts, jobs);
}

}  // namespace momentart
