#include "window/picture_session.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

#include "engine/generation/catalogue.h"
#include "engine/interest.h"
#include "engine/startup.h"
#include "platform/image_convert.h"
#include "platform/qt_text_printer.h"
#include "platform/recipe_file.h"
#include "platform/recipe_png.h"
#include "session/pacing_observer.h"

namespace momentart {

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
        if (history_.noteRecipeFile(index, path)) emit historyChanged();
    });
    connect(&historyWriter_, &HistoryWriter::failed, this, [this](const QString& error) {
        report("History is not kept on disk this session: " + error, true);
    });
    connect(&large_, &ExportJob::changed, this, &PictureSession::largeChanged);
    connect(&film_, &ExportJob::changed, this, &PictureSession::filmChanged);
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

void PictureSession::keepInHistory(const QString& openedFrom) {
    HistoryPicture made = madeNow(record_.recipe, toQImage(*picture_), openedFrom);
    made.interest = measureInterest(*picture_);
    history_.add(std::move(made));
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
    large_.clearIfFleeting();
    film_.clearIfFleeting();
    if (statusFleeting_) report({});
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
