#include "window/main_window.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/recipe_file.h"
#include "platform/worker_pool.h"
#include "session/pacing_observer.h"
#include "window/picture_panel.h"
#include "window/picture_view.h"
#include "platform/screen_facts.h"
#include "window/task_line.h"
#include "window/thumbnail_strip.h"
#include "window/variation_grid.h"

namespace momentart {

namespace {

// Form1's client area: the controls at their fixed places, and the progress
// mark of a save drawn on it.
class ClientArea final : public QWidget {
public:
    ClientArea(const ProgressMark& mark, QWidget* parent) : QWidget(parent), mark_(mark) {
        setFixedSize(twipsToPixels(kClientTwips).size());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        mark_.paint(painter);
    }

private:
    const ProgressMark& mark_;
};

// Where the additions lie, in window pixels: the panel and the thumbnails
// in the free area right of Form1's controls, so that at 1366 x 768 all of
// it is in view; the status bar at the window's foot.
constexpr QPoint kPanelAt{724, 4};
constexpr int kMargin = 8;

// The platform's font, made smaller where a caption would not fit its
// button otherwise.
void fitCaption(QPushButton* button) {
    QFont font = button->font();
    const int roomX = button->width() - 6;
    const int roomY = button->height();
    for (;;) {
        const QFontMetrics metrics(font);
        const bool fits = metrics.horizontalAdvance(button->text()) <= roomX && metrics.height() <= roomY;
        if (fits) break;
        if (font.pointSizeF() > 0) {
            if (font.pointSizeF() <= 5.0) break;
            font.setPointSizeF(font.pointSizeF() - 0.5);
        } else {
            if (font.pixelSize() <= 7) break;
            font.setPixelSize(font.pixelSize() - 1);
        }
    }
    button->setFont(font);
}

}  // namespace

MainWindow::MainWindow(Clock& clock, const WindowSettings& settings, QWidget* parent) : QWidget(parent) {
    session_ = new PictureSession(clock, settings, frameSecondsOf(screen()), this);
    setObjectName("Form1");
    setWindowTitle("Form1");
    setAcceptDrops(true);

    // Form1's controls need 720 x 705 pixels and the panel beside them
    // more, which a maximised window gives; on a smaller screen they
    // scroll, above the status bar, which is always in view.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(false);
    layout->addWidget(scroller, 1);
    auto* area = new QWidget(scroller);
    client_ = new ClientArea(session_->progressMark(), area);
    buildSidePanel(area);
    scroller->setWidget(area);
    auto* bar = bar_ = new QStatusBar(this);
    bar->setSizeGripEnabled(false);
    status_ = new QLabel(bar);
    status_->setObjectName("StatusLine");
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    waiting_ = new QLabel(bar);
    waiting_->setObjectName("WaitingCommands");
    bar->addWidget(status_, 1);
    bar->addPermanentWidget(waiting_);
    layout->addWidget(bar);

    buildCommands();
    const QRect pictureBox = twipsToPixels(kPicture1Twips);
    view_ = new PictureView(client_);
    view_->setObjectName("Picture1");
    view_->move(pictureBox.topLeft());
    grid_ = new VariationGrid(*session_, client_);
    grid_->move(pictureBox.topLeft() + view_->contentsRect().topLeft());
    // The lines of a "Large" render and of a film, between the picture and
    // Command3, one above the other as they appear.
    auto* lines = new QWidget(client_);
    const int linesTop = pictureBox.bottom() + 2 * kPictureBorder + 1;
    // They reach down to the slogan under the picture.
    int command3Top = client_->height();
    for (const WindowCommand& command : windowCommands())
        if (QString(command.control) == "Command3") command3Top = twipsToPixels(command.twips).top();
    lines->setGeometry(pictureBox.left(), linesTop, pictureBox.width() + 2 * kPictureBorder, command3Top - linesTop);
    auto* stack = new QVBoxLayout(lines);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    largeStatus_ = new TaskLine("Large", [this] { return session_->largeLine(); }, [this] { session_->cancelLarge(); },
                                "Stop the Large render (Escape does it too); nothing is saved", lines);
    filmStatus_ = new TaskLine("Film", [this] { return session_->filmLine(); }, [this] { session_->cancelFilm(); },
                               "Stop the film (Escape does it too); nothing is saved", lines);
    for (TaskLine* line : {largeStatus_, filmStatus_}) stack->addWidget(line);
    stack->addStretch();
    connect(session_, &PictureSession::largeChanged, largeStatus_, &TaskLine::refresh);
    connect(session_, &PictureSession::filmChanged, filmStatus_, &TaskLine::refresh);
    connectSession();
    showHistory();
}

// The frame goes before the session it was started from.
MainWindow::~MainWindow() = default;

void MainWindow::buildCommands() {
    QWidget* previous = nullptr;
    for (const WindowCommand& command : windowCommands()) {
        const WindowAction action = command.action;
        if (command.control != nullptr) {
            QWidget* parentArea = command.area == CommandArea::Panel ? static_cast<QWidget*>(panel_) : client_;
            auto* button = new QPushButton(command.caption, parentArea);
            button->setObjectName(command.control);
            button->setGeometry(twipsToPixels(command.twips));
            button->setAutoDefault(false);
            if (!command.shortcut.isEmpty())
                button->setToolTip(describeKey(command) + " (key: " +
                                   command.shortcut.toString(QKeySequence::NativeText) + ")");
            fitCaption(button);
            if (previous != nullptr) setTabOrder(previous, button);
            previous = button;
            if (action != WindowAction::None)
                connect(button, &QPushButton::clicked, session_, [this, action] { session_->perform(action); });
            if (action == WindowAction::Back) back_ = button;
            if (action == WindowAction::Forward) forward_ = button;
        }
        if (action == WindowAction::None || command.shortcut.isEmpty()) continue;
        auto* shortcut = new QShortcut(command.shortcut, this);
        shortcut->setObjectName((command.control != nullptr ? QString(command.control) : command.shortcut.toString()) +
                                "Key");
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, session_, [this, action] { session_->perform(action); });
    }
}

void MainWindow::buildSidePanel(QWidget* area) {
    panel_ = new PicturePanel(area);
    panel_->move(kPanelAt);
    strip_ = new ThumbnailStrip([this](int index) { session_->showPicture(index); }, area);
    strip_->move(kPanelAt.x() + (kPanelSize.width() - strip_->width()) / 2, panel_->geometry().bottom() + kMargin);
    area->setFixedSize(panel_->geometry().right() + kMargin + 1, client_->height());
}

void MainWindow::connectSession() {
    PictureSession& s = *session_;
    connect(&s, &PictureSession::shown, view_, &PictureView::showImage);
    connect(&s, &PictureSession::historyChanged, this, &MainWindow::showHistory);
    connect(&s, &PictureSession::growthChanged, this, [this] {
        if (session_->growing().active)
            panel_->showGrowing(session_->growing());
        else
            showHistory();
    });
    connect(&s, &PictureSession::reported, this, &MainWindow::showStatus);
    connect(&s, &PictureSession::waitingChanged, this, &MainWindow::showWaiting);
    connect(&s, &PictureSession::markChanged, client_, qOverload<>(&QWidget::update));
    connect(&s, &PictureSession::frameRequested, this, &MainWindow::openFrame);
    connect(&s, &PictureSession::variationsChanged, this, &MainWindow::showGridCaption);
}

void MainWindow::showGridCaption() {
    // A message over the status line hides it only while the grid is open.
    if (session_->variationsOpen())
        bar_->showMessage(grid_->caption());
    else
        bar_->clearMessage();
}

void MainWindow::openFrame() {
    if (frame_ != nullptr || !openFrame_) return;
    // Left from inside the frame's own key handling: closed once that is over.
    frame_ = openFrame_(screen(), *session_, [this](int made) {
        QMetaObject::invokeMethod(this, [this, made] { closeFrame(made); }, Qt::QueuedConnection);
    });
}

void MainWindow::closeFrame(int made) {
    frame_.reset();
    activateWindow();
    if (made > 0)
        showStatus(QString("The art frame made %1 picture%2; 'momentart history' lists them")
                       .arg(made)
                       .arg(made == 1 ? "" : "s"),
                   false);
}

void MainWindow::showHistory() {
    const PictureHistory& history = session_->history();
    if (history.empty()) return;
    if (!session_->growing().active) panel_->showPicture(history, history.shownIndex());
    strip_->showHistory(history);
    back_->setEnabled(history.shownIndex() > 0);
    forward_->setEnabled(!history.showingNewest());
}

QString MainWindow::statusText() const {
    return bar_->currentMessage().isEmpty() ? status_->text() : bar_->currentMessage();
}

void MainWindow::showStatus(const QString& text, bool failure) {
    status_->setStyleSheet(failure ? "color: #b00000;" : QString());
    status_->setText(text);
}

void MainWindow::showWaiting(int count) {
    waiting_->setText(count == 0 ? QString()
                                 : QString("%1 command%2 waiting (Escape drops them)").arg(count).arg(count == 1 ? "" : "s"));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (session_->exited()) {
        event->accept();
        return;
    }
    // Closing the window is "exit"; during a run it takes effect after it.
    session_->perform(WindowAction::Exit);
    if (session_->exited())
        event->accept();
    else
        event->ignore();
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Restored from maximised: the window manager puts back the size the
    // window had before, which may reach past the screen; it is fitted once
    // the window manager has placed it.
    if (event->type() == QEvent::WindowStateChange && windowState() == Qt::WindowNoState) fitPending_ = true;
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fitPending_ && windowState() == Qt::WindowNoState) {
        fitPending_ = false;
        QTimer::singleShot(0, this, &MainWindow::fitOnScreen);
    }
}

void MainWindow::fitOnScreen() {
    const QScreen* screen = this->screen();
    if (screen == nullptr || windowState() != Qt::WindowNoState) return;
    const QRect room = screen->availableGeometry();
    const QRect frame = frameGeometry();
    if (room.contains(frame)) return;
    const QMargins decoration(geometry().left() - frame.left(), geometry().top() - frame.top(),
                              frame.right() - geometry().right(), frame.bottom() - geometry().bottom());
    const QSize size = frame.size().boundedTo(room.size());
    const QRect placed(QPoint(std::clamp(frame.left(), room.left(), room.right() - size.width() + 1),
                              std::clamp(frame.top(), room.top(), room.bottom() - size.height() + 1)),
                       size);
    setGeometry(placed - decoration);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile() && carriesRecipe(urls.front().toLocalFile()))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return;
    event->acceptProposedAction();
    session_->openPicture(urls.front().toLocalFile());
}

}  // namespace momentart
