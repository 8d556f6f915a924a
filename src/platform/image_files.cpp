#include "platform/image_files.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace momentart {

ImageFormat formatOfPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "png") return ImageFormat::Png;
    if (suffix == "bmp") return ImageFormat::Bmp;
    return ImageFormat::Unknown;
}

WriteResult writeImage(QImage image, const QString& path, bool replace, const ImageTexts& texts) {
    const ImageFormat format = formatOfPath(path);
    if (format == ImageFormat::Unknown)
        return {false, path + ": the file name must end in .png or .bmp"};
    if (!replace && QFileInfo::exists(path))
        return {false, path + ": a file of that name exists already"};
    const QFileInfo info(path);
    if (!info.dir().exists()) return {false, path + ": no such folder " + info.dir().path()};

    const bool asItIs = image.format() == QImage::Format_RGB888 ||
                        (format == ImageFormat::Png && image.format() == QImage::Format_RGB32);
    QImage pixels = asItIs ? std::move(image)
                           : image.convertToFormat(format == ImageFormat::Bmp ? QImage::Format_RGB888
                                                                              : QImage::Format_RGB32);
    if (pixels.isNull()) return {false, path + ": not enough memory for the picture's pixels"};

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {false, path + ": " + file.errorString()};
    QImageWriter writer(&file, format == ImageFormat::Png ? "png" : "bmp");
    // Texts go on the image, not the writer: the writer's texts lose their
    // line ends.
    for (const auto& [key, value] : texts) pixels.setText(key, value);
    if (!writer.write(pixels)) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString()
                                                                      : writer.errorString();
        file.cancelWriting();
        file.commit();
        return {false, path + ": " + reason};
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
