#include "window/shown_folder.h"

#include <QDir>
#include <QFileInfo>

namespace momentart {

QString shownFolder(const QString& path) {
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    if (folder == home) return "~";
    if (folder.startsWith(home + QDir::separator())) return "~" + folder.mid(home.size());
    return folder;
}

}  // namespace momentart
