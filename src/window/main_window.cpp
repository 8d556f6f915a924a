#include "window/main_window.h"

#include <QDir>
#include <QToolTip>

#include <QCloseEvent>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

#include "engine/generation/run.h"
#include "window/large_render.h"
#include "window/large_render_status.h"
#include "window/pacing_observer.h"
#include "window/picture_view.h"
#include "platform/qt_text_printer.h"
#include "platform/recipe_png.h"
#include "engine/startup.h"

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

class MessageBoxReporter final : public SaveReporter {
public:
    explicit MessageBoxReporter(QWidget* parent) : parent_(parent) {}
    void saveFailed(const QString&, const QString& message) override {
        QMessageBox::warning(parent_, "Form1", "The picture was not saved.\n\n" + message);
    }
    void saved(const QString& path) override {
        QToolTip::showText(parent_->mapToGlobal(QPoint(104, 170)), "Saved " + QDir::toNativeSeparators(path),
                           parent_, {}, 4000);
    }

private:
    QWidget* parent_;
};

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

MainWindow::MainWindow(Clock& clock, const WindowSettings& settings, QWidget* parent)
    : QWidget(parent),
      clock_(clock),
      settings_(settings),
      picture_(std::make_unique<Canvas>()),
      export_(std::make_unique<Canvas>()) {
    setObjectName("Form1");
    setWindowTitle("Form1");
    messageBox_ = std::make_unique<MessageBoxReporter>(this);

    // The controls need 720 x 705 pixels, which a maximised window gives;
    // on a smaller screen the client area scrolls.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(false);
    layout->addWidget(scroller);
    client_ = new ClientArea(mark_, scroller);
    scroller->setWidget(client_);

    const QRect pictureBox = twipsToPixels(kPicture1Twips);
    QWidget* previous = nullptr;
    for (const WindowCommand& command : windowCommands()) {
        const WindowAction action = command.action;
        if (command.control != nullptr) {
            auto* button = new QPushButton(command.caption, client_);
            button->setObjectName(command.control);
            button->setGeometry(twipsToPixels(command.twips));
            button->setAutoDefault(false);
            fitCaption(button);
            if (previous != nullptr) setTabOrder(previous, button);
            previous = button;
            if (action != WindowAction::None)
                connect(button, &QPushButton::clicked, this, [this, action] { perform(action); });
        }
        if (action == WindowAction::None) continue;
        if (!command.shortcut.isEmpty()) {
            auto* shortcut = new QShortcut(command.shortcut, this);
            shortcut->setObjectName(command.control != nullptr ? QString(command.control) + "Key"
                                                                : QString(command.keyName));
            shortcut->setContext(Qt::WindowShortcut);
            connect(shortcut, &QShortcut::activated, this, [this, action] { perform(action); });
        }
    }

    view_ = new PictureView(client_);
    view_->setObjectName("Picture1");
    view_->move(pictureBox.topLeft());

    // The line of a "Large" render, between the picture and Command3.
    large_ = new LargeRender(this);
    largeStatus_ = new LargeRenderStatus(*large_, client_);
    largeStatus_->setObjectName("LargeRenderStatus");
    largeStatus_->setGeometry(pictureBox.left(), pictureBox.bottom() + 2 * kPictureBorder + 4,
                              pictureBox.width() + 2 * kPictureBorder, 24);
}

MainWindow::~MainWindow() = default;

void MainWindow::start() {
    if (started_) return;
    started_ = true;
    busy_ = true;
    // Everything before the first run; the timer seeds the generator.
    startup(state_, clock_.timerSeed());
    clearWindow();
    makeImage(0);
    busy_ = false;
    carryOutWaiting();
}

void MainWindow::perform(WindowAction action) {
    if (exited_ || action == WindowAction::None) return;
    waiting_.push_back(action);
    // A command that comes while another is in progress (a run lets the
    // window repaint) is carried out after it, never inside it.
    if (busy_ || !started_) return;
    carryOutWaiting();
}

void MainWindow::carryOutWaiting() {
    while (!waiting_.empty() && !exited_) {
        const WindowAction next = waiting_.front();
        waiting_.pop_front();
        carryOut(next);
    }
}

SaveReporter& MainWindow::reporter() { return reporter_ != nullptr ? *reporter_ : *messageBox_; }

void MainWindow::carryOut(WindowAction action) {
    busy_ = true;
    switch (action) {
        case WindowAction::None: break;
        case WindowAction::NewImage: makeImage(0); break;
        case WindowAction::RepeatType: makeImage(1); break;
        case WindowAction::SaveOnD: save(settings_.drives.d); break;
        case WindowAction::SaveOnC: save(settings_.drives.c); break;
        case WindowAction::Exit: exitProgram(); break;
        case WindowAction::SavePng: savePng(); break;
        case WindowAction::Large: makeLarge(); break;
    }
    busy_ = false;
}

void MainWindow::makeImage(double izbors) {
    state_.izbors = izbors;
    QtTextPrinter printer;
    PacingObserver observer(*view_, settings_.pace, frameSecondsOf(this));
    RunHost host{clock_, &printer, &observer};
    record_.recipe = makeimageRecorded(state_, *picture_, host);
    record_.made = true;
    // The stamp comes after the last line: show the finished picture.
    view_->showCanvas(*picture_);
    frames_ = observer.frames();
    ++runs_;
    emit runFinished();
}

void MainWindow::savePng() {
    if (!record_.made) return;
    const SavedPicture saved = savePictureToPicturesFolder(*picture_, record_.recipe, state_);
    if (saved.ok)
        reporter().saved(saved.path);
    else
        reporter().saveFailed(saved.path, saved.error);
}

void MainWindow::makeLarge() {
    // One at a time; the picture on screen is made again from its recipe.
    if (!record_.made || large_->running()) return;
    large_->start(record_.recipe, settings_.largeScale);
    largeStatus_->follow();
}

void MainWindow::save(const QString& root) {
    const WriteResult written = saveimage(state_, *picture_, *export_, mark_, root);
    client_->update();
    if (!written.ok) reporter().saveFailed(exportPath(root, state_.imeslike), written.error);
}

void MainWindow::clearWindow() {
    mark_.clear();
    client_->update();
}

void MainWindow::exitProgram() {
    clearWindow();
    exited_ = true;
    waiting_.clear();
    emit exitRequested();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (exited_) {
        event->accept();
        return;
    }
    // Closing the window is "exit"; during a run it takes effect after it.
    perform(WindowAction::Exit);
    if (exited_)
        event->accept();
    else
        event->ignore();
}

}  // namespace momentart
