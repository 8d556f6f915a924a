#include "session/history_writer.h"

namespace momentart {

HistoryWriter::HistoryWriter(const QString& folder, int keep, QObject* parent)
    : QObject(parent), store_(folder, keep) {}

void HistoryWriter::add(int index, const Recipe& recipe, const QString& name) {
    if (failed_ || store_.folder().isEmpty()) return;
    queue_.push_back({index, recipe, name});
    writeNext();
}

int HistoryWriter::pending() const { return static_cast<int>(queue_.size()) + (job_.running() ? 1 : 0); }

void HistoryWriter::writeNext() {
    if (job_.running() || queue_.empty() || failed_) return;
    Queued next = std::move(queue_.front());
    queue_.pop_front();
    job_.start(
        [this, next = std::move(next)](JobControl& control) {
            const HistoryStore::Added added = store_.add(next.recipe, next.name);
            control.post([this, index = next.index, added] {
                if (added.error.isEmpty()) return emit written(index, added.path);
                failed_ = true;
                queue_.clear();
                emit failed(added.error);
            });
        },
        [this] { writeNext(); });
}

}  // namespace momentart
