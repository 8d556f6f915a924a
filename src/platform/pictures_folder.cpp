#include "platform/pictures_folder.h"

#include <QDir>
#include <QStandardPaths>
#include <cerrno>

#include "platform/path_status.h"
#include "platform/whole_file.h"

namespace momentart {

QString picturesFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return pictures.isEmpty() ? QDir::homePath() : pictures;
}

QString defaultPicturesFolder() { return QDir(picturesFolder()).filePath("momentart"); }

QString savedPictureName(const std::string& pictureName, const Recipe& recipe) {
    QString name = QString::fromStdString(pictureName);
    if (recipe.variation.kind != VariationKind::None)
        name += QString("-%1%2").arg(QString::fromUtf8(variationName(recipe.variation.kind))).arg(recipe.variation.seed);
    if (recipe.scale != 1) name += QString("-x%1").arg(recipe.scale);
    return name;
}

QString ensureFolder(const QString& folder) {
    const PathStatus status = pathStatus(folder);
    switch (status.kind) {
        case PathStatus::Kind::Folder: return {};
        case PathStatus::Kind::Unreachable: return folder + ": cannot reach the folder (" + status.reason + ")";
        case PathStatus::Kind::File:
        case PathStatus::Kind::Other: return folder + ": a file of that name is where the folder should be";
        case PathStatus::Kind::Missing:
        case PathStatus::Kind::BrokenLink: break;
    }
    errno = 0;
    if (QDir().mkpath(folder)) return {};
    const int error = errno;
    return folder + ": cannot create the folder" + (error != 0 ? " (" + failureText(error) + ")" : QString());
}

QString homeMissing() {
#if defined(Q_OS_WIN)
    return {};
#else
    return qEnvironmentVariableIsEmpty("HOME") ? QStringLiteral("HOME is not set") : QString();
#endif
}

ReadyFolder readyPicturesFolder() {
    if (const QString missing = homeMissing(); !missing.isEmpty())
        return {{}, missing + ", so there is no Pictures folder to save into"};
    const QString folder = defaultPicturesFolder();
    return {folder, ensureFolder(folder)};
}

}  // namespace momentart
