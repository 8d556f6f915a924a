#include "window/progress_mark.h"

#include <QPainter>

#include "engine/canvas.h"

namespace momentart {

void ProgressMark::paint(QPainter& painter) const {
    if (!visible()) return;
    const int height = kBottom - kTop + 1;
    // Black from 105 up to the last column's black line (or 705 when done).
    const int blackEnd = finished_ ? Canvas::kWidth + kLeft : column_ + kLeft - 1;
    if (blackEnd >= kLeft) painter.fillRect(kLeft, kTop, blackEnd - kLeft + 1, height, Qt::black);
    if (!finished_ && column_ > 0) painter.fillRect(column_ + kLeft, kTop, 1, height, Qt::white);
}

}  // namespace momentart
