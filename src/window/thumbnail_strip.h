// The thumbnails beside the picture: twelve pictures of the history, small,
// oldest first, row by row: the newest twelve, or the twelve up to the
// picture shown when that is older. The one shown is marked; a click asks
// to show another.
#pragma once

#include <QList>
#include <QWidget>
#include <functional>

#include "session/picture_history.h"

class QToolButton;

namespace momentart {

class ThumbnailStrip final : public QWidget {
public:
    static constexpr int kCount = 12;
    static constexpr int kColumns = 4;
    static constexpr QSize kThumbnail = kThumbnailSize;

    // `choose` is called with the history index of a clicked thumbnail.
    ThumbnailStrip(std::function<void(int)> choose, QWidget* parent = nullptr);

    // Shows kCount pictures of `history` that include the one shown, and marks it.
    void showHistory(const PictureHistory& history);

    // The history index each slot shows (-1: empty), left to right.
    const QList<int>& shownIndices() const { return indices_; }

private:
    QList<QToolButton*> buttons_;
    QList<int> indices_;
    int shown_ = -1;  // the history index shown
    std::function<void(int)> choose_;
};

}  // namespace momentart
