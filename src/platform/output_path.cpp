#include "platform/output_path.h"

#include <QDir>
#include <QFileInfo>

namespace momentart {

QString outputPathProblem(const QString& path, bool replace) {
    const QFileInfo info(path);
    if (info.isSymLink())
        return path + ": a symbolic link of that name exists (only regular files are replaced)";
    if (info.isDir()) return path + ": a folder of that name exists";
    if (info.exists() && !info.isFile())
        return path + ": a device or pipe of that name exists (only regular files are replaced)";
    if (info.exists() && !replace) return path + ": a file of that name exists already";
    const QFileInfo folder(info.dir().path());
    if (folder.exists() && !folder.isDir()) return path + ": " + folder.filePath() + " is a file, not a folder";
    if (!folder.exists()) return path + ": no such folder " + folder.filePath();
    return {};
}

}  // namespace momentart
