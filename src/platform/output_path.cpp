#include "platform/output_path.h"

#include <QFileInfo>

#include "platform/path_status.h"

namespace momentart {

QString outputPathProblem(const QString& path, bool replace) {
    const QFileInfo info(path);
    if (info.isSymLink())
        return path + ": a symbolic link of that name exists (only regular files are replaced)";
    if (info.isDir()) return path + ": a folder of that name exists";
    if (info.exists() && !info.isFile())
        return path + ": a device or pipe of that name exists (only regular files are replaced)";
    if (info.exists() && !replace) return path + ": a file of that name exists already";
    return outputFolderProblem(path);
}

QString outputFolderProblem(const QString& path) {
    using Kind = PathStatus::Kind;
    const QString folder = QFileInfo(path).path();
    const PathStatus status = pathStatus(folder);
    switch (status.kind) {
        case Kind::Folder: return {};
        case Kind::Missing:
        case Kind::BrokenLink: return path + ": no such folder " + folder;
        case Kind::File:
        case Kind::Other: return path + ": " + folder + " is a file, not a folder";
        case Kind::Unreachable: break;
    }
    return path + ": the folder " + folder + " cannot be reached (" + status.reason + ")";
}

}  // namespace momentart
