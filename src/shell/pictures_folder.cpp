#include "shell/pictures_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace momentart {

QString defaultPicturesFolder() {
    QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (pictures.isEmpty()) pictures = QDir::homePath();
    return QDir(pictures).filePath("momentart");
}

QString ensureFolder(const QString& folder) {
    if (QDir(folder).exists()) return {};
    if (QDir().mkpath(folder)) return {};
    return folder + ": cannot create the folder";
}

}  // namespace momentart
