// What a path names, asked of the system, with the real reason when it
// cannot say: a loop of symbolic links, a path too long, a folder that may
// not be entered. The error lines of readers and writers are built on it.
#pragma once

#include <QString>

namespace momentart {

struct PathStatus {
    enum class Kind {
        Missing,       // nothing of that name (and no link to nothing)
        File,          // a regular file
        Folder,
        Other,         // a device, a pipe or a socket
        BrokenLink,    // a symbolic link whose target is missing
        Unreachable,   // the system cannot say: `reason` tells why
    };
    Kind kind = Kind::Missing;
    QString reason;  // for Unreachable: "a loop of symbolic links", "the path is too long", ...
};

// What `path` names, following symbolic links.
PathStatus pathStatus(const QString& path);

// Whether `path` is something that stops a file being read as a `noun`
// ("picture", "recipe file"): an error line without the path ("no such
// file", "a folder, not a picture", "not a regular file (a device or a
// pipe)", "a loop of symbolic links", ...), or an empty string for a
// regular file.
QString fileToReadProblem(const QString& path, const QString& noun);

// Whether the system refuses to look `path` up as too long (the whole path,
// or one of its names): bad input, whatever is on the disk.
bool pathTooLong(const QString& path);

// Why the entries of folder `path` cannot be listed (no such folder, not a
// folder, permission denied, ...), or an empty string when they can.
QString folderToListProblem(const QString& path);

}  // namespace momentart
