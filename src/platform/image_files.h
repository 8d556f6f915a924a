// Writing pictures to files: whole or not at all.
#pragma once

#include <QImage>
#include <QList>
#include <QPair>
#include <QString>
#include <functional>

namespace momentart {

enum class ImageFormat { Png, Bmp, Unknown };

// The format a path's extension names (.png or .bmp, any case).
ImageFormat formatOfPath(const QString& path);

// Texts stored in a PNG (key, value), in order.
using ImageTexts = QList<QPair<QString, QString>>;

struct WriteResult {
    bool ok = false;
    QString error;  // the path and the reason, when !ok
};

// Writes `image` to `path` through a temporary file renamed into place, so a
// failure (missing folder, no permission, full disk) leaves no partial file.
// Replaces an existing file only when `replace` is true. PNG files carry
// `texts`, compressed on `jobs` threads when large; a bitmap is written as
// 24-bit colour.
WriteResult writeImage(const QImage& image, const QString& path, bool replace,
                       const ImageTexts& texts = {}, int jobs = 1);

// `folder/base.ext`, or `folder/base-2.ext`, `-3`, ... : the first name that
// does not exist yet and that `taken` (if given) does not claim.
QString freePath(const QString& folder, const QString& base, const QString& extension,
                 const std::function<bool(const QString&)>& taken = {});

}  // namespace momentart
