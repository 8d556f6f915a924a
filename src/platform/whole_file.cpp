#include "platform/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include "platform/disk_failure.h"
#include "platform/held_temporary.h"
#include "platform/output_path.h"
#include "platform/shown_path.h"

namespace momentart {

namespace {

#if defined(_WIN32)
}  // namespace

bool moveFile(const QString& from, const QString& to, bool replace) {
    const std::wstring source = QDir::toNativeSeparators(from).toStdWString();
    const std::wstring target = QDir::toNativeSeparators(to).toStdWString();
    if (MoveFileExW(source.c_str(), target.c_str(), replace ? MOVEFILE_REPLACE_EXISTING : 0)) return true;
    const DWORD error = GetLastError();
    errno = error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? EEXIST : EIO;
    return false;
}
#else
// A file system that cannot rename without replacing, or link.
bool unsupported(int error) { return error == EINVAL || error == ENOSYS || error == ENOTSUP || error == EPERM; }

// The rename that never replaces; where the file system has no such rename,
// a hard link (which never replaces either); where it has no links (FAT),
// the name is claimed by creating it, then the file takes its place.
bool renameWithoutReplacing(const QByteArray& from, const QByteArray& to) {
#if defined(__linux__)
    if (renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) return true;
    if (!unsupported(errno)) return false;
#endif
    if (::link(from.constData(), to.constData()) == 0) {
        ::unlink(from.constData());
        return true;
    }
    if (!unsupported(errno)) return false;
    const int claim = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (claim < 0) return false;
    ::close(claim);
    if (std::rename(from.constData(), to.constData()) == 0) return true;
    const int error = errno;
    ::unlink(to.constData());
    errno = error;
    return false;
}

}  // namespace

bool moveFile(const QString& from, const QString& to, bool replace) {
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (replace) return std::rename(source.constData(), target.constData()) == 0;
    return renameWithoutReplacing(source, target);
}
#endif

QString numberedPath(const QString& path, int n) {
    if (n <= 1) return path;
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : "." + info.suffix();
    return info.dir().filePath(QString("%1-%2%3").arg(info.completeBaseName()).arg(n).arg(suffix));
}

QString failureText(int error) {
    if (const QString disk = diskFailure(error); !disk.isEmpty()) return disk;
    switch (error) {
        case EEXIST: return "a file of that name exists already";
        case ENAMETOOLONG: return "the path is too long";
        case 0: return "the system gave no reason";
        default: return qt_error_string(error);
    }
}

PendingFile::PendingFile(const QString& folder, const QByteArray& bytes) : held_(folder) {
    if (!held_.error().isEmpty()) {
        error_ = held_.error();
        return;
    }
    QFile& file = held_.file();
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        error_ = errno != 0 ? failureText(errno) : file.errorString();
        return;
    }
#if !defined(_WIN32)
    // A network file system may say only now that the disk is full.
    errno = 0;
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS) error_ = failureText(errno);
#endif
}

PendingFile::Placed PendingFile::place(const QString& path, bool replace, QString& why) {
    errno = 0;
    if (moveFile(held_.path(), path, replace)) {
        held_.setKept(true);
        placed_ = true;
        return Placed::Yes;
    }
    if (errno == EEXIST) return Placed::Taken;
    why = failureText(errno);
    return Placed::Failed;
}

bool PendingFile::takeBack(const QString& path) {
    if (!placed_ || !moveFile(path, held_.path(), false)) return false;
    held_.setKept(false);
    placed_ = false;
    return true;
}

WriteResult writeWholeFile(const QByteArray& bytes, const QString& path, IfTaken ifTaken) {
    if (ifTaken == IfTaken::NextFreeName)
        return writeUnderFirstFreeName(bytes, [&path](int n) { return numberedPath(path, n); });
    const bool replace = ifTaken == IfTaken::Replace;
    if (const QString problem = outputPathProblem(path, replace); !problem.isEmpty()) return {false, problem, {}};
    PendingFile pending(QFileInfo(path).path(), bytes);
    if (!pending.error().isEmpty()) return {false, shownPath(path) + ": " + pending.error(), {}};
    QString why;
    switch (pending.place(path, replace, why)) {
        case PendingFile::Placed::Yes: return {true, {}, path};
        case PendingFile::Placed::Taken: return {false, shownPath(path) + ": " + failureText(EEXIST), {}};
        case PendingFile::Placed::Failed: break;
    }
    return {false, shownPath(path) + ": " + why, {}};
}

WriteResult writeUnderFirstFreeName(const QByteArray& bytes, const std::function<QString(int)>& nameOf) {
    const QString first = nameOf(1);
    if (const QString problem = outputFolderProblem(first); !problem.isEmpty()) return {false, problem, {}};
    PendingFile pending(QFileInfo(first).path(), bytes);
    if (!pending.error().isEmpty()) return {false, shownPath(first) + ": " + pending.error(), {}};
    for (int n = 1; n <= kMostNames; ++n) {
        const QString path = nameOf(n);
        QString why;
        switch (pending.place(path, false, why)) {
            case PendingFile::Placed::Yes: return {true, {}, path};
            case PendingFile::Placed::Taken: continue;
            case PendingFile::Placed::Failed: return {false, shownPath(path) + ": " + why, {}};
        }
    }
    return {false, first + QString(": every name up to -%1 is taken").arg(kMostNames), {}};
}

}  // namespace momentart
