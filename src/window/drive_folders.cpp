#include "window/drive_folders.h"

#include <QDir>
#include <QStandardPaths>

#include "platform/pictures_folder.h"

namespace momentart {

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

}  // namespace momentart
