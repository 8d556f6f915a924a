#include "platform/folder_lock.h"

#include <QByteArray>
#include <QFile>
#include <cerrno>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

#include "platform/whole_file.h"
#include "platform/shown_path.h"

namespace momentart {

namespace {
constexpr int kLongestNumber = 20;
}  // namespace

#if !defined(_WIN32)
FolderLock::FolderLock(const QString& path) {
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0 || ::flock(fd_, LOCK_EX) != 0) error_ = shownPath(path) + ": cannot lock the folder (" + failureText(errno) + ")";
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) ::close(fd_);
}

std::optional<long long> FolderLock::number() const {
    char text[kLongestNumber + 1] = {};
    if (!error_.isEmpty() || ::pread(fd_, text, kLongestNumber, 0) <= 0) return std::nullopt;
    bool ok = false;
    const long long number = QByteArray(text).trimmed().toLongLong(&ok);
    return ok ? std::optional(number) : std::nullopt;
}

void FolderLock::setNumber(long long number) {
    if (!error_.isEmpty() || ::ftruncate(fd_, 0) != 0) return;
    const QByteArray text = QByteArray::number(number) + "\n";
    // Only a hint to the next holder: a number not left (or not the one it
    // left itself) makes it read the folder again.
    const ssize_t written = ::pwrite(fd_, text.constData(), static_cast<size_t>(text.size()), 0);
    (void)written;
}
#else
// Windows: one window at a time; every holder reads the folder again.
FolderLock::FolderLock(const QString&) {}
FolderLock::~FolderLock() = default;
std::optional<long long> FolderLock::number() const { return std::nullopt; }
void FolderLock::setNumber(long long) {}
#endif

}  // namespace momentart
