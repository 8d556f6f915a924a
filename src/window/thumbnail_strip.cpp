#include "window/thumbnail_strip.h"

#include <QPixmap>
#include <QToolButton>
#include <algorithm>

namespace momentart {

namespace {
constexpr int kGap = 8;
constexpr int kFrame = 6;  // room for the button's frame and the mark
}  // namespace

ThumbnailStrip::ThumbnailStrip(std::function<void(int)> choose, QWidget* parent)
    : QWidget(parent), choose_(std::move(choose)) {
    setObjectName("ThumbnailStrip");
    const QSize button = kThumbnail + QSize(kFrame, kFrame);
    constexpr int kRows = (kCount + kColumns - 1) / kColumns;
    setFixedSize(kColumns * (button.width() + kGap) - kGap, kRows * (button.height() + kGap) - kGap);
    for (int slot = 0; slot < kCount; ++slot) {
        auto* thumbnail = new QToolButton(this);
        thumbnail->setObjectName(QString("Thumbnail%1").arg(slot));
        thumbnail->setGeometry(slot % kColumns * (button.width() + kGap), slot / kColumns * (button.height() + kGap),
                               button.width(), button.height());
        thumbnail->setIconSize(kThumbnail);
        thumbnail->setCheckable(true);
        thumbnail->setAutoRaise(true);
        thumbnail->setFocusPolicy(Qt::NoFocus);
        thumbnail->setEnabled(false);
        connect(thumbnail, &QToolButton::clicked, this, [this, slot] {
            // The mark stays where it is until the picture is shown.
            buttons_[slot]->setChecked(indices_.value(slot, -1) == shown_);
            const int index = indices_.value(slot, -1);
            if (index >= 0) choose_(index);
        });
        buttons_.append(thumbnail);
        indices_.append(-1);
    }
}

void ThumbnailStrip::showHistory(const PictureHistory& history) {
    shown_ = history.shownIndex();
    // The newest twelve, moved back as far as browsing went.
    const int first = std::max(0, std::min(history.size() - kCount, history.shownIndex()));
    for (int slot = 0; slot < kCount; ++slot) {
        QToolButton* button = buttons_[slot];
        const int index = first + slot;
        if (index >= history.size()) {
            indices_[slot] = -1;
            button->setIcon({});
            button->setToolTip({});
            button->setChecked(false);
            button->setEnabled(false);
            continue;
        }
        const HistoryPicture& picture = history.at(index);
        if (indices_[slot] != index) button->setIcon(QPixmap::fromImage(picture.thumbnail));
        indices_[slot] = index;
        button->setToolTip(QString("%1 (type %2), picture %3 of %4, shown here at %5: click to show it again")
                               .arg(QString::fromStdString(picture.summary.name))
                               .arg(picture.summary.type)
                               .arg(index + 1)
                               .arg(history.size())
                               .arg(picture.made.toString("hh:mm:ss")));
        button->setEnabled(true);
        button->setChecked(index == history.shownIndex());
    }
}

}  // namespace momentart
