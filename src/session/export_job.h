// Work in the background that makes a file of a picture (a Large render, a
// film): one at a time, its progress and its cancel, and how it ended, for
// the line under the picture. Large and Film are two of these.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "engine/host.h"
#include "platform/background_job.h"
#include "platform/film_maker.h"

namespace momentart {

// A line under the picture that follows such work: whose it is and how far
// it has come, or how it ended.
struct TaskLineState {
    bool shown = false;    // false until the first such work starts
    bool running = false;  // it can be cancelled
    QString text;
};

// Tells the work's progress to its job and hears its cancel, whether the
// work is a run (its visits) or a film (its frames written); also any run
// on a job that only needs its cancel heard.
class ExportProgress final : public RunObserver, public FilmProgress {
public:
    explicit ExportProgress(JobControl& control) : control_(control) {}
    void progress(const Canvas&, long visited, long total) override { control_.setProgress(visited, total); }
    bool stopRequested() override { return control_.cancelled(); }
    void framesWritten(int written, int total) override { control_.setProgress(written, total); }
    bool cancelled() override { return control_.cancelled(); }

private:
    JobControl& control_;
};

class ExportJob final : public QObject {
    Q_OBJECT

public:
    // How the work ended: a file at `path`, or not (cancelled, or `error`).
    struct Ended {
        QString path;
        QString error;
        bool cancelled = false;
    };
    using Work = std::function<Ended(ExportProgress&)>;

    // Runs `work` for the picture named `pictureName`; `ended` is told on
    // this thread before `changed`. False, and nothing started, while one runs.
    bool start(const QString& pictureName, Work work, std::function<void(const Ended&)> ended = {});
    // Nothing to do: the picture is already in the file `path`.
    void alreadySaved(const QString& pictureName, const QString& path);
    // Nothing can be done, because of `error`.
    void refused(const QString& pictureName, const QString& error);
    void cancel() { job_.cancel(); }

    bool started() const { return started_; }
    bool running() const { return job_.running(); }
    double fraction() const { return job_.fraction(); }
    const QString& pictureName() const { return pictureName_; }
    // Empty while running: "saved <path>", or why not.
    const QString& outcome() const { return outcome_; }
    // The picture is in a file (now or before).
    bool saved() const { return saved_; }
    // It left nothing new (cancelled, or already saved): its line is not
    // worth keeping once another picture is shown.
    bool fleeting() const { return fleeting_; }
    // Forgets a fleeting outcome, so that no line is shown; false (and
    // nothing changes) while running or when the outcome is worth keeping.
    bool clearIfFleeting();
    // "<what>: 45 %" while under way, "<what>: <finishing>" once the work's
    // own part is done, "<what>: <outcome>" after.
    TaskLineState line(const QString& what, const QString& finishing) const;

signals:
    // Started, or ended (or found nothing to do).
    void changed();

private:
    void tell(const QString& pictureName, const QString& outcome, bool saved, bool fleeting);

    BackgroundJob job_;
    bool started_ = false;
    QString pictureName_;
    QString outcome_;
    bool saved_ = false;
    bool fleeting_ = false;
};

}  // namespace momentart
