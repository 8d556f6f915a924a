#include "platform/background_job.h"

#include <algorithm>

namespace momentart {

void JobControl::post(std::function<void()> update) {
    QMetaObject::invokeMethod(&owner_, std::move(update), Qt::QueuedConnection);
}

BackgroundJob::BackgroundJob(QObject* parent) : QObject(parent), control_(*this) {}

BackgroundJob::~BackgroundJob() {
    cancel();
    if (thread_.joinable()) thread_.join();
}

bool BackgroundJob::start(Work work, std::function<void()> finished) {
    if (running_) return false;
    // The thread of the last job has returned (its end was told), so this
    // join does not wait.
    if (thread_.joinable()) thread_.join();
    running_ = true;
    control_.cancel_.store(false);
    control_.done_.store(0);
    control_.total_.store(0);
    thread_ = std::thread([this, work = std::move(work), finished = std::move(finished)]() mutable {
        work(control_);
        // Queued behind every update the work posted, so it runs last.
        control_.post([this, finished = std::move(finished)] {
            running_ = false;
            if (finished) finished();
        });
    });
    return true;
}

void BackgroundJob::cancel() { control_.cancel_.store(true); }

double BackgroundJob::fraction() const {
    const long total = control_.total_.load();
    if (total <= 0) return 0;
    return std::clamp(static_cast<double>(control_.done_.load()) / static_cast<double>(total), 0.0, 1.0);
}

}  // namespace momentart
