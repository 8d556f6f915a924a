#include "platform/path_status.h"

#include <QFile>
#include <filesystem>
#include <system_error>

namespace momentart {

namespace {

namespace fs = std::filesystem;

fs::path nativePath(const QString& path) {
#if defined(_WIN32)
    return fs::path(path.toStdWString());
#else
    return fs::path(QFile::encodeName(path).toStdString());
#endif
}

// The system's reason in words a user knows; its own message otherwise.
QString reasonOf(const std::error_code& error) {
    if (error == std::errc::too_many_symbolic_link_levels) return "a loop of symbolic links";
    if (error == std::errc::filename_too_long) return "the path is too long";
    if (error == std::errc::permission_denied) return "permission denied";
    if (error == std::errc::not_a_directory) return "a part of the path is a file, not a folder";
    return QString::fromLocal8Bit(error.message().c_str());
}

}  // namespace

PathStatus pathStatus(const QString& path) {
    using Kind = PathStatus::Kind;
    std::error_code error;
    const fs::path native = nativePath(path);
    const fs::file_status status = fs::status(native, error);
    switch (status.type()) {
        case fs::file_type::regular: return {Kind::File, {}};
        case fs::file_type::directory: return {Kind::Folder, {}};
        case fs::file_type::not_found: {
            std::error_code ignored;
            if (fs::is_symlink(fs::symlink_status(native, ignored))) return {Kind::BrokenLink, {}};
            return {Kind::Missing, {}};
        }
        case fs::file_type::none: return {Kind::Unreachable, reasonOf(error)};
        default: return {Kind::Other, {}};
    }
}

QString fileToReadProblem(const QString& path, const QString& noun) {
    using Kind = PathStatus::Kind;
    const PathStatus status = pathStatus(path);
    switch (status.kind) {
        case Kind::File: return {};
        case Kind::Missing: return "no such file";
        case Kind::BrokenLink: return "a symbolic link to a file that does not exist";
        case Kind::Folder: return "a folder, not a " + noun;
        case Kind::Other: return "not a regular file (a device, a pipe or a socket)";
        case Kind::Unreachable: return status.reason;
    }
    return {};
}

bool pathTooLong(const QString& path) {
    std::error_code error;
    (void)fs::status(nativePath(path), error);
    return error == std::errc::filename_too_long;
}

QString folderToListProblem(const QString& path) {
    using Kind = PathStatus::Kind;
    const PathStatus status = pathStatus(path);
    switch (status.kind) {
        case Kind::Folder: break;
        case Kind::Missing: return "no such folder";
        case Kind::BrokenLink: return "a symbolic link to a folder that does not exist";
        case Kind::File:
        case Kind::Other: return "not a folder";
        case Kind::Unreachable: return status.reason;
    }
    std::error_code error;
    const fs::directory_iterator entries(nativePath(path), error);
    return error ? reasonOf(error) : QString();
}

}  // namespace momentart
