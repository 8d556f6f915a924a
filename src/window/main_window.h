// Form1: the program's one window. It owns the generation state for the
// life of the program, shows Picture1 as the runs paint it, and carries out
// the commands of the button table (window_commands.h).
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <deque>
#include <memory>

#include "engine/canvas.h"
#include "window/export.h"
#include "engine/host.h"
#include "engine/recipe.h"
#include "engine/state.h"
#include "window/window_commands.h"

class QPushButton;

namespace momentart {

class LargeRender;
class LargeRenderStatus;
class PictureView;

struct WindowSettings {
    double pace = 2.0;  // seconds a picture takes to appear; 0: as fast as computed
    DriveRoots drives = defaultDriveRoots();
    int largeScale = 4;  // the scale of the "Large" picture, 2..16
};

// Told when a save fails; the window's own reporter shows a message box.
class SaveReporter {
public:
    virtual ~SaveReporter() = default;
    // `message` names the path and the reason.
    virtual void saveFailed(const QString& path, const QString& message) = 0;
    // A picture went to `path` (a PNG saved with its recipe).
    virtual void saved(const QString& path) { (void)path; }
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

    // Where failed saves are reported (nullptr: a message box).
    void setSaveReporter(SaveReporter* reporter) { reporter_ = reporter; }

    const GenerationState& state() const { return state_; }
    const Canvas& picture() const { return *picture_; }
    const Canvas& exportCanvas() const { return *export_; }
    const ProgressMark& progressMark() const { return mark_; }
    const RunRecord& lastRun() const { return record_; }
    const WindowSettings& settings() const { return settings_; }
    PictureView& pictureView() const { return *view_; }
    LargeRender& largeRender() const { return *large_; }
    const LargeRenderStatus& largeStatus() const { return *largeStatus_; }
    // The widget whose coordinates are the window's drawing coordinates.
    QWidget& client() const { return *client_; }

    bool busy() const { return busy_; }
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

private:
    void carryOut(WindowAction action);
    // Carries out the commands that came during a run or a save, in order.
    void carryOutWaiting();
    // Where saves are reported: the one set, else the message box.
    SaveReporter& reporter();
    void makeImage(double izbors);
    void save(const QString& root);
    void savePng();
    void makeLarge();
    void exitProgram();
    void clearWindow();

    Clock& clock_;
    WindowSettings settings_;
    SaveReporter* reporter_ = nullptr;
    std::unique_ptr<SaveReporter> messageBox_;

    GenerationState state_;
    std::unique_ptr<Canvas> picture_;  // Picture1's pixels
    std::unique_ptr<Canvas> export_;   // Picture2, the export canvas (never shown)
    ProgressMark mark_;
    RunRecord record_;

    QWidget* client_ = nullptr;
    PictureView* view_ = nullptr;
    LargeRender* large_ = nullptr;
    LargeRenderStatus* largeStatus_ = nullptr;

    bool started_ = false;
    bool busy_ = false;
    bool exited_ = false;
    std::deque<WindowAction> waiting_;
    long runs_ = 0;
    long frames_ = 0;
};

}  // namespace momentart
