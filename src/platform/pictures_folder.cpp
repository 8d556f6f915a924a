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

namespace {
// The momentart folder `folder` of the user's `what` folder, made ready.
ReadyFolder readyFolder(const QString& folder, const char* what) {
    if (const QString missing = homeMissing(); !missing.isEmpty())
        return {{}, missing + QString(", so there is no %1 folder to save into").arg(what)};
    return {folder, ensureFolder(folder)};
}
}  // namespace

ReadyFolder readyPicturesFolder() { return readyFolder(defaultPicturesFolder(), "Pictures"); }

ReadyFolder readyVideosFolder() { return readyFolder(defaultVideosFolder(), "Videos"); }

}  // namespace momentart
