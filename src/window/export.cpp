#include "window/export.h"

#include <QDir>
#include <QPainter>
#include <QStandardPaths>

#include "engine/export_copy.h"
#include "platform/image_convert.h"
#include "platform/pictures_folder.h"

namespace momentart {

void ProgressMark::paint(QPainter& painter) const {
    if (!visible()) return;
    const int height = kBottom - kTop + 1;
    // Black from 105 up to the last column's black line (or 705 when done).
    const int blackEnd = finished_ ? Canvas::kWidth + kLeft : column_ + kLeft - 1;
    if (blackEnd >= kLeft) painter.fillRect(kLeft, kTop, blackEnd - kLeft + 1, height, Qt::black);
    if (!finished_ && column_ > 0) painter.fillRect(column_ + kLeft, kTop, 1, height, Qt::white);
}

DriveRoots defaultDriveRoots() {
#if defined(Q_OS_WIN)
    return {"D:\\", "C:\\"};
#else
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return {defaultPicturesFolder(), QDir(documents.isEmpty() ? QDir::homePath() : documents).filePath("momentart")};
#endif
}

QString prepareDriveRoot(const QString& root) {
#if defined(Q_OS_WIN)
    (void)root;
    return {};
#else
    const DriveRoots defaults = defaultDriveRoots();
    if (root != defaults.d && root != defaults.c) return {};
    if (const QString missing = homeMissing(); !missing.isEmpty())
        return missing + ", so there is no Pictures or Documents folder: name one with --drive-d or --drive-c";
    return ensureFolder(root);
#endif
}

BitmapSave saveimage(GenerationState& s, const Canvas& picture, Canvas& exportCanvas, ProgressMark& mark,
                     const QString& root, const Recipe& recipe) {
    copyForExport(s, picture, exportCanvas, [&mark](int column) { mark.columnDone(column); });
    mark.finish();
    return saveBitmapWithRecipe(toQImage(exportCanvas), recipe, root, savedPictureName(s.imeslike, recipe));
}

}  // namespace momentart
