#include "window/picture_view.h"

#include <QPainter>

#include "platform/image_convert.h"
#include "window/window_commands.h"

namespace momentart {

PictureView::PictureView(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kPictureBorder);
    setFixedSize(Canvas::kWidth + 2 * kPictureBorder, Canvas::kHeight + 2 * kPictureBorder);
    setFocusPolicy(Qt::NoFocus);
    image_ = toQImage(Canvas());
    // The inside is covered by the picture on every paint.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::showImage(const QImage& image) {
    image_ = image;
    update(contentsRect());
}

void PictureView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), image_);
}

}  // namespace momentart
