#include "platform/pictures_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace momentart {

QString picturesFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return pictures.isEmpty() ? QDir::homePath() : pictures;
}

QString defaultPicturesFolder() { return QDir(picturesFolder()).filePath("momentart"); }

QString ensureFolder(const QString& folder) {
    if (QDir(folder).exists()) return {};
    if (QDir().mkpath(folder)) return {};
    return folder + ": cannot create the folder";
}

}  // namespace momentart
