#include "session/picture_history.h"

namespace momentart {

QImage thumbnailOf(const QImage& picture) {
    return picture.scaled(kThumbnailSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
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

}  // namespace momentart
