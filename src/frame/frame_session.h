// The art frame's pictures and the work on them, apart from any widget: one
// generation state kept from picture to picture (as the window's), each
// picture made at the frame's scale on every core and grown at the window's
// pace, a new one when the schedule says, dull ones skipped if asked, the
// history (in memory and in the history folder the window and `momentart
// history` share), and Keep. The full-screen view shows it and passes it
// keys; it tells the view what changed.
#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <QTimer>
#include <atomic>
#include <deque>
#include <memory>

#include "engine/canvas.h"
#include "engine/generation/run.h"
#include "engine/recipe.h"
#include "engine/state.h"
#include "platform/background_job.h"
#include "platform/history_store.h"
#include "frame/frame_schedule.h"
#include "session/commands.h"
#include "session/history_writer.h"
#include "session/picture_history.h"

namespace momentart {

struct FrameSettings {
    int scale = 1;         // the pictures are 600 K x 450 K pixels
    int jobs = 1;          // threads sharing each picture (same pixels for any number)
    double pace = 2.0;     // seconds a picture takes to appear; 0: as fast as computed
    FrameTiming timing;    // when pictures change, and their seeds
    int type = 0;          // 9..66: every new picture of this image type; 0: drawn
    bool stamp = true;     // the signature line, as the window prints it
    bool skipDull = false; // dull pictures (engine/interest.h) are made but never shown
    QString historyFolder; // where each picture's recipe is kept; empty: nowhere
    int historyKeep = kHistoryKeep;
};

// After this many dull pictures in a row the next is shown all the same.
inline constexpr int kMostDullInARow = 100;

class FrameSession final : public QObject {
    Q_OBJECT

public:
    FrameSession(const FrameSettings& settings, double frameSeconds, QObject* parent = nullptr);
    ~FrameSession() override;

    // Start-up seeded as the first picture, then that picture (render
    // --seed S's, with a seed).
    void start();
    // Goes on from a window: its live state and its history, whose picture
    // shown is shown first, made again at the frame's scale.
    void startFrom(const GenerationState& live, const PictureHistory& history);
    // Pausing and leaving happen at once; the other commands wait for the
    // picture growing, which then comes at once rather than at its pace.
    void perform(FrameAction action);

    const FrameSettings& settings() const { return settings_; }
    const PictureHistory& history() const { return history_; }
    // The pixels of the picture shown (600 K x 450 K).
    const Canvas& shownPicture() const;
    bool busy() const { return growth_.running() || remaker_.running(); }
    bool paused() const { return paused_; }
    int waitingCommands() const { return static_cast<int>(waiting_.size()); }
    int historyWritesPending() const { return historyWriter_.pending(); }
    // Pictures made by this frame (not those taken over from a window).
    int picturesMade() const { return made_; }
    // Dull pictures skipped so far.
    int dullSkipped() const { return dullSkipped_; }
    // What the caption says: the picture's name and type, whether the timer
    // is paused, and the last thing done (a save).
    QString caption() const;

signals:
    // A frame of the picture growing, a finished picture, or an earlier one.
    void shown(const QImage& image);
    // The caption's text changed: a new picture, another shown, a pause, a save.
    void captionChanged();
    // A picture has been finished (or made again) and is on screen.
    void pictureShown();
    // A picture of the history learnt the file that makes it again.
    void historyChanged();
    void leaveRequested();

private:
    void carryOutWaiting();
    void carryOut(FrameAction action);
    void makePicture(double izbors, const PictureMoment& moment);
    // The growth job's work: the picture (after any dull ones) grown at the pace.
    void grow(JobControl& control, const PictureMoment& moment, FrameSchedule schedule);
    RunOptions runOptions() const;
    // The first of `moment` and those after it that is not dull; `skipped`
    // counts the others (at most kMostDullInARow).
    PictureMoment firstNotDull(JobControl& control, PictureMoment moment, FrameSchedule& schedule, int& skipped);
    // A frame of the picture growing is due; `named` is set once its name is told.
    void presentFrame(JobControl& control, bool& named);
    void grown(const Recipe& recipe, const FrameSchedule& schedule, int skipped);
    void showFromHistory(int index);
    void keep();
    void report(const QString& text);
    void restartTimer();
    void timerFired();
    Recipe shownRecipe() const;
    bool showingLive() const;

    FrameSettings settings_;
    double frameSeconds_;
    FrameSchedule schedule_;

    GenerationState state_;             // the live state, as the window keeps it
    std::unique_ptr<Canvas> picture_;   // the newest picture made here
    std::unique_ptr<Canvas> trial_;     // a picture measured before it is shown (skipping dull ones)
    GenerationState earlierState_;      // an earlier picture made again
    std::unique_ptr<Canvas> earlier_;
    PictureHistory history_;
    HistoryWriter historyWriter_;
    int made_ = 0;
    int dullSkipped_ = 0;

    QString growingName_;  // the picture growing, once named
    int growingType_ = 0;
    QString message_;
    bool paused_ = false;
    bool due_ = false;     // the timer fired while a picture grew
    std::deque<FrameAction> waiting_;
    QTimer timer_;
    std::chrono::milliseconds pausedRemaining_{0};
    std::atomic<bool> hurry_{false};
    std::atomic<int> framesInFlight_{0};
    std::atomic<std::chrono::steady_clock::rep> nextFrameAt_{0};  // no frame is read before

    BackgroundJob growth_;
    BackgroundJob remaker_;
};

}  // namespace momentart
