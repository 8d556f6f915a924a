#include "window/main_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QThread>
#include <QVBoxLayout>

#include "engine/generation/run.h"
#include "window/variation_grid.h"
#include "engine/picture_summary.h"
#include "engine/startup.h"
#include "platform/image_convert.h"
#include "platform/qt_text_printer.h"
#include "platform/recipe_file.h"
#include "platform/recipe_png.h"
#include "window/pacing_observer.h"
#include "window/picture_panel.h"
#include "window/picture_view.h"
#include "window/thumbnail_strip.h"

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

// Where the additions lie, in window pixels: the panel in the free area
// right of Form1's controls, the thumbnails and the status line below them.
constexpr QPoint kPanelAt{724, 4};
constexpr int kBelowForm1 = 712;
constexpr int kMargin = 8;
constexpr int kStatusHeight = 24;

// A folder as people write it: the home folder as ~.
QString shownFolder(const QString& path) {
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    if (folder == home) return "~";
    if (folder.startsWith(home + QDir::separator())) return "~" + folder.mid(home.size());
    return folder;
}

// The pictures and recipes the window opens.
bool opensAsPicture(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == "png" || suffix == "bmp" || suffix == kRecipeExtension;
}

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
      export_(std::make_unique<Canvas>()),
      earlier_(std::make_unique<Canvas>()),
      store_(settings.historyFolder, settings.historyKeep) {
    historyWriter_.setMaxThreadCount(1);
    setObjectName("Form1");
    setWindowTitle("Form1");
    setAcceptDrops(true);

    // Form1's controls need 720 x 705 pixels and the panel, thumbnails and
    // status line more, which a maximised window gives; on a smaller screen
    // the whole scrolls.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(false);
    layout->addWidget(scroller);
    auto* area = new QWidget(scroller);
    client_ = new ClientArea(mark_, area);
    buildPanel(area);
    scroller->setWidget(area);

    const QRect pictureBox = twipsToPixels(kPicture1Twips);
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
                connect(button, &QPushButton::clicked, this, [this, action] { perform(action); });
        }
        if (action == WindowAction::None || command.shortcut.isEmpty()) continue;
        auto* shortcut = new QShortcut(command.shortcut, this);
        if (command.control != nullptr) shortcut->setObjectName(QString(command.control) + "Key");
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, action] { perform(action); });
    }

    view_ = new PictureView(client_);
    view_->setObjectName("Picture1");
    view_->move(pictureBox.topLeft());
    grid_ = new VariationGrid(client_);
    grid_->move(pictureBox.topLeft() + view_->contentsRect().topLeft());
    grid_->chosen = [this](const RenderedPicture& picture) { adoptPicture(picture); };
}

MainWindow::~MainWindow() {
    if (remaker_) remaker_->wait();
    historyWriter_.waitForDone();
}

void MainWindow::buildPanel(QWidget* area) {
    client_->move(0, 0);
    panel_ = new PicturePanel(area);
    panel_->move(kPanelAt);
    strip_ = new ThumbnailStrip([this](int index) { showPicture(index); }, area);
    strip_->move(kMargin, kBelowForm1);
    status_ = new QLabel(area);
    status_->setObjectName("StatusLine");
    status_->setGeometry(kMargin, strip_->geometry().bottom() + kMargin, strip_->width(), kStatusHeight);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    area->setFixedSize(std::max(panel_->geometry().right(), strip_->geometry().right()) + kMargin + 1,
                       status_->geometry().bottom() + kMargin + 1);
}

void MainWindow::start() {
    if (started_) return;
    started_ = true;
    busy_ = true;
    clearWindow();
    // The picture asked for, or everything before the first run, where the
    // timer seeds the generator.
    if (settings_.open.isEmpty() || !open(settings_.open)) {
        startup(state_, clock_.timerSeed());
        makeImage(0);
    }
    busy_ = false;
    carryOutWaiting();
}

void MainWindow::perform(WindowAction action) {
    if (action != WindowAction::None) enqueue({action, -1, {}});
}

void MainWindow::showPicture(int index) { enqueue({WindowAction::ShowPicture, index, {}}); }

void MainWindow::openPicture(const QString& path) { enqueue({WindowAction::OpenFile, -1, path}); }

void MainWindow::enqueue(Waiting command) {
    if (exited_) return;
    waiting_.push_back(std::move(command));
    // A command that comes while another is in progress (a run lets the
    // window repaint) is carried out after it, never inside it.
    if (busy_ || !started_) return;
    carryOutWaiting();
}

void MainWindow::carryOutWaiting() {
    while (!waiting_.empty() && !exited_ && !busy_) {
        const Waiting next = waiting_.front();
        waiting_.pop_front();
        carryOut(next);
    }
}

void MainWindow::carryOut(const Waiting& command) {
    busy_ = true;
    // Any other command is about the picture on screen, not the grid.
    if (command.action != WindowAction::Variations) grid_->dismiss();
    switch (command.action) {
        case WindowAction::None: break;
        case WindowAction::NewImage: makeImage(0); break;
        case WindowAction::RepeatType: makeImage(1); break;
        case WindowAction::SaveOnD: save(settings_.drives.d); break;
        case WindowAction::SaveOnC: save(settings_.drives.c); break;
        case WindowAction::Exit: exitProgram(); break;
        case WindowAction::SavePng: savePng(); break;
        case WindowAction::Back: showFromHistory(history_.shownIndex() - 1); break;
        case WindowAction::Forward: showFromHistory(history_.shownIndex() + 1); break;
        case WindowAction::ShowPicture: showFromHistory(command.picture); break;
        case WindowAction::OpenFile: open(command.path); break;
        case WindowAction::Variations: toggleVariations(); break;
    }
    // Making an earlier picture again keeps the window busy until it is done.
    busy_ = remaker_ != nullptr;
}

void MainWindow::makeImage(double izbors) {
    // The live sequence goes on from the newest picture, whatever is shown.
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
    keepInHistory({});
    emit runFinished();
}

void MainWindow::toggleVariations() {
    if (grid_->isVisible() || !record_.made) {
        grid_->dismiss();
        return;
    }
    // The variations of the picture shown, the newest or an earlier one.
    const Recipe& shown = history_.empty() ? record_.recipe : history_.shown().recipe;
    grid_->open(toQImage(shownPicture()), shown);
}

void MainWindow::adoptPicture(const RenderedPicture& picture) {
    // As an opened picture: the live sequence goes on from it.
    state_ = picture.state;
    *picture_ = *picture.canvas;
    record_ = {true, picture.recipe};
    view_->showCanvas(*picture_);
    keepInHistory({});
    report(QString("Took the %1 variation; new pictures go on from it")
               .arg(QString::fromStdString(variationText(picture.recipe.variation))));
    emit runFinished();
}

void MainWindow::keepInHistory(const QString& openedFrom) {
    // Everything here reads copies: the live state and canvas stay as the
    // run left them.
    history_.add({record_.recipe, summarizePicture(record_.recipe), thumbnailOf(toQImage(*picture_)),
                  QDateTime::currentDateTime(), openedFrom});
    panel_->showPicture(history_, history_.shownIndex());
    strip_->showHistory(history_);
    if (historyFailed_ || store_.folder().isEmpty()) return;
    // The file is written on the history's own thread, in the order made,
    // so a slow disk never holds up the window or the next picture.
    const int index = history_.shownIndex();
    ++historyWrites_;
    historyWriter_.start([this, index, recipe = record_.recipe, name = QString::fromStdString(state_.imeslike)] {
        const HistoryStore::Added added = store_.add(recipe, name);
        QMetaObject::invokeMethod(this, [this, index, added] { historyWritten(index, added); }, Qt::QueuedConnection);
    });
}

void MainWindow::historyWritten(int index, const HistoryStore::Added& added) {
    --historyWrites_;
    if (!added.error.isEmpty()) {
        if (!historyFailed_) report("History is not kept on disk this session: " + added.error, true);
        historyFailed_ = true;
        return;
    }
    HistoryPicture& picture = history_.at(index);
    if (!picture.recipeFile.isEmpty()) return;
    picture.recipeFile = added.path;
    if (history_.shownIndex() == index) panel_->showPicture(history_, index);
}

void MainWindow::showFromHistory(int index) {
    if (!history_.show(index)) return;
    panel_->showPicture(history_, index);
    strip_->showHistory(history_);
    if (history_.showingNewest()) {
        view_->showCanvas(*picture_);
        return;
    }
    // An earlier picture is made again from its recipe, at once (no
    // pacing), in a state of its own.
    view_->showPreview(history_.shown().thumbnail);
    remaker_.reset(QThread::create([this, recipe = history_.shown().recipe] {
        QtTextPrinter printer;
        remake(recipe, earlierState_, *earlier_, &printer);
    }));
    connect(remaker_.get(), &QThread::finished, this, &MainWindow::remakeDone);
    remaker_->start();
}

void MainWindow::remakeDone() {
    remaker_->wait();
    remaker_.reset();
    view_->showCanvas(*earlier_);
    busy_ = false;
    carryOutWaiting();
}

const Canvas& MainWindow::shownPicture() const {
    return history_.empty() || history_.showingNewest() ? *picture_ : *earlier_;
}

QString MainWindow::statusText() const { return status_->text(); }

bool MainWindow::open(const QString& path) {
    const RecipeFromFile read = readRecipeOfAnyFile(path);
    if (!read.recipe) {
        report("Cannot open " + read.error, true);
        return false;
    }
    // Made again in the live state, as if the window had just made it.
    QtTextPrinter printer;
    remake(*read.recipe, state_, *picture_, &printer);
    record_ = {true, *read.recipe};
    view_->showCanvas(*picture_);
    ++runs_;
    keepInHistory(path);
    report("Opened " + QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()) + "; new pictures go on from it");
    emit runFinished();
    return true;
}

void MainWindow::report(const QString& text, bool failure) {
    status_->setStyleSheet(failure ? "color: #b00000;" : QString());
    status_->setText(text);
}

void MainWindow::saveFailed(const QString& path, const QString& message) {
    report("Not saved: " + message, true);
    if (reporter_ != nullptr) reporter_->saveFailed(path, message);
}

void MainWindow::savePng() {
    if (history_.empty()) return;
    const bool newest = history_.showingNewest();
    const SavedPicture saved =
        savePictureToPicturesFolder(shownPicture(), history_.shown().recipe, newest ? state_ : earlierState_);
    if (!saved.ok) return saveFailed(saved.path, saved.error);
    report("Saved " + QFileInfo(saved.path).fileName() + " with its recipe in " + shownFolder(saved.path));
    if (history_.shown().recipeFile.isEmpty()) {
        history_.shown().recipeFile = saved.path;
        panel_->showPicture(history_, history_.shownIndex());
    }
    if (reporter_ != nullptr) reporter_->saved(saved.path);
}

void MainWindow::save(const QString& root) {
    if (history_.empty()) return;
    if (const QString error = prepareDriveRoot(root); !error.isEmpty()) return saveFailed(root, error);
    // The picture shown is saved; the newest one through the live state, as
    // Form1 always did.
    const bool newest = history_.showingNewest();
    const BitmapSave saved = saveimage(newest ? state_ : earlierState_, shownPicture(), *export_, mark_, root,
                                       history_.shown().recipe);
    client_->update();
    const QString file = QFileInfo(saved.path).fileName();
    switch (saved.outcome) {
        case BitmapSave::Outcome::Failed: return saveFailed(saved.path, saved.error);
        case BitmapSave::Outcome::AlreadySaved:
            report(file + " is already saved in " + shownFolder(saved.path));
            if (reporter_ != nullptr) reporter_->alreadySaved(saved.path);
            break;
        case BitmapSave::Outcome::Written:
            report("Saved " + file + " and its recipe in " + shownFolder(saved.path));
            if (reporter_ != nullptr) reporter_->saved(saved.path);
            break;
    }
    if (history_.shown().recipeFile.isEmpty()) {
        history_.shown().recipeFile = saved.path;
        panel_->showPicture(history_, history_.shownIndex());
    }
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

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile() && opensAsPicture(urls.front().toLocalFile()))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return;
    event->acceptProposedAction();
    openPicture(urls.front().toLocalFile());
}

}  // namespace momentart
