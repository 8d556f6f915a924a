// Writes the recipes of the pictures a session makes to the history folder
// (platform/history_store.h), in the order made and one at a time on a
// background job, so a slow disk never holds up the pictures. The first
// failure is told once; after it the session goes on without the folder.
#pragma once

#include <QObject>
#include <QString>
#include <deque>

#include "engine/recipe.h"
#include "platform/background_job.h"
#include "platform/history_store.h"

namespace momentart {

class HistoryWriter final : public QObject {
    Q_OBJECT

public:
    // `folder` empty: nothing is written.
    HistoryWriter(const QString& folder, int keep, QObject* parent = nullptr);

    // Queues the recipe of the session's picture `index`, named `name`.
    void add(int index, const Recipe& recipe, const QString& name);
    // Recipes queued or being written.
    int pending() const;

signals:
    // Picture `index`'s recipe is in the file `path`.
    void written(int index, const QString& path);
    // Nothing more is written this session, because of `error`.
    void failed(const QString& error);

private:
    struct Queued {
        int index;
        Recipe recipe;
        QString name;
    };
    void writeNext();

    HistoryStore store_;  // used by job_'s work only
    std::deque<Queued> queue_;
    bool failed_ = false;
    BackgroundJob job_;
};

}  // namespace momentart
