#include "platform/image_files.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include "platform/png_encoder.h"

namespace momentart {

ImageFormat formatOfPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "png") return ImageFormat::Png;
    if (suffix == "bmp") return ImageFormat::Bmp;
    return ImageFormat::Unknown;
}

WriteResult writeImage(const QImage& image, const QString& path, bool replace,
                       const ImageTexts& texts) {
    const ImageFormat format = formatOfPath(path);
    if (format == ImageFormat::Unknown)
        return {false, path + ": the file name must end in .png or .bmp"};
    if (!replace && QFileInfo::exists(path))
        return {false, path + ": a file of that name exists already"};
    const QFileInfo info(path);
    if (!info.dir().exists()) return {false, path + ": no such folder " + info.dir().path()};

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {false, path + ": " + file.errorString()};
    const auto fail = [&](const QString& reason) {
        file.cancelWriting();
        file.commit();
        return WriteResult{false, path + ": " + reason};
    };
    if (format == ImageFormat::Png) {
        if (const QString error = writePng(file, image, texts); !error.isEmpty()) return fail(error);
    } else {
        QImageWriter writer(&file, "bmp");
        if (!writer.write(image.convertToFormat(QImage::Format_RGB888)))
            return fail(file.error() != QFileDevice::NoError ? file.errorString()
                                                             : writer.errorString());
    }
    if (!file.commit()) return {false, path + ": " + file.errorString()};
    return {true, {}};
}

QString freePath(const QString& folder, const QString& base, const QString& extension,
                 const std::function<bool(const QString&)>& taken) {
    const QDir dir(folder);
    const auto free = [&](const QString& path) { return !QFileInfo::exists(path) && !(taken && taken(path)); };
    QString path = dir.filePath(base + "." + extension);
    for (int n = 2; !free(path); ++n)
        path = dir.filePath(QString("%1-%2.%3").arg(base).arg(n).arg(extension));
    return path;
}

}  // namespace momentart
