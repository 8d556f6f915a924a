// The history of pictures on disk: one recipe file per picture made in the
// window, `<number>-<picture name>.recipe` in the application data folder,
// numbered in the order made, so a picture seen yesterday can be made again.
// Only the newest `keep` files are kept. The window writes it; the history
// command reads it.
#pragma once

#include <QList>
#include <QString>
#include <deque>
#include <optional>

#include "engine/recipe.h"

namespace momentart {

// How many pictures the history keeps unless told otherwise.
inline constexpr int kHistoryKeep = 10000;

// `history` in the application data folder.
QString defaultHistoryFolder();

// One picture of the history.
struct HistoryFile {
    QString path;
    long long number = 0;  // its place in the order made
    QString name;          // the picture's name, from the file's name
};

// The newest `count` pictures of `folder`, newest first (none if the folder
// is missing).
QList<HistoryFile> newestHistory(const QString& folder, int count);

class HistoryStore {
public:
    // `folder` empty: keep nothing on disk.
    HistoryStore(QString folder, int keep);

    const QString& folder() const { return folder_; }

    // Writes the picture's recipe as the newest file (numbered on from the
    // newest file in the folder, whoever wrote it), then removes the oldest
    // beyond `keep`.
    struct Added {
        QString path;   // the file written
        QString error;  // what went wrong, when nothing was written
    };
    Added add(const Recipe& recipe, const QString& name);

private:
    QString folder_;
    int keep_;
    std::optional<std::deque<HistoryFile>> files_;  // oldest first, as last read or written
    std::optional<long long> lastNumber_;           // the number this store gave out last
};

}  // namespace momentart
