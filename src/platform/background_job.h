// The one way the program runs work in the background: a job runs a piece
// of work on a thread of its own, which reports its progress, posts partial
// results (a frame of a growing picture) and hears a cancel; its end is told
// on the thread that owns the job, where widgets and sessions live. Growing
// pictures, remaking earlier ones, variations, print-size renders, films
// and history writes all run through it.
#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <thread>

namespace momentart {

// What the work sees of its job, on the work's own thread.
class JobControl {
public:
    // True once the owner asked the work to stop; the work ends as soon as it can.
    bool cancelled() const { return cancel_.load(); }
    // The same, as a flag that work split over threads can share.
    const std::atomic<bool>& cancelFlag() const { return cancel_; }
    // `done` of `total` steps are done (read by the owner as fraction()).
    void setProgress(long done, long total) {
        total_.store(total);
        done_.store(done);
    }
    // Runs `update` on the owner's thread, in the order posted; dropped when
    // the job is destroyed first.
    void post(std::function<void()> update);

private:
    friend class BackgroundJob;
    explicit JobControl(QObject& owner) : owner_(owner) {}

    QObject& owner_;
    std::atomic<bool> cancel_{false};
    std::atomic<long> done_{0};
    std::atomic<long> total_{0};
};

class BackgroundJob final : public QObject {
    Q_OBJECT

public:
    using Work = std::function<void(JobControl&)>;

    explicit BackgroundJob(QObject* parent = nullptr);
    // Cancels the work and waits for it; its `finished` is not called.
    ~BackgroundJob() override;

    // Starts `work` on a thread of its own; `finished` runs on this job's
    // thread once the work has returned and every update it posted has run.
    // False, and nothing started, while the job is running.
    bool start(Work work, std::function<void()> finished = {});
    // Asks the work to stop (it sees cancelled()).
    void cancel();

    // From start() until `finished` has been called.
    bool running() const { return running_; }
    // Whether cancel() was called since the last start().
    bool cancelRequested() const { return control_.cancelled(); }
    // How far the work has reported, 0..1 (0 before its first report).
    double fraction() const;

private:
    JobControl control_;
    std::thread thread_;
    bool running_ = false;
};

}  // namespace momentart
