// Form1: the program's one window. It owns the generation state for the
// life of the program, shows Picture1 as the runs paint it, and carries out
// the commands of the button table (window_commands.h).
#pragma once

#include <QString>
#include <QThreadPool>
#include <QWidget>
#include <cstdint>
#include <deque>
#include <memory>

#include "engine/canvas.h"
#include "window/export.h"
#include "engine/host.h"
#include "engine/recipe.h"
#include "engine/state.h"
#include "platform/history_store.h"
#include "window/picture_history.h"
#include "window/window_commands.h"

class QLabel;
class QPushButton;
class QThread;

namespace momentart {

class PicturePanel;
class PictureView;
class VariationGrid;
struct RenderedPicture;
class ThumbnailStrip;

struct WindowSettings {
    double pace = 2.0;  // seconds a picture takes to appear; 0: as fast as computed
    DriveRoots drives = defaultDriveRoots();
    QString historyFolder;           // where each picture's recipe is kept; empty: nowhere
    int historyKeep = kHistoryKeep;  // how many pictures that folder keeps
    QString open;                    // a picture file to show first instead of making one
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

// What made the picture on screen: the recipe of its run (the state as the
// run found it and what it read from the clock), once a run has finished.
struct RunRecord {
    bool made = false;  // false until the first run has finished
    Recipe recipe;
};

class MainWindow final : public QWidget {
    Q_OBJECT

public:
    MainWindow(Clock& clock, const WindowSettings& settings, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up once the window is shown: the state's first values, then the
    // first picture with izbors = 0.
    void start();

    // Carries out a command; one given while a run or a save is in progress
    // waits until it is over, and commands run in the order given.
    void perform(WindowAction action);
    // Shows picture `index` of the history (as Back and Forward do).
    void showPicture(int index);
    // Opens a picture file (PNG, bitmap with its recipe, or recipe): it is
    // made again and the live sequence goes on from it.
    void openPicture(const QString& path);

    // Who else hears of saves (nullptr: only the status line).
    void setSaveReporter(SaveReporter* reporter) { reporter_ = reporter; }

    const GenerationState& state() const { return state_; }
    const Canvas& picture() const { return *picture_; }
    const Canvas& exportCanvas() const { return *export_; }
    const ProgressMark& progressMark() const { return mark_; }
    const RunRecord& lastRun() const { return record_; }
    const PictureHistory& history() const { return history_; }
    // The pixels of the picture shown: the newest, or an earlier one made again.
    const Canvas& shownPicture() const;
    QString statusText() const;
    const WindowSettings& settings() const { return settings_; }
    PictureView& pictureView() const { return *view_; }
    // The grid of variations over the picture (key V); hidden when closed.
    VariationGrid& variationGrid() const { return *grid_; }
    // The widget whose coordinates are the window's drawing coordinates.
    QWidget& client() const { return *client_; }

    // A run, a save or the making again of an earlier picture is under way;
    // commands given meanwhile wait their turn.
    bool busy() const { return busy_; }
    // Recipes still being written to the history folder.
    int historyWritesPending() const { return historyWrites_; }
    bool exited() const { return exited_; }
    long runsMade() const { return runs_; }
    // Frames shown while the last run grew.
    long framesOfLastRun() const { return frames_; }

signals:
    void runFinished();
    // "exit" has cleared the window: the program should end now.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // A command waiting its turn: an action, a picture to show, or a file.
    struct Waiting {
        WindowAction action = WindowAction::None;
        int picture = -1;
        QString path;
    };
    void enqueue(Waiting command);
    void carryOut(const Waiting& command);
    // Carries out the commands that came during a run or a save, in order.
    void carryOutWaiting();
    void buildPanel(QWidget* area);
    void makeImage(double izbors);
    // The picture just made (or opened) joins the history and is shown.
    void keepInHistory(const QString& openedFrom);
    // The history's thread has written (or failed to write) picture `index`.
    void historyWritten(int index, const HistoryStore::Added& added);
    void showFromHistory(int index);
    // An earlier picture has been made again on the worker thread.
    void remakeDone();
    bool open(const QString& path);
    void save(const QString& root);
    void savePng();
    void report(const QString& text, bool failure = false);
    void saveFailed(const QString& path, const QString& message);
    void exitProgram();
    void toggleVariations();
    // A variation chosen in the grid becomes the picture on screen, with its
    // state and recipe, as if a run had made it.
    void adoptPicture(const RenderedPicture& picture);
    void clearWindow();

    Clock& clock_;
    WindowSettings settings_;
    SaveReporter* reporter_ = nullptr;

    GenerationState state_;
    std::unique_ptr<Canvas> picture_;  // Picture1's pixels
    std::unique_ptr<Canvas> export_;   // Picture2, the export canvas (never shown)
    ProgressMark mark_;
    RunRecord record_;

    // An earlier picture made again to be shown: never the live state. A
    // worker thread makes it (into the state and canvas it alone touches
    // until it ends) while the window shows a preview and stays responsive.
    GenerationState earlierState_;
    std::unique_ptr<Canvas> earlier_;
    std::unique_ptr<QThread> remaker_;
    PictureHistory history_;
    HistoryStore store_;          // used on historyWriter_'s one thread only
    QThreadPool historyWriter_;
    int historyWrites_ = 0;       // given to historyWriter_ and not yet answered
    bool historyFailed_ = false;  // reported once, then history goes on without disk

    QWidget* client_ = nullptr;
    PictureView* view_ = nullptr;
    PicturePanel* panel_ = nullptr;
    ThumbnailStrip* strip_ = nullptr;
    QLabel* status_ = nullptr;
    VariationGrid* grid_ = nullptr;

    bool started_ = false;
    bool busy_ = false;
    bool exited_ = false;
    std::deque<Waiting> waiting_;
    long runs_ = 0;
    long frames_ = 0;
};

}  // namespace momentart
