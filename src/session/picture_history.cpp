#include "session/picture_history.h"

#include <QFileInfo>

namespace momentart {

QString stillSaved(const QString& file) { return !file.isEmpty() && QFileInfo::exists(file) ? file : QString(); }

QImage thumbnailOf(const QImage& picture) {
    return picture.scaled(kThumbnailSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

HistoryPicture madeNow(const Recipe& recipe, const QImage& picture, const QString& openedFrom) {
    return {.recipe = recipe,
            .summary = summarizePicture(recipe),
            .thumbnail = thumbnailOf(picture),
            .made = QDateTime::currentDateTime(),
            .recipeFile = openedFrom,
            .kept = {},
            .film = {},
            .interest = {}};
}

void PictureHistory::add(HistoryPicture picture) {
    pictures_.push_back(std::move(picture));
    shown_ = size() - 1;
}

bool PictureHistory::show(int index) {
    if (index < 0 || index >= size() || index == shown_) return false;
    shown_ = index;
    return true;
}

bool PictureHistory::noteRecipeFile(int index, const QString& path) {
    HistoryPicture& picture = at(index);
    if (!picture.recipeFile.isEmpty()) return false;
    picture.recipeFile = path;
    return true;
}

}  // namespace momentart
