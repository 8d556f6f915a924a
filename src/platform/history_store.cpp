#include "platform/history_store.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>

#include "platform/folder_lock.h"
#include "platform/pictures_folder.h"
#include "platform/recipe_file.h"
#include "platform/whole_file.h"

namespace momentart {

namespace {

// Wide enough that names sort in number order in a file manager too.
constexpr int kNumberWidth = 10;

// Held while a picture is added, so two windows never take one number.
const char* const kLockName = ".lock";

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
    // on from the newest file any of them wrote. The folder is read again
    // only when another window wrote since this one.
    FolderLock lock(dir.filePath(kLockName));
    if (!lock.error().isEmpty()) return {{}, lock.error()};
    if (!files_ || !lock.number() || lock.number() != lastNumber_) {
        const QList<HistoryFile> found = historyFiles(folder_);
        files_.emplace(found.begin(), found.end());
    }
    // A file of that number and name that this window does not know of
    // (left by a program that takes no turns) moves the number on.
    const long long next = files_->empty() ? 1 : files_->back().number + 1;
    long long number = next;
    const WriteResult written = writeUnderFirstFreeName(recipeFileBytes(recipe), [&](int n) {
        number = next + n - 1;
        return dir.filePath(QString("%1-%2.%3").arg(number, kNumberWidth, 10, QChar('0')).arg(name, kRecipeExtension));
    });
    if (!written.ok) return {{}, written.error};
    const QString& path = written.path;
    lock.setNumber(number);
    lastNumber_ = number;
    files_->push_back({path, number, name});
    while (static_cast<int>(files_->size()) > keep_) {
        QFile::remove(files_->front().path);
        files_->pop_front();
    }
    return {path, {}};
}

}  // namespace momentart
