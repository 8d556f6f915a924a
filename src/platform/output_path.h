// Whether a picture may be written to a path: what is there now, and whether
// its folder is a folder. Writers replace only regular files; a device, a
// pipe, a folder or a symbolic link (whose target would be replaced) of that
// name is an error, also with --force.
#pragma once

#include <QString>

namespace momentart {

// An error line naming the path and what is wrong, or an empty string when
// the path is free (or, with `replace`, a regular file).
QString outputPathProblem(const QString& path, bool replace);

// An error line naming the path when the folder it would go into is not a
// folder that can be reached, or an empty string.
QString outputFolderProblem(const QString& path);

}  // namespace momentart
