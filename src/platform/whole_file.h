// Files written whole or not at all, never replacing a file by accident.
// The bytes go first to a hidden temporary file in the target's folder,
// and only when every byte is on the disk does that file take its name. A
// name is taken by a rename that never replaces: of two programs writing
// into one folder at once, only one can take a name, and the other learns
// that it was taken.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "platform/held_temporary.h"

namespace momentart {

struct WriteResult {
    bool ok = false;
    QString error;  // the path and the reason, when !ok
    QString path;   // the file written, when ok
};

// What a writer does when the name it was given is taken.
enum class IfTaken {
    Fail,          // "a file of that name exists already"
    Replace,       // a regular file is replaced (--force)
    NextFreeName,  // name-2.ext, name-3.ext, ... : the first name free at that moment
};

// After this many names taken, a folder is not going to free one.
inline constexpr int kMostNames = 100000;

// `folder/name.ext` for n = 1, `folder/name-n.ext` for n >= 2.
QString numberedPath(const QString& path, int n);

// The plain words for a failure of the system call that set `error`: a
// full disk and a used-up quota said so, otherwise the system's message.
QString failureText(int error);

// Renames `from` to `to`; where `to` exists, replaces it only when
// `replace` (otherwise fails with errno EEXIST, whatever another program
// does at the same moment). errno says why it failed.
bool moveFile(const QString& from, const QString& to, bool replace);

// A temporary file holding the bytes, waiting to take its name; removed
// unless it took one.
class PendingFile {
public:
    // Writes `bytes` into a new hidden file in `folder`; error() says why
    // that failed.
    PendingFile(const QString& folder, const QByteArray& bytes);
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    const QString& error() const { return error_; }

    enum class Placed { Yes, Taken, Failed };
    // Gives the file the name `path`, replacing a file there only when
    // `replace`; Taken when that name exists. On Failed, `why` says why.
    Placed place(const QString& path, bool replace, QString& why);
    // The file placed at `path` becomes a temporary file again, to take
    // another name (its partner could not take the name beside it).
    bool takeBack(const QString& path);

private:
    HeldTemporary held_;
    QString error_;
    bool placed_ = false;
};

// Writes `bytes` as `path`, whole or not at all, under the rule `ifTaken`
// (with NextFreeName the name actually taken is in the result). What stands
// in the way (a folder, a device or a link of that name, no such folder) is
// an error naming the path.
WriteResult writeWholeFile(const QByteArray& bytes, const QString& path, IfTaken ifTaken);

// Writes `bytes` under the first of the names `nameOf(1)`, `nameOf(2)`, ...
// that is free at the moment the file takes it. The names must all lie in
// one folder.
WriteResult writeUnderFirstFreeName(const QByteArray& bytes, const std::function<QString(int)>& nameOf);

}  // namespace momentart
