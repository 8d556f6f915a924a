// Form1: the program's one window. It shows the picture session (Picture1
// as the pictures grow, the panel, the thumbnails, the status bar) and
// passes it the commands of the button table (window_commands.h); the
// session owns the pictures and does the work.
#pragma once

#include <QWidget>
#include <memory>

#include "engine/host.h"
#include "window/picture_session.h"

class QLabel;
class QPushButton;
class QStatusBar;

namespace momentart {

class FrameSession;
class FrameWindow;
class TaskLine;
class PicturePanel;
class PictureView;
class ThumbnailStrip;
class VariationGrid;

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
    // The art frame while it is open (key F11), else null.
    FrameWindow* frame() const { return frame_.get(); }

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
    void closeFrame();

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
    std::unique_ptr<FrameSession> frameSession_;
    std::unique_ptr<FrameWindow> frame_;
    bool fitPending_ = false;  // restored from maximised, not yet fitted onto the screen
};

}  // namespace momentart
