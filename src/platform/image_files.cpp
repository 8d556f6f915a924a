#include "platform/image_files.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <cerrno>

#include "platform/output_path.h"
#include "platform/png_encoder.h"

namespace momentart {

namespace {

// Why opening, writing or committing `file` failed: a full disk in plain
// words, otherwise the system's own reason.
QString failureOf(const QFileDevice& file, int error) {
    if (error == ENOSPC) return "no space left on the device";
    if (error == EDQUOT) return "the disk quota is used up";
    return file.errorString();
}

}  // namespace

ImageFormat formatOfPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "png") return ImageFormat::Png;
    if (suffix == "bmp") return ImageFormat::Bmp;
    return ImageFormat::Unknown;
}

WriteResult writeImage(const QImage& image, const QString& path, bool replace,
                       const ImageTexts& texts, int jobs) {
    const ImageFormat format = formatOfPath(path);
    if (format == ImageFormat::Unknown)
        return {false, path + ": the file name must end in .png or .bmp"};
    if (const QString problem = outputPathProblem(path, replace); !problem.isEmpty()) return {false, problem};

    // Encoded in memory first: the encoder never meets a failing file, and
    // the file's own errors come straight from the system.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == ImageFormat::Png) {
        if (const QString error = writePng(buffer, image, texts, jobs); !error.isEmpty())
            return {false, path + ": cannot encode the picture (" + error + ")"};
    } else {
        QImageWriter writer(&buffer, "bmp");
        if (!writer.write(image.convertToFormat(QImage::Format_RGB888)))
            return {false, path + ": cannot encode the picture (" + writer.errorString() + ")"};
    }

    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, path + ": " + failureOf(file, errno)};
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int error = errno;
        file.cancelWriting();
        file.commit();
        return {false, path + ": " + failureOf(file, error)};
    }
    errno = 0;
    if (!file.commit()) return {false, path + ": " + failureOf(file, errno)};
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
