#include "window/export.h"

#include <QDir>
#include <QPainter>
#include <QStandardPaths>

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
    return root == defaults.d || root == defaults.c ? ensureFolder(root) : QString();
#endif
}

BitmapSave saveimage(GenerationState& s, const Canvas& picture, Canvas& exportCanvas, ProgressMark& mark,
                     const QString& root, const Recipe& recipe) {
    // Columns and rows 0..600 and 0..450: every pixel of the picture; the
    // last column and row lie outside it and copy nothing.
    for (s.i = 0; s.i <= Canvas::kWidth; ++s.i) {
        const int column = static_cast<int>(s.i);
        for (s.j = 0; s.j <= Canvas::kHeight; ++s.j) {
            const int row = static_cast<int>(s.j);
            if (column < Canvas::kWidth && row < Canvas::kHeight)
                exportCanvas.set(column, row, picture.at(column, row));
        }
        if (column >= 1) mark.columnDone(column);
    }
    mark.finish();
    return saveBitmapWithRecipe(toQImage(exportCanvas), recipe, root, QString::fromStdString(s.imeslike));
}

}  // namespace momentart
