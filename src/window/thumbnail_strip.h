// The strip below the picture: the last pictures made, small, oldest on
// the left; the one shown is marked, and a click asks to show another.
#pragma once

#include <QList>
#include <QWidget>
#include <functional>

#include "window/picture_history.h"

class QToolButton;

namespace momentart {

class ThumbnailStrip final : public QWidget {
public:
    static constexpr int kCount = 12;
    static constexpr QSize kThumbnail{80, 60};

    // `choose` is called with the history index of a clicked thumbnail.
    ThumbnailStrip(std::function<void(int)> choose, QWidget* parent = nullptr);

    // Shows the newest kCount pictures of `history`, marking the one shown.
    void showHistory(const PictureHistory& history);

    // The history index each slot shows (-1: empty), left to right.
    const QList<int>& shownIndices() const { return indices_; }

private:
    QList<QToolButton*> buttons_;
    QList<int> indices_;
    std::function<void(int)> choose_;
};

// A picture's thumbnail for the strip.
QImage thumbnailOf(const QImage& picture);

}  // namespace momentart
