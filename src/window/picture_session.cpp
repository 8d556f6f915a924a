#include "window/picture_session.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <new>

#include "engine/generation/catalogue.h"
#include "engine/interest.h"
#include "engine/picture_summary.h"
#include "engine/recipe_variation.h"
#include "engine/startup.h"
#include "platform/film_maker.h"
#include "platform/image_convert.h"
#include "platform/pictures_folder.h"
#include "platform/qt_text_printer.h"
#include "platform/recipe_file.h"
#include "platform/recipe_png.h"
#include "platform/worker_pool.h"
#include "session/pacing_observer.h"

namespace momentart {

namespace {

// A folder as people write it: the home folder as ~.
QString shownFolder(const QString& path) {
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    if (folder == home) return "~";
    if (folder.startsWith(home + QDir::separator())) return "~" + folder.mid(home.size());
    return folder;
}

// The cells of the variations grid are a third of the picture each way.
QImage inCell(const QImage& picture) {
    return picture.scaled(Canvas::kWidth / 3, Canvas::kHeight / 3, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Tells a Large render's progress to its job and hears its cancel.
class JobObserver final : public RunObserver {
public:
    explicit JobObserver(JobControl& control) : control_(control) {}
    void progress(const Canvas&, long visited, long total) override { control_.setProgress(visited, total); }
    bool stopRequested() override { return control_.cancelled(); }

private:
    JobControl& control_;
};

// The same for a film: its frames written.
class JobFilmProgress final : public FilmProgress {
public:
    explicit JobFilmProgress(JobControl& control) : control_(control) {}
    void framesWritten(int written, int total) override { control_.setProgress(written, total); }
    bool cancelled() override { return control_.cancelled(); }

private:
    JobControl& control_;
};

// "45 %" while under way, `last` once the work's own part is done.
QString progressText(double fraction, const QString& last) {
    return fraction < 1 ? QString("%1 %").arg(static_cast<int>(fraction * 100)) : last;
}

}  // namespace

PictureSession::PictureSession(Clock& clock, const WindowSettings& settings, double frameSeconds, QObject* parent)
    : QObject(parent),
      clock_(clock),
      settings_(settings),
      frameSeconds_(frameSeconds),
      picture_(std::make_unique<Canvas>()),
      export_(std::make_unique<Canvas>()),
      earlier_(std::make_unique<Canvas>()),
      historyWriter_(settings.historyFolder, settings.historyKeep) {
    connect(&historyWriter_, &HistoryWriter::written, this, [this](int index, const QString& path) {
        HistoryPicture& picture = history_.at(index);
        if (!picture.recipeFile.isEmpty()) return;
        picture.recipeFile = path;
        emit historyChanged();
    });
    connect(&historyWriter_, &HistoryWriter::failed, this, [this](const QString& error) {
        report("History is not kept on disk this session: " + error, true);
    });
}

// The jobs are members: each cancels and waits for its work as it goes.
PictureSession::~PictureSession() = default;

void PictureSession::start() {
    if (started_) return;
    started_ = true;
    carrying_ = true;
    // The picture asked for, or everything before the first run, where the
    // timer seeds the generator.
    if (settings_.open.isEmpty() || !open(settings_.open)) {
        startup(state_, clock_.timerSeed());
        makeImage(0);
    }
    carrying_ = false;
}

bool PictureSession::busy() const { return carrying_ || growth_.running() || remaker_.running(); }

int PictureSession::historyWritesPending() const { return historyWriter_.pending(); }

void PictureSession::perform(WindowAction action) {
    if (action == WindowAction::CancelOrExit) return cancelOrExit();
    if (action != WindowAction::None) enqueue({action, -1, {}, {}});
}

void PictureSession::showPicture(int index) { enqueue({WindowAction::ShowPicture, index, {}, {}}); }

void PictureSession::openPicture(const QString& path) { enqueue({WindowAction::OpenFile, -1, path, {}}); }

void PictureSession::enqueue(Waiting command) {
    if (exited_) return;
    waiting_.push_back(std::move(command));
    setWaiting();
    carryOutWaiting();
}

void PictureSession::setWaiting() { emit waitingChanged(waitingCommands()); }

void PictureSession::carryOutWaiting() {
    while (!waiting_.empty() && !exited_ && started_ && !busy()) {
        const Waiting next = waiting_.front();
        waiting_.pop_front();
        setWaiting();
        carrying_ = true;
        carryOut(next);
        carrying_ = false;
    }
}

void PictureSession::carryOutHeld() {
    const bool held = !waiting_.empty();
    carryOutWaiting();
    if (held && waiting_.empty()) escape_.workEnded();
}

void PictureSession::carryOut(const Waiting& command) {
    // Any other command is about the picture on screen, not the grid.
    if (command.action != WindowAction::Variations) closeVariations();
    switch (command.action) {
        case WindowAction::None:
        case WindowAction::CancelOrExit: break;
        case WindowAction::NewImage: makeImage(0); break;
        case WindowAction::RepeatType: makeImage(1); break;
        case WindowAction::SaveOnD: save(settings_.drives.d); break;
        case WindowAction::SaveOnC: save(settings_.drives.c); break;
        case WindowAction::Exit: exitProgram(); break;
        case WindowAction::SavePng: keep(); break;
        case WindowAction::Back: showFromHistory(history_.shownIndex() - 1); break;
        case WindowAction::Forward: showFromHistory(history_.shownIndex() + 1); break;
        case WindowAction::ShowPicture: showFromHistory(command.picture); break;
        case WindowAction::OpenFile: open(command.path); break;
        case WindowAction::Variations: toggleVariations(); break;
        case WindowAction::TakeVariation: adoptVariation(*command.variation); break;
        case WindowAction::Large: makeLarge(); break;
        case WindowAction::ArtFrame: emit frameRequested(); break;
        case WindowAction::Film: startFilm(); break;
    }
}

void PictureSession::cancelOrExit() {
    QStringList cancelled;
    if (large_.running()) {
        large_.cancel();
        cancelled << "the Large render";
    }
    if (film_.running()) {
        film_.cancel();
        cancelled << "the film";
    }
    if (variationsOpen_) {
        closeVariations();
        cancelled << "the variations";
    }
    if (!waiting_.empty()) {
        cancelled << QString("%1 waiting command%2").arg(waiting_.size()).arg(waiting_.size() == 1 ? "" : "s");
        waiting_.clear();
        setWaiting();
        escape_.workEnded();
    }
    if (!cancelled.isEmpty()) return report("Cancelled " + cancelled.join(" and "));
    if (escape_.exitsNow()) return perform(WindowAction::Exit);
    report(EscapeRule::kWarning);
}

void PictureSession::makeImage(double izbors) {
    // The live sequence goes on from the newest picture, whatever is shown.
    state_.izbors = izbors;
    grow(izbors == 0 ? "new image" : "repeat the same type", [this](RunObserver& observer) {
        QtTextPrinter printer;
        RunHost host{clock_, &printer, &observer};
        return makeimageRecorded(state_, *picture_, host);
    }, {});
}

bool PictureSession::open(const QString& path) {
    const RecipeFromFile read = readRecipeOfAnyFile(path);
    if (!read.recipe) {
        report("Cannot open " + read.error, true);
        return false;
    }
    // Made again in the live state, as if the window had just made it, at once.
    const Recipe recipe = *read.recipe;
    grow("opened from a file", [this, recipe](RunObserver& observer) {
        QtTextPrinter printer;
        remake(recipe, state_, *picture_, &printer, &observer);
        return recipe;
    }, path);
    return true;
}

void PictureSession::grow(const QString& how, std::function<Recipe(RunObserver&)> run, const QString& openedFrom) {
    growing_ = {true, history_.size() + 1, how, {}, 0};
    dropFleetingLines();
    emit growthChanged();
    // Opened pictures appear at once; new ones at the window's pace.
    const double pace = openedFrom.isEmpty() ? settings_.pace : 0.0;
    growth_.start(
        [this, pace, run = std::move(run), openedFrom](JobControl& control) {
            bool named = false;
            PacingObserver observer(
                pace, frameSeconds_,
                [&](const Canvas& canvas) {
                    if (!named) {
                        // The run has chosen the type and named the picture.
                        named = true;
                        control.post([this, name = QString::fromStdString(state_.imeslike), type = imageType(state_)] {
                            growing_.name = name;
                            growing_.type = type;
                            emit growthChanged();
                        });
                    }
                    presentFrame(control, canvas);
                },
                [&] { return control.cancelled(); });
            const Recipe recipe = run(observer);
            control.post([this, recipe, openedFrom, frames = observer.frames()] {
                frames_ = frames;
                grown(recipe, openedFrom);
            });
        },
        [this] { carryOutHeld(); });
}

void PictureSession::presentFrame(JobControl& control, const Canvas& canvas) {
    // One frame on its way at a time: a view that is slow to paint sees
    // fewer frames, never late ones. The finished picture is shown anyway.
    if (framesInFlight_.load() > 0) return;
    ++framesInFlight_;
    control.post([this, image = toQImage(canvas)] {
        --framesInFlight_;
        emit shown(image);
    });
}

void PictureSession::grown(const Recipe& recipe, const QString& openedFrom) {
    record_ = {true, recipe};
    growing_.active = false;
    ++runs_;
    emit shown(toQImage(*picture_));
    keepInHistory(openedFrom);
    if (!openedFrom.isEmpty())
        report("Opened " + QDir::toNativeSeparators(QFileInfo(openedFrom).absoluteFilePath()) +
               "; new pictures go on from it");
    emit growthChanged();
    emit runFinished();
}

void PictureSession::adoptVariation(const RenderedPicture& picture) {
    // As an opened picture: the live sequence goes on from it.
    state_ = picture.state;
    *picture_ = *picture.canvas;
    record_ = {true, picture.recipe};
    emit shown(toQImage(*picture_));
    keepInHistory({});
    report(QString("Took the %1 variation; new pictures go on from it")
               .arg(QString::fromStdString(variationText(picture.recipe.variation))));
    emit runFinished();
}

void PictureSession::keepInHistory(const QString& openedFrom) {
    history_.add({record_.recipe, summarizePicture(record_.recipe), thumbnailOf(toQImage(*picture_)),
                  QDateTime::currentDateTime(), openedFrom, {}, {}, measureInterest(*picture_)});
    emit historyChanged();
    // Written in the order made, one at a time, so a slow disk never holds
    // up the window or the next picture.
    historyWriter_.add(history_.size() - 1, record_.recipe,
                       QString::fromStdString(history_.shown().summary.name));
}

void PictureSession::showFromHistory(int index) {
    if (!history_.show(index)) return;
    dropFleetingLines();
    emit historyChanged();
    if (history_.showingNewest()) {
        emit shown(toQImage(*picture_));
        return;
    }
    // An earlier picture is made again from its recipe, at once (no
    // pacing), in a state of its own, while its thumbnail stands in.
    emit shown(history_.shown().thumbnail.scaled(Canvas::kWidth, Canvas::kHeight, Qt::IgnoreAspectRatio,
                                                 Qt::SmoothTransformation));
    const Recipe recipe = history_.shown().recipe;
    remaker_.start(
        [this, recipe](JobControl&) {
            QtTextPrinter printer;
            remake(recipe, earlierState_, *earlier_, &printer);
        },
        [this] {
            emit shown(toQImage(*earlier_));
            carryOutHeld();
        });
}

const Canvas& PictureSession::shownPicture() const {
    return history_.empty() || history_.showingNewest() ? *picture_ : *earlier_;
}

void PictureSession::report(const QString& text, bool failure) {
    status_ = text;
    statusFailed_ = failure;
    statusFleeting_ = false;
    emit reported(text, failure);
}

void PictureSession::dropFleetingLines() {
    if (largeRun_.fleeting && !large_.running()) {
        largeRun_ = {};
        emit largeChanged();
    }
    if (filmRun_.fleeting && !film_.running()) {
        filmRun_ = {};
        emit filmChanged();
    }
    if (statusFleeting_) report({});
}

void PictureSession::saveFailed(const QString& path, const QString& message) {
    report("Not saved: " + message, true);
    if (reporter_ != nullptr) reporter_->saveFailed(path, message);
}

void PictureSession::noteRecipeFile(const QString& path) {
    if (!history_.shown().recipeFile.isEmpty()) return;
    history_.shown().recipeFile = path;
    emit historyChanged();
}

void PictureSession::save(const QString& root) {
    if (history_.empty()) return;
    if (const QString error = prepareDriveRoot(root); !error.isEmpty()) return saveFailed(root, error);
    // The picture shown is saved; the newest one through the live state, as
    // Form1 always did.
    const bool newest = history_.showingNewest();
    const BitmapSave saved = saveimage(newest ? state_ : earlierState_, shownPicture(), *export_, mark_, root,
                                       history_.shown().recipe);
    emit markChanged();
    const QString file = QFileInfo(saved.path).fileName();
    switch (saved.outcome) {
        case BitmapSave::Outcome::Failed: return saveFailed(saved.path, saved.error);
        case BitmapSave::Outcome::AlreadySaved:
            report(file + " is already saved in " + shownFolder(saved.path));
            statusFleeting_ = true;
            if (reporter_ != nullptr) reporter_->alreadySaved(saved.path);
            break;
        case BitmapSave::Outcome::Written:
            report("Saved " + file + " and its recipe in " + shownFolder(saved.path));
            if (reporter_ != nullptr) reporter_->saved(saved.path);
            break;
    }
    noteRecipeFile(saved.path);
}

void PictureSession::keep() {
    if (history_.empty()) return;
    const QString already = history_.shown().kept.value(1);
    if (!already.isEmpty() && QFileInfo::exists(already)) {
        report(QFileInfo(already).fileName() + " is already saved in " + shownFolder(already));
        statusFleeting_ = true;
        if (reporter_ != nullptr) reporter_->alreadySaved(already);
        return;
    }
    const bool newest = history_.showingNewest();
    const SavedPicture saved =
        savePictureToPicturesFolder(shownPicture(), history_.shown().recipe, newest ? state_ : earlierState_);
    if (!saved.ok) return saveFailed(saved.path, saved.error);
    history_.shown().kept.insert(1, saved.path);
    report("Saved " + QFileInfo(saved.path).fileName() + " with its recipe in " + shownFolder(saved.path));
    noteRecipeFile(saved.path);
    if (reporter_ != nullptr) reporter_->saved(saved.path);
}

void PictureSession::makeLarge() {
    // One at a time; the picture shown is made again from its recipe.
    if (history_.empty() || large_.running()) return;
    const int index = history_.shownIndex();
    const int scale = settings_.largeScale;
    largeRun_ = {scale, QString::fromStdString(history_.shown().summary.name), {}, false};
    const QString already = history_.shown().kept.value(scale);
    if (!already.isEmpty() && QFileInfo::exists(already)) {
        largeRun_.outcome = "already saved as " + QDir::toNativeSeparators(already);
        largeRun_.saved = true;
        largeRun_.fleeting = true;
        emit largeChanged();
        return;
    }
    Recipe recipe = history_.shown().recipe;
    recipe.scale = scale;
    large_.start(
        [this, recipe, index](JobControl& control) {
            QString outcome;
            QString path;
            bool cancelled = false;
            try {
                JobObserver observer(control);
                const RenderedPicture picture = renderFromRecipe(recipe, &observer, everyCore());
                if (control.cancelled()) {
                    outcome = "not saved, cancelled";
                    cancelled = true;
                } else {
                    const SavedPicture file =
                        savePictureToPicturesFolder(*picture.canvas, recipe, picture.state, everyCore());
                    path = file.ok ? file.path : QString();
                    outcome = file.ok ? "saved " + QDir::toNativeSeparators(file.path) : "not saved, " + file.error;
                }
            } catch (const std::bad_alloc&) {
                outcome = QString("not saved, not enough memory for a picture of %1 x %2 pixels")
                              .arg(Canvas::kWidth * recipe.scale)
                              .arg(Canvas::kHeight * recipe.scale);
            }
            control.post([this, outcome, path, cancelled, index, scale = recipe.scale] {
                largeRun_.outcome = outcome;
                largeRun_.fleeting = cancelled;
                largeRun_.saved = !path.isEmpty();
                if (largeRun_.saved) history_.at(index).kept.insert(scale, path);
            });
        },
        [this] {
            escape_.workEnded();
            emit largeChanged();
        });
    emit largeChanged();
}

void PictureSession::cancelLarge() {
    if (!large_.running()) return;
    large_.cancel();
    report("Cancelled the Large render");
}

TaskLineState PictureSession::largeLine() const {
    if (largeRun_.scale == 0) return {};
    const QString what = QString("Large picture of %1, %2 x %3 pixels (scale %4)")
                             .arg(largeRun_.pictureName)
                             .arg(Canvas::kWidth * largeRun_.scale)
                             .arg(Canvas::kHeight * largeRun_.scale)
                             .arg(largeRun_.scale);
    if (!large_.running()) return {true, false, what + ": " + largeRun_.outcome};
    return {true, true, what + ": " + progressText(large_.fraction(), "finishing and writing the file")};
}

void PictureSession::startFilm() {
    // One at a time, of the picture shown, at the command's defaults.
    if (history_.empty() || film_.running()) return;
    const int index = history_.shownIndex();
    filmRun_ = {true, QString::fromStdString(history_.shown().summary.name), {}};
    const QString already = history_.shown().film;
    const ReadyFolder folder = readyVideosFolder();
    if (!already.isEmpty() && QFileInfo::exists(already)) {
        filmRun_.outcome = "already saved as " + QDir::toNativeSeparators(already);
        filmRun_.fleeting = true;
    } else if (!folder.error.isEmpty()) {
        filmRun_.outcome = "not saved, " + folder.error;
        report("Film not saved: " + folder.error, true);
    } else {
        FilmPlan plan;
        plan.recipe = history_.shown().recipe;
        plan.jobs = everyCore();
        const QString path =
            QDir(folder.path).filePath(savedPictureName(history_.shown().summary.name, plan.recipe) + ".mp4");
        film_.start(
            [this, plan, path, index](JobControl& control) {
                JobFilmProgress progress(control);
                const FilmOutcome made = makeFilm(plan, path, IfTaken::NextFreeName, progress);
                control.post([this, made, index] { filmMade(made, index); });
            },
            [this] {
                escape_.workEnded();
                emit filmChanged();
            });
    }
    emit filmChanged();
}

void PictureSession::filmMade(const FilmOutcome& made, int index) {
    switch (made.result) {
        case FilmOutcome::Result::Written:
            filmRun_.outcome = "saved " + QDir::toNativeSeparators(made.path);
            history_.at(index).film = made.path;
            report("Saved the film " + QFileInfo(made.path).fileName() + " in " + shownFolder(made.path));
            break;
        case FilmOutcome::Result::Cancelled:
            filmRun_.outcome = "not saved, cancelled";
            filmRun_.fleeting = true;
            break;
        case FilmOutcome::Result::Failed:
            filmRun_.outcome = "not saved, " + made.error;
            report("Film not saved: " + made.error, true);
            break;
    }
}

void PictureSession::cancelFilm() {
    if (!film_.running()) return;
    film_.cancel();
    report("Cancelled the film");
}

TaskLineState PictureSession::filmLine() const {
    if (!filmRun_.started) return {};
    const QString what = "Film of " + filmRun_.pictureName;
    if (!film_.running()) return {true, false, what + ": " + filmRun_.outcome};
    return {true, true, what + ": " + progressText(film_.fraction(), "finishing the file")};
}

void PictureSession::toggleVariations() {
    if (variationsOpen_ || !record_.made) return closeVariations();
    variationsCentre_ = inCell(toQImage(shownPicture()));
    variationsOpen_ = true;
    fillVariations();
}

void PictureSession::setVariationPart(VariationKind kind) {
    if (kind == variationPart_) return;
    variationPart_ = kind;
    if (variationsOpen_) fillVariations();
}

void PictureSession::fillVariations() {
    // The variations of the picture shown, the newest or an earlier one.
    const Recipe shown = history_.empty() ? record_.recipe : history_.shown().recipe;
    for (auto& picture : variationPictures_) picture.reset();
    for (QImage& image : variationImages_) image = {};
    ++variationsRound_;
    variationsNext_.reset();
    // Eight copies of the picture would be all a fixed part gives.
    variationPartFixed_ = !variationFree(plannedState(shown), variationPart_);
    if (variationPartFixed_) {
        variations_.cancel();
    } else if (variations_.running()) {
        // An earlier filling may still be finishing its pictures.
        variations_.cancel();
        variationsNext_ = shown;
    } else {
        makeVariations(shown);
    }
    emit variationsChanged();
}

void PictureSession::makeVariations(const Recipe& shown) {
    variations_.start(
        [this, shown, round = variationsRound_, part = variationPart_](JobControl& control) {
            forEachOnThreads(kVariations, everyCore(), control.cancelFlag(), [&](int n) {
                const Variation variation{part, static_cast<std::uint32_t>(n + 1)};
                auto made = std::make_shared<RenderedPicture>(renderFromRecipe(variationRecipe(shown, variation)));
                control.post([this, n, made, round, small = inCell(toQImage(*made->canvas))] {
                    if (!variationsOpen_ || round != variationsRound_) return;
                    variationPictures_[n] = made;
                    variationImages_[n] = small;
                    emit variationsChanged();
                });
            });
        },
        [this] {
            if (!variationsNext_) return;
            const Recipe next = *variationsNext_;
            variationsNext_.reset();
            if (variationsOpen_) makeVariations(next);
        });
}

int PictureSession::variationsMade() const {
    int count = 0;
    for (const auto& picture : variationPictures_) count += picture != nullptr;
    return count;
}

bool PictureSession::chooseVariation(int n) {
    if (!variationsOpen_ || n < 0 || n >= kVariations || variationPictures_[n] == nullptr) return false;
    const std::shared_ptr<RenderedPicture> picked = variationPictures_[n];
    closeVariations();
    enqueue({WindowAction::TakeVariation, -1, {}, picked});
    return true;
}

void PictureSession::closeVariations() {
    if (!variationsOpen_) return;
    variationsOpen_ = false;
    variationsNext_.reset();
    // The pictures under way are finished and dropped.
    variations_.cancel();
    for (auto& picture : variationPictures_) picture.reset();
    escape_.workEnded();
    emit variationsChanged();
}

void PictureSession::exitProgram() {
    mark_.clear();
    emit markChanged();
    exited_ = true;
    waiting_.clear();
    setWaiting();
    emit exitRequested();
}

}  // namespace momentart
