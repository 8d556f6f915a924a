#include "platform/output_path.h"

#include <QFileInfo>

#include "platform/path_status.h"
#include "platform/shown_path.h"

namespace momentart {

QString outputPathProblem(const QString& path, bool replace) {
    const QFileInfo info(path);
    if (info.isSymLink())
        return shownPath(path) + ": a symbolic link of that name exists (only regular files are replaced)";
    if (info.isDir()) return shownPath(path) + ": a folder of that name exists";
    if (info.exists() && !info.isFile())
        return shownPath(path) + ": a device or pipe of that name exists (only regular files are replaced)";
    if (info.exists() && !replace) return shownPath(path) + ": a file of that name exists already";
    return outputFolderProblem(path);
}

QString outputFolderProblem(const QString& path) {
    using Kind = PathStatus::Kind;
    const QString folder = QFileInfo(path).path();
    const PathStatus status = pathStatus(folder);
    switch (status.kind) {
        case Kind::Folder: return {};
        case Kind::Missing:
        case Kind::BrokenLink: return shownPath(path) + ": no such folder " + shownPath(folder);
        case Kind::File:
        case Kind::Other: return shownPath(path) + ": " + shownPath(folder) + " is a file, not a folder";
        case Kind::Unreachable: break;
    }
    return shownPath(path) + ": the folder " + shownPath(folder) + " cannot be reached (" + status.reason + ")";
}

}  // namespace momentart
