#include "window/picture_session.h"

#include <QDir>
#include <QFileInfo>
#include <new>

#include "platform/film_maker.h"
#include "platform/pictures_folder.h"
#include "platform/recipe_png.h"
#include "platform/worker_pool.h"
#include "window/shown_folder.h"

namespace momentart {

// Large and Film: the picture shown made into a file in the background.

void PictureSession::makeLarge() {
    // One at a time; the picture shown is made again from its recipe.
    if (history_.empty() || large_.running()) return;
    const int index = history_.shownIndex();
    largeScale_ = settings_.largeScale;
    const QString name = QString::fromStdString(history_.shown().summary.name);
    if (const QString already = stillSaved(history_.shown().kept.value(largeScale_)); !already.isEmpty())
        return large_.alreadySaved(name, already);
    Recipe recipe = history_.shown().recipe;
    recipe.scale = largeScale_;
    large_.start(
        name,
        [recipe](ExportProgress& progress) -> ExportJob::Ended {
            try {
                const RenderedPicture picture = renderFromRecipe(recipe, &progress, everyCore());
                if (progress.cancelled()) return {{}, {}, true};
                const SavedPicture file =
                    savePictureToPicturesFolder(*picture.canvas, recipe, picture.state, everyCore());
                return {file.ok ? file.path : QString(), file.error};
            } catch (const std::bad_alloc&) {
                return {{},
                        QString("not enough memory for a picture of %1 x %2 pixels")
                            .arg(Canvas::kWidth * recipe.scale)
                            .arg(Canvas::kHeight * recipe.scale)};
            }
        },
        [this, index, scale = recipe.scale](const ExportJob::Ended& made) {
            if (large_.saved()) history_.at(index).kept.insert(scale, made.path);
            escape_.workEnded();
        });
}

void PictureSession::cancelLarge() {
    if (!large_.running()) return;
    large_.cancel();
    report("Cancelled the Large render");
}

TaskLineState PictureSession::largeLine() const {
    return large_.line(QString("Large picture of %1, %2 x %3 pixels (scale %4)")
                           .arg(large_.pictureName())
                           .arg(Canvas::kWidth * largeScale_)
                           .arg(Canvas::kHeight * largeScale_)
                           .arg(largeScale_),
                       "finishing and writing the file");
}

void PictureSession::startFilm() {
    // One at a time, of the picture shown, at the command's defaults.
    if (history_.empty() || film_.running()) return;
    const int index = history_.shownIndex();
    const QString name = QString::fromStdString(history_.shown().summary.name);
    if (const QString already = stillSaved(history_.shown().film); !already.isEmpty())
        return film_.alreadySaved(name, already);
    const ReadyFolder folder = readyVideosFolder();
    if (!folder.error.isEmpty()) {
        report("Film not saved: " + folder.error, true);
        return film_.refused(name, folder.error);
    }
    FilmPlan plan;
    plan.recipe = history_.shown().recipe;
    plan.jobs = everyCore();
    const QString path =
        QDir(folder.path).filePath(savedPictureName(history_.shown().summary.name, plan.recipe) + ".mp4");
    film_.start(
        name,
        [plan, path](ExportProgress& progress) -> ExportJob::Ended {
            const FilmOutcome made = makeFilm(plan, path, IfTaken::NextFreeName, progress);
            using enum FilmOutcome::Result;
            return {made.result == Written ? made.path : QString(), made.error, made.result == Cancelled};
        },
        [this, index](const ExportJob::Ended& made) {
            filmMade(made, index);
            escape_.workEnded();
        });
}

void PictureSession::filmMade(const ExportJob::Ended& made, int index) {
    if (film_.saved()) {
        history_.at(index).film = made.path;
        report("Saved the film " + QFileInfo(made.path).fileName() + " in " + shownFolder(made.path));
    } else if (!made.cancelled) {
        report("Film not saved: " + made.error, true);
    }
}

void PictureSession::cancelFilm() {
    if (!film_.running()) return;
    film_.cancel();
    report("Cancelled the film");
}

TaskLineState PictureSession::filmLine() const {
    return film_.line("Film of " + film_.pictureName(), "finishing the file");
}

}  // namespace momentart
