#include "session/export_job.h"

#include <QDir>

namespace momentart {

bool ExportJob::start(const QString& pictureName, Work work, std::function<void(const Ended&)> ended) {
    if (job_.running()) return false;
    started_ = true;
    pictureName_ = pictureName;
    outcome_.clear();
    saved_ = false;
    fleeting_ = false;
    job_.start(
        [this, work = std::move(work), ended = std::move(ended)](JobControl& control) {
            ExportProgress progress(control);
            const Ended end = work(progress);
            control.post([this, end, ended] {
                saved_ = !end.cancelled && !end.path.isEmpty();
                fleeting_ = end.cancelled;
                outcome_ = end.cancelled ? QString("not saved, cancelled")
                           : saved_      ? "saved " + QDir::toNativeSeparators(end.path)
                                         : "not saved, " + end.error;
                if (ended) ended(end);
            });
        },
        [this] { emit changed(); });
    emit changed();
    return true;
}

void ExportJob::alreadySaved(const QString& pictureName, const QString& path) {
    tell(pictureName, "already saved as " + QDir::toNativeSeparators(path), true, true);
}

void ExportJob::refused(const QString& pictureName, const QString& error) {
    tell(pictureName, "not saved, " + error, false, false);
}

void ExportJob::tell(const QString& pictureName, const QString& outcome, bool saved, bool fleeting) {
    started_ = true;
    pictureName_ = pictureName;
    outcome_ = outcome;
    saved_ = saved;
    fleeting_ = fleeting;
    emit changed();
}

bool ExportJob::clearIfFleeting() {
    if (!fleeting_ || job_.running()) return false;
    started_ = false;
    fleeting_ = false;
    saved_ = false;
    outcome_.clear();
    emit changed();
    return true;
}

TaskLineState ExportJob::line(const QString& what, const QString& finishing) const {
    if (!started_) return {};
    if (!job_.running()) return {true, false, what + ": " + outcome_};
    const double done = job_.fraction();
    return {true, true, what + ": " + (done < 1 ? QString("%1 %").arg(static_cast<int>(done * 100)) : finishing)};
}

}  // namespace momentart
