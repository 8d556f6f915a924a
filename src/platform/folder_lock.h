// A lock on a folder that several programs write (two windows on one
// history), held from construction to destruction, which also carries the
// last number one of them gave out: a holder that finds its own last number
// there knows nobody else wrote meanwhile. The system lets go of the lock
// when its holder dies.
#pragma once

#include <QString>
#include <optional>

namespace momentart {

class FolderLock {
public:
    // Waits for the lock on the file `path` (created if missing).
    explicit FolderLock(const QString& path);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Why the lock could not be had, or an empty string.
    const QString& error() const { return error_; }

    // The number the last holder left, if it left one.
    std::optional<long long> number() const;
    // Leaves `number` for the next holder.
    void setNumber(long long number);

private:
    int fd_ = -1;
    QString error_;
};

}  // namespace momentart
