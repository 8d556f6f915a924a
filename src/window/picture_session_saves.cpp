#include "window/picture_session.h"

#include <QFileInfo>

#include "platform/recipe_png.h"
#include "window/shown_folder.h"

namespace momentart {

// Saves of the picture shown: a bitmap on a drive (D:, C:) or Keep's PNG.

void PictureSession::saveFailed(const QString& path, const QString& message) {
    report("Not saved: " + message, true);
    if (reporter_ != nullptr) reporter_->saveFailed(path, message);
}

void PictureSession::noteRecipeFile(const QString& path) {
    if (history_.noteRecipeFile(history_.shownIndex(), path)) emit historyChanged();
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
    if (const QString already = stillSaved(history_.shown().kept.value(1)); !already.isEmpty()) {
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

}  // namespace momentart
