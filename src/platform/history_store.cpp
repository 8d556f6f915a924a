#include "platform/history_store.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

#include "platform/pictures_folder.h"
#include "platform/recipe_file.h"
#include "platform/whole_file.h"

namespace momentart {

namespace {

// Wide enough that names sort in number order in a file manager too.
constexpr int kNumberWidth = 10;

// Held while a picture is added, so two windows never take one number: a
// lock on an empty file, which the system lets go of when a window dies.
const char* const kLockName = ".lock";

class FolderLock {
public:
    explicit FolderLock(const QString& path) {
#if !defined(_WIN32)
        fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd_ < 0 || ::flock(fd_, LOCK_EX) != 0)
            error_ = path + ": cannot lock the history folder (" + failureText(errno) + ")";
#else
        (void)path;  // Windows: one window at a time
#endif
    }
    ~FolderLock() {
#if !defined(_WIN32)
        if (fd_ >= 0) ::close(fd_);
#endif
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    const QString& error() const { return error_; }

private:
    int fd_ = -1;
    QString error_;
};

// Every history file of `folder`, oldest first.
QList<HistoryFile> historyFiles(const QString& folder) {
    static const QRegularExpression pattern(QString("^(\\d{1,18})-(.+)\\.%1$").arg(kRecipeExtension));
    QList<HistoryFile> files;
    const QDir dir(folder);
    for (const QString& entry : dir.entryList({QString("*.") + kRecipeExtension}, QDir::Files)) {
        const QRegularExpressionMatch match = pattern.match(entry);
        if (!match.hasMatch()) continue;
        files.append({dir.filePath(entry), match.captured(1).toLongLong(), match.captured(2)});
    }
    std::sort(files.begin(), files.end(),
              [](const HistoryFile& a, const HistoryFile& b) { return a.number < b.number; });
    return files;
}

}  // namespace

QString defaultHistoryFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath("history");
}

QList<HistoryFile> newestHistory(const QString& folder, int count) {
    QList<HistoryFile> files = historyFiles(folder);
    std::reverse(files.begin(), files.end());
    if (files.size() > count) files.resize(count);
    return files;
}

HistoryStore::HistoryStore(QString folder, int keep) : folder_(std::move(folder)), keep_(std::max(keep, 1)) {}

HistoryStore::Added HistoryStore::add(const Recipe& recipe, const QString& name) {
    if (folder_.isEmpty()) return {};
    if (const QString error = ensureFolder(folder_); !error.isEmpty()) return {{}, error};
    const QDir dir(folder_);
    // Other windows may write the same folder: one at a time, each numbering
    // on from the newest file any of them wrote.
    const FolderLock lock(dir.filePath(kLockName));
    if (!lock.error().isEmpty()) return {{}, lock.error()};
    QList<HistoryFile> files = historyFiles(folder_);
    const long long number = files.isEmpty() ? 1 : files.last().number + 1;
    const QString path =
        dir.filePath(QString("%1-%2.%3").arg(number, kNumberWidth, 10, QChar('0')).arg(name, kRecipeExtension));
    const WriteResult written = writeRecipeFile(path, recipe, IfTaken::Fail);
    if (!written.ok) return {{}, written.error};
    files.append({path, number, name});
    for (qsizetype n = 0; n + keep_ < files.size(); ++n) QFile::remove(files[n].path);
    return {path, {}};
}

}  // namespace momentart
