#include "platform/image_files.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>

#include "platform/image_convert.h"
#include "platform/output_path.h"
#include "platform/png_encoder.h"
#include "platform/shown_path.h"

namespace momentart {

ImageFormat formatOfPath(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "png") return ImageFormat::Png;
    if (suffix == "bmp") return ImageFormat::Bmp;
    return ImageFormat::Unknown;
}

QString encodeImage(const QImage& image, ImageFormat format, const ImageTexts& texts, QByteArray& bytes,
                    int jobs) {
    // Encoded in memory: the encoder never meets a failing file, and the
    // file's own errors come straight from the system.
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == ImageFormat::Png) return writePng(buffer, image, texts, jobs);
    // At 96 dots per inch, as PNGs are: otherwise Qt takes the screen's, and
    // the same picture's bitmaps would differ by the command's route.
    QImage bitmap = image.convertToFormat(QImage::Format_RGB888);
    setScreenResolution(bitmap);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(bitmap)) return writer.errorString();
    return {};
}

WriteResult writeImage(const QImage& image, const QString& path, IfTaken ifTaken, const ImageTexts& texts, int jobs) {
    const ImageFormat format = formatOfPath(path);
    if (format == ImageFormat::Unknown) return {false, shownPath(path) + ": the file name must end in .png or .bmp", {}};
    // What stands in the way is found before the work of encoding.
    const QString problem = ifTaken == IfTaken::NextFreeName ? outputFolderProblem(path)
                                                             : outputPathProblem(path, ifTaken == IfTaken::Replace);
    if (!problem.isEmpty()) return {false, problem, {}};
    QByteArray bytes;
    if (const QString error = encodeImage(image, format, texts, bytes, jobs); !error.isEmpty())
        return {false, shownPath(path) + ": cannot encode the picture (" + error + ")", {}};
    return writeWholeFile(bytes, path, ifTaken);
}

}  // namespace momentart
