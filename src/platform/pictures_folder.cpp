#include "platform/pictures_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace momentart {

QString picturesFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return pictures.isEmpty() ? QDir::homePath() : pictures;
}

QString defaultPicturesFolder() { return QDir(picturesFolder()).filePath("momentart"); }

QString defaultVideosFolder() {
    const QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    return QDir(videos.isEmpty() ? QDir::homePath() : videos).filePath("momentart");
}

QString savedPictureName(const std::string& pictureName, const Recipe& recipe) {
    QString name = QString::fromStdString(pictureName);
    if (recipe.variation.kind != VariationKind::None)
        name += QString("-%1%2").arg(QString::fromUtf8(variationName(recipe.variation.kind))).arg(recipe.variation.seed);
    if (recipe.scale != 1) name += QString("-x%1").arg(recipe.scale);
    return name;
}

QString ensureFolder(const QString& folder) {
    if (QDir(folder).exists()) return {};
    if (QDir().mkpath(folder)) return {};
    return folder + ": cannot create the folder";
}

}  // namespace momentart
