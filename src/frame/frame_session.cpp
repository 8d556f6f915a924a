#include "frame/frame_session.h"

#include <QDir>
#include <QFileInfo>

#include "engine/generation/catalogue.h"
#include "engine/interest.h"
#include "engine/startup.h"
#include "platform/image_convert.h"
#include "platform/qt_text_printer.h"
#include "platform/recipe_png.h"
#include "platform/renderer.h"
#include "session/export_job.h"
#include "session/pacing_observer.h"

namespace momentart {

FrameSession::FrameSession(const FrameSettings& settings, double frameSeconds, QObject* parent)
    : QObject(parent),
      settings_(settings),
      frameSeconds_(frameSeconds),
      schedule_(settings.timing),
      picture_(canvasOfScale(settings.scale)),
      trial_(settings.skipDull ? canvasOfScale(settings.scale) : nullptr),
      earlier_(canvasOfScale(settings.scale)),
      historyWriter_(settings.historyFolder, settings.historyKeep) {
    timer_.setSingleShot(true);
    // The minute must not be reached early.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &FrameSession::timerFired);
    // As the window's: the first file that makes a picture again stays its own.
    connect(&historyWriter_, &HistoryWriter::written, this, [this](int index, const QString& path) {
        if (history_.noteRecipeFile(index, path)) emit historyChanged();
    });
    connect(&historyWriter_, &HistoryWriter::failed, this, [this](const QString& error) {
        report("History is not kept on disk this session: " + error);
    });
}

// The jobs are members: each cancels and waits for its work as it goes.
FrameSession::~FrameSession() = default;

void FrameSession::start() {
    const PictureMoment first = schedule_.pictureAt(QDateTime::currentDateTime());
    // Start-up is seeded as the first picture is, as a render's.
    startup(state_, first.seed);
    makePicture(0, first);
}

void FrameSession::startFrom(const GenerationState& live, const PictureHistory& history) {
    if (history.empty()) return start();
    state_ = live;
    history_ = history;
    showFromHistory(history_.shownIndex());
    restartTimer();
}

void FrameSession::perform(FrameAction action) {
    if (action == FrameAction::Leave) return emit leaveRequested();
    if (action == FrameAction::PauseResume) {
        paused_ = !paused_;
        if (paused_) {
            pausedRemaining_ = timer_.isActive() ? timer_.remainingTimeAsDuration() : std::chrono::milliseconds(0);
            timer_.stop();
            due_ = false;
        } else if (settings_.timing.onTheMinute || pausedRemaining_.count() <= 0) {
            restartTimer();
        } else {
            timer_.start(pausedRemaining_);
        }
        return emit captionChanged();
    }
    waiting_.push_back(action);
    // The picture growing comes at once, so the key is soon carried out.
    hurry_.store(true);
    carryOutWaiting();
}

void FrameSession::carryOutWaiting() {
    while (!busy() && !waiting_.empty()) {
        const FrameAction next = waiting_.front();
        waiting_.pop_front();
        carryOut(next);
    }
    if (busy() || !due_) return;
    due_ = false;
    makePicture(0, schedule_.pictureAt(QDateTime::currentDateTime()));
}

void FrameSession::carryOut(FrameAction action) {
    switch (action) {
        case FrameAction::NewImage:
        case FrameAction::RepeatType:
            makePicture(action == FrameAction::NewImage ? 0 : 1, schedule_.pictureAt(QDateTime::currentDateTime()));
            break;
        case FrameAction::Back:
        case FrameAction::Forward: {
            const int index = history_.shownIndex() + (action == FrameAction::Back ? -1 : 1);
            if (index < 0 || index >= history_.size()) break;
            showFromHistory(index);
            // A full turn to look at it.
            if (!settings_.timing.onTheMinute) restartTimer();
            break;
        }
        case FrameAction::Keep: keep(); break;
        case FrameAction::PauseResume:
        case FrameAction::Leave: break;
    }
}

void FrameSession::restartTimer() {
    if (!paused_) timer_.start(schedule_.nextDue(QDateTime::currentDateTime()));
}

void FrameSession::timerFired() {
    // A picture still growing (or made again) finishes first.
    due_ = true;
    carryOutWaiting();
}

void FrameSession::makePicture(double izbors, const PictureMoment& moment) {
    state_.izbors = izbors;
    hurry_.store(false);
    growingName_.clear();
    growingType_ = 0;
    message_.clear();
    // The next picture is due a turn after this one begins.
    restartTimer();
    growth_.start(
        [this, moment, schedule = schedule_](JobControl& control) mutable {
            try {
                grow(control, moment, schedule);
            } catch (const std::exception& error) {
                // Not enough memory for a picture, or a state no run starts
                // from: said on screen; the frame goes on showing what it has.
                control.post([this, what = QString::fromLocal8Bit(error.what())] { report("No picture: " + what); });
            }
        },
        [this] { carryOutWaiting(); });
}

void FrameSession::grow(JobControl& control, const PictureMoment& moment, FrameSchedule schedule) {
    int skipped = 0;
    const PictureMoment chosen =
        settings_.skipDull ? firstNotDull(control, moment, schedule, skipped) : moment;
    if (control.cancelled()) return;
    bool named = false;
    PacingObserver observer(
        settings_.pace, frameSeconds_, [&](const Canvas&) { presentFrame(control, named); },
        [&] { return control.cancelled(); }, [this] { return hurry_.load(); });
    FixedMomentClock clock(chosen.seed, chosen.moment);
    QtTextPrinter printer;
    RunHost host{clock, settings_.stamp ? &printer : nullptr, &observer};
    const Recipe recipe = makeimageRecorded(state_, *picture_, host, runOptions());
    if (control.cancelled()) return;
    control.post([this, recipe, schedule, skipped] { grown(recipe, schedule, skipped); });
}

RunOptions FrameSession::runOptions() const {
    RunOptions options;
    options.forcedType = settings_.type;
    options.scale = settings_.scale;
    options.jobs = settings_.jobs;
    return options;
}

PictureMoment FrameSession::firstNotDull(JobControl& control, PictureMoment moment, FrameSchedule& schedule,
                                         int& skipped) {
    ExportProgress observer(control);  // hears the frame's cancel
    for (; skipped < kMostDullInARow && !control.cancelled(); ++skipped) {
        // Made from a copy of the live state: a skipped picture leaves no trace.
        GenerationState trial = state_;
        FixedMomentClock clock(moment.seed, moment.moment);
        RunHost host{clock, nullptr, &observer};
        if (!makeimage(trial, *trial_, host, runOptions())) break;
        if (!isDull(measureInterest(*trial_))) break;
        moment = schedule.after(moment, QDateTime::currentDateTime());
    }
    return moment;
}

void FrameSession::presentFrame(JobControl& control, bool& named) {
    if (!named) {
        // The run has chosen the type and named the picture.
        named = true;
        control.post([this, name = QString::fromStdString(state_.imeslike), type = imageType(state_)] {
            growingName_ = name;
            growingType_ = type;
            emit captionChanged();
        });
    }
    // One frame on its way at a time; it is read on the GUI thread while the
    // picture's threads go on painting. A large picture's frames come less
    // often: reading them takes at most a quarter of the GUI thread's time.
    const auto now = [] { return std::chrono::steady_clock::now().time_since_epoch().count(); };
    if (framesInFlight_.load() > 0 || now() < nextFrameAt_.load()) return;
    ++framesInFlight_;
    control.post([this, now] {
        const auto began = now();
        emit shown(toQImageWhilePainted(*picture_));
        nextFrameAt_.store(now() + 3 * (now() - began));
        --framesInFlight_;
    });
}

void FrameSession::grown(const Recipe& recipe, const FrameSchedule& schedule, int skipped) {
    schedule_ = schedule;
    dullSkipped_ += skipped;
    ++made_;
    const QImage image = toQImage(*picture_);
    history_.add(madeNow(recipe, image));
    historyWriter_.add(history_.size() - 1, recipe, QString::fromStdString(history_.shown().summary.name));
    if (skipped == kMostDullInARow) report(QString("%1 dull pictures in a row; this one is shown").arg(skipped));
    emit shown(image);
    // The caption told its name and type as it began to grow.
    emit pictureShown();
}

bool FrameSession::showingLive() const { return made_ > 0 && history_.showingNewest(); }

const Canvas& FrameSession::shownPicture() const { return showingLive() ? *picture_ : *earlier_; }

Recipe FrameSession::shownRecipe() const {
    // A picture the window made is shown (and kept) at the frame's scale.
    Recipe recipe = history_.shown().recipe;
    recipe.scale = settings_.scale;
    return recipe;
}

void FrameSession::showFromHistory(int index) {
    history_.show(index);
    message_.clear();
    emit captionChanged();
    if (showingLive()) {
        emit shown(toQImage(*picture_));
        return emit pictureShown();
    }
    // Made again from its recipe at once, on every core.
    remaker_.start(
        [this, recipe = shownRecipe()](JobControl& control) {
            ExportProgress observer(control);  // hears the frame's cancel
            QtTextPrinter printer;
            remake(recipe, earlierState_, *earlier_, &printer, &observer, settings_.jobs);
        },
        [this] {
            emit shown(toQImage(*earlier_));
            emit pictureShown();
            carryOutWaiting();
        });
}

void FrameSession::keep() {
    if (history_.empty()) return;
    HistoryPicture& picture = history_.shown();
    if (const QString already = stillSaved(picture.kept.value(settings_.scale)); !already.isEmpty())
        return report(QFileInfo(already).fileName() + " is already saved");
    const SavedPicture saved =
        savePictureToPicturesFolder(shownPicture(), shownRecipe(), showingLive() ? state_ : earlierState_);
    if (!saved.ok) return report("Not saved: " + saved.error);
    picture.kept.insert(settings_.scale, saved.path);
    report("Saved " + QDir::toNativeSeparators(saved.path));
}

void FrameSession::report(const QString& text) {
    message_ = text;
    emit captionChanged();
}

QString FrameSession::caption() const {
    QStringList parts;
    if (growth_.running()) {
        if (!growingName_.isEmpty()) parts << growingName_ << QString("type %1").arg(growingType_);
    } else if (!history_.empty()) {
        const PictureSummary& summary = history_.shown().summary;
        parts << QString::fromStdString(summary.name) << QString("type %1").arg(summary.type);
        if (!history_.showingNewest())
            parts << QString("earlier picture %1 of %2").arg(history_.shownIndex() + 1).arg(history_.size());
    }
    if (paused_) parts << "paused";
    QString text = parts.join(QStringLiteral("  \u00b7  "));
    if (!message_.isEmpty()) text += (text.isEmpty() ? "" : "\n") + message_;
    return text;
}

}  // namespace momentart
