#include "platform/held_temporary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <cerrno>
#include <mutex>

#if !defined(_WIN32)
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "platform/whole_file.h"

namespace momentart {

namespace {

constexpr int kNameTries = 100;
const char* const kPrefix = ".momentart-";
const char* const kSuffix = ".part";

#if !defined(_WIN32)
bool sameFile(int fd, const QByteArray& path) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(path.constData(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

// The writer's process id in a temporary name, or 0 when the name is not one.
pid_t writerOf(const QString& name) {
    if (!name.startsWith(kPrefix) || !name.endsWith(kSuffix)) return 0;
    const QStringList parts = name.mid(int(qstrlen(kPrefix)), name.size() - int(qstrlen(kPrefix) + qstrlen(kSuffix)))
                                  .split('-');
    if (parts.size() != 2 || parts[1].size() != 8) return 0;
    bool ok = false;
    const long pid = parts[0].toLong(&ok);
    return ok && pid > 0 ? static_cast<pid_t>(pid) : 0;
}

// Both must hold: a writer on another machine (a network folder) is not a
// process here, and on a network file system a lock may be lost when the
// writer's library closes its own handle on the file.
void removeIfAbandoned(const QString& path, pid_t writer) {
    if (writer == ::getpid() || ::kill(writer, 0) == 0 || errno != ESRCH) return;
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) return;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && sameFile(fd, native)) ::unlink(native.constData());
    ::close(fd);
}
#endif

}  // namespace

void removeAbandonedTemporaries(const QString& folder) {
#if !defined(_WIN32)
    static std::mutex mutex;
    static QSet<QString> looked;
    const QString key = QDir(folder).absolutePath();
    {
        const std::lock_guard lock(mutex);
        if (looked.contains(key)) return;
        looked.insert(key);
    }
    const QDir dir(folder);
    const QStringList names = dir.entryList({QString(kPrefix) + "*" + kSuffix},
                                            QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names)
        if (const pid_t writer = writerOf(name); writer != 0) removeIfAbandoned(dir.filePath(name), writer);
#else
    // Windows keeps a file that is open from being removed; nothing is swept.
    (void)folder;
#endif
}

HeldTemporary::HeldTemporary(const QString& folder) {
    removeAbandonedTemporaries(folder);
    const QDir dir(folder);
    for (int n = 0; n < kNameTries; ++n) {
        const quint32 tag = QRandomGenerator::global()->generate();
        const QString path = dir.filePath(QString("%1%2-%3%4")
                                              .arg(kPrefix)
                                              .arg(QCoreApplication::applicationPid())
                                              .arg(tag, 8, 16, QChar('0'))
                                              .arg(kSuffix));
#if !defined(_WIN32)
        const QByteArray native = QFile::encodeName(path);
        // Made anew, so with the permissions of any new file.
        const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            error_ = failureText(errno);
            return;
        }
        // A file system without locks leaves the process id to guard it.
        const bool locked = ::flock(fd, LOCK_EX) == 0;
        // Between its making and its lock another process may have swept it.
        if (locked && !sameFile(fd, native)) {
            ::close(fd);
            continue;
        }
        file_.open(fd, QIODevice::ReadWrite | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle);
        path_ = path;
        return;
#else
        file_.setFileName(path);
        if (file_.open(QIODevice::ReadWrite | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            path_ = path;
            return;
        }
        if (!file_.exists()) {
            error_ = file_.errorString();
            return;
        }
#endif
    }
    error_ = "cannot find a free temporary name";
}

HeldTemporary::~HeldTemporary() {
#if defined(_WIN32)
    file_.close();  // Windows removes no open file
#endif
    if (!kept_ && !path_.isEmpty()) QFile::remove(path_);
    file_.close();
}

}  // namespace momentart
