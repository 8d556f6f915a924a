// Form1: the program's one window. It shows the picture session (Picture1
// as the pictures grow, the panel, the thumbnails, the status bar) and
// passes it the commands of the button table (window_commands.h); the
// session owns the pictures and does the work.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "engine/host.h"
#include "window/picture_session.h"

class QLabel;
class QPushButton;
class QScreen;
class QStatusBar;

namespace momentart {

class TaskLine;
class PicturePanel;
class PictureView;
class ThumbnailStrip;
class VariationGrid;

// Opens the art frame on `screen`, going on from `session`'s pictures;
// `left` is told how many pictures it made when it is left. The frame
// closes when the returned object is destroyed. Main, which sees every
// front end, gives it: the window and the frame do not know each other.
using FrameOpener = std::function<std::unique_ptr<QObject>(QScreen* screen, const PictureSession& session,
                                                           std::function<void(int made)> left)>;

class MainWindow final : public QWidget {
    Q_OBJECT

public:
    MainWindow(Clock& clock, const WindowSettings& settings, QWidget* parent = nullptr);
    ~MainWindow() override;

    PictureSession& session() const { return *session_; }
    PictureView& pictureView() const { return *view_; }
    VariationGrid& variationGrid() const { return *grid_; }
    const TaskLine& largeStatus() const { return *largeStatus_; }
    const TaskLine& filmStatus() const { return *filmStatus_; }
    // The widget whose coordinates are the window's drawing coordinates.
    QWidget& client() const { return *client_; }
    QString statusText() const;
    // What F11 opens; without one, F11 does nothing.
    void setFrameOpener(FrameOpener opener) { openFrame_ = std::move(opener); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildCommands();
    void buildSidePanel(QWidget* area);
    void connectSession();
    // The panel, the thumbnails and Back and Forward follow the history.
    void showHistory();
    void showStatus(const QString& text, bool failure);
    void showWaiting(int count);
    // While the variations grid is open the status bar says how to use it.
    void showGridCaption();
    // Keeps the window's frame, title bar included, on the screen.
    void fitOnScreen();
    // The art frame over this window's screen, going on from its pictures.
    void openFrame();
    void closeFrame(int made);

    PictureSession* session_ = nullptr;
    QWidget* client_ = nullptr;
    PictureView* view_ = nullptr;
    PicturePanel* panel_ = nullptr;
    ThumbnailStrip* strip_ = nullptr;
    VariationGrid* grid_ = nullptr;
    TaskLine* largeStatus_ = nullptr;
    TaskLine* filmStatus_ = nullptr;
    QStatusBar* bar_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* waiting_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
    FrameOpener openFrame_;
    std::unique_ptr<QObject> frame_;  // the art frame while it is open (key F11), else null
    bool fitPending_ = false;  // restored from maximised, not yet fitted onto the screen
};

}  // namespace momentart
