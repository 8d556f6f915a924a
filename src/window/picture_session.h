// The window's pictures and the work on them, apart from any widget: the
// generation state kept for the life of the program, Picture1 and Picture2,
// the history and its folder, the commands waiting their turn, the work in
// the background (a picture growing, an earlier one made again, the
// variations, a Large render, a film, history files) and what saves may
// write. The widgets show it and pass it commands; it tells them what changed.
#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <array>
#include <deque>
#include <memory>
#include <optional>

#include "engine/canvas.h"
#include "engine/host.h"
#include "engine/recipe.h"
#include "engine/state.h"
#include "platform/background_job.h"
#include "platform/film_maker.h"
#include "platform/renderer.h"
#include "session/export_job.h"
#include "window/escape_rule.h"
#include "window/export.h"
#include "session/history_writer.h"
#include "session/picture_history.h"
#include "window/window_commands.h"

namespace momentart {

struct WindowSettings {
    double pace = 2.0;  // seconds a picture takes to appear; 0: as fast as computed
    DriveRoots drives = defaultDriveRoots();
    QString historyFolder;           // where each picture's recipe is kept; empty: nowhere
    int historyKeep = kHistoryKeep;  // how many pictures that folder keeps
    QString open;                    // a picture file to show first instead of making one
    int largeScale = 4;              // the scale of the "Large" picture, 2..16
};

// Told of saves besides the status line (the tests listen here).
class SaveReporter {
public:
    virtual ~SaveReporter() = default;
    // `message` names the path and the reason.
    virtual void saveFailed(const QString& path, const QString& message) = 0;
    // A picture went to `path` (a bitmap or a PNG, with its recipe).
    virtual void saved(const QString& path) { (void)path; }
    // The picture was already saved at `path`: nothing was written.
    virtual void alreadySaved(const QString& path) { (void)path; }
};

// What made the newest picture: the recipe of its run (the state as the
// run found it and what it read from the clock), once a run has finished.
struct RunRecord {
    bool made = false;  // false until the first run has finished
    Recipe recipe;
};

// The picture growing now, for the panel: it is known by its number at once
// and by its name and type from its first line on.
struct GrowingPicture {
    bool active = false;
    int number = 0;       // its place in the history once made (1 = first)
    QString how;          // "new image", "repeat the same type", "opened from a file"
    QString name;         // empty until the run has named it
    int type = 0;         // 0 until the run has chosen it
};

class PictureSession final : public QObject {
    Q_OBJECT

public:
    static constexpr int kVariations = 8;

    PictureSession(Clock& clock, const WindowSettings& settings, double frameSeconds, QObject* parent = nullptr);
    ~PictureSession() override;

    // Start-up: the state's first values, then the first picture with
    // izbors = 0 (or the picture file asked for). Once only.
    void start();
    // A command of the table; those given while a picture grows or is made
    // again wait their turn and are carried out in order.
    void perform(WindowAction action);
    // Shows picture `index` of the history (as Back and Forward do).
    void showPicture(int index);
    // Opens a picture file (PNG, bitmap with its recipe, or recipe): it is
    // made again and the live sequence goes on from it.
    void openPicture(const QString& path);
    // Escape: cancels what runs (a Large render, a film, the variations,
    // commands waiting their turn); with nothing to cancel it is "exit".
    void cancelOrExit();
    // The variation `n` (0..7) of the grid becomes the picture on screen;
    // false while it is not made yet.
    bool chooseVariation(int n);
    void closeVariations();
    // The part the grid's variations draw anew; an open grid is filled again.
    void setVariationPart(VariationKind kind);
    VariationKind variationPart() const { return variationPart_; }
    // The type of the picture in the grid fixes that part: nothing to vary.
    bool variationPartFixed() const { return variationPartFixed_; }
    void cancelLarge();
    void cancelFilm();
    void setSaveReporter(SaveReporter* reporter) { reporter_ = reporter; }
    // When Escape with nothing to cancel ends the program (tests set its clock).
    EscapeRule& escapeRule() { return escape_; }

    const WindowSettings& settings() const { return settings_; }
    const GenerationState& state() const { return state_; }
    const Canvas& picture() const { return *picture_; }
    const Canvas& exportCanvas() const { return *export_; }
    const ProgressMark& progressMark() const { return mark_; }
    const RunRecord& lastRun() const { return record_; }
    const PictureHistory& history() const { return history_; }
    // The pixels of the picture shown: the newest, or an earlier one made again.
    const Canvas& shownPicture() const;
    const GrowingPicture& growing() const { return growing_; }
    QString statusText() const { return status_; }
    bool statusIsFailure() const { return statusFailed_; }

    // A picture grows, an earlier one is made again or a command is carried
    // out: commands given now wait their turn.
    bool busy() const;
    int waitingCommands() const { return static_cast<int>(waiting_.size()); }
    int historyWritesPending() const;
    bool exited() const { return exited_; }
    long runsMade() const { return runs_; }
    long framesOfLastRun() const { return frames_; }

    bool variationsOpen() const { return variationsOpen_; }
    // Variation `n` scaled into its cell; null until made.
    const QImage& variationImage(int n) const { return variationImages_[n]; }
    int variationsMade() const;
    // The picture in the middle of the grid, scaled into its cell.
    const QImage& variationsCentre() const { return variationsCentre_; }

    bool largeRunning() const { return large_.running(); }
    double largeFraction() const { return large_.fraction(); }
    // The lines under the picture of the Large render and of the film.
    TaskLineState largeLine() const;
    TaskLineState filmLine() const;
    bool filmRunning() const { return film_.running(); }

signals:
    // What Picture1 shows now: a frame of a growing picture, a finished one,
    // or a stand-in while an earlier picture is made again.
    void shown(const QImage& image);
    // A picture started growing, or learnt its name.
    void growthChanged();
    // The history or the picture shown changed (panel, strip, Back, Forward).
    void historyChanged();
    void reported(const QString& text, bool failure);
    void waitingChanged(int count);
    void markChanged();
    void variationsChanged();
    void largeChanged();
    void filmChanged();
    // A picture was made (or opened, or taken from the variations).
    void runFinished();
    // "exit" has cleared the window: the program should end now.
    void exitRequested();
    // The art frame was asked for (key F11); the widgets open it.
    void frameRequested();

private:
    // A command waiting its turn.
    struct Waiting {
        WindowAction action = WindowAction::None;
        int picture = -1;                          // ShowPicture
        QString path;                              // OpenFile
        std::shared_ptr<RenderedPicture> variation;  // TakeVariation
    };
    void enqueue(Waiting command);
    void carryOut(const Waiting& command);
    void carryOutWaiting();
    // The same once a picture is done: the commands that waited for it.
    void carryOutHeld();
    void setWaiting();

    // The live state's runs, on the growth job.
    void makeImage(double izbors);
    bool open(const QString& path);
    void grow(const QString& how, std::function<Recipe(RunObserver&)> run, const QString& openedFrom);
    void presentFrame(JobControl& control, const Canvas& canvas);
    void grown(const Recipe& recipe, const QString& openedFrom);
    void adoptVariation(const RenderedPicture& picture);

    // The history: kept in memory, written to its folder one file at a time.
    void keepInHistory(const QString& openedFrom);
    void showFromHistory(int index);

    void save(const QString& root);
    void keep();
    void makeLarge();
    void startFilm();
    void filmMade(const ExportJob::Ended& made, int index);
    void toggleVariations();
    // The grid's cells emptied and made again, of the part chosen.
    void fillVariations();
    void makeVariations(const Recipe& shown);
    void report(const QString& text, bool failure = false);
    // Another picture is shown: the lines that left nothing go.
    void dropFleetingLines();
    void saveFailed(const QString& path, const QString& message);
    // Notes that the picture shown is kept in `path` (the panel's command).
    void noteRecipeFile(const QString& path);
    void exitProgram();

    Clock& clock_;
    WindowSettings settings_;
    double frameSeconds_;
    SaveReporter* reporter_ = nullptr;

    GenerationState state_;
    std::unique_ptr<Canvas> picture_;  // Picture1's pixels
    std::unique_ptr<Canvas> export_;   // Picture2, the export canvas (never shown)
    ProgressMark mark_;
    RunRecord record_;
    GrowingPicture growing_;
    BackgroundJob growth_;             // the live state's runs
    std::atomic<int> framesInFlight_{0};
    long runs_ = 0;
    long frames_ = 0;

    // An earlier picture made again to be shown: never the live state.
    GenerationState earlierState_;
    std::unique_ptr<Canvas> earlier_;
    BackgroundJob remaker_;
    PictureHistory history_;
    HistoryWriter historyWriter_;

    bool variationsOpen_ = false;
    BackgroundJob variations_;
    std::array<std::shared_ptr<RenderedPicture>, kVariations> variationPictures_;
    std::array<QImage, kVariations> variationImages_;
    QImage variationsCentre_;
    int variationsRound_ = 0;               // which opening of the grid the pictures belong to
    std::optional<Recipe> variationsNext_;  // to make once the last opening's work has ended
    VariationKind variationPart_ = VariationKind::Centres;
    bool variationPartFixed_ = false;

    ExportJob large_;
    int largeScale_ = 0;  // of the Large render under way or last finished
    ExportJob film_;

    QString status_;
    bool statusFailed_ = false;
    bool statusFleeting_ = false;  // "already saved": gone once another picture is shown
    EscapeRule escape_;
    bool started_ = false;
    bool carrying_ = false;  // a command is being carried out now
    bool exited_ = false;
    std::deque<Waiting> waiting_;
};

}  // namespace momentart
