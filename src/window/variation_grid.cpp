#include "window/variation_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "engine/canvas.h"
#include "window/picture_session.h"
#include "window/variation_part.h"

namespace momentart {

namespace {

constexpr int kMiddle = 4;
constexpr QSize kCell(Canvas::kWidth / 3, Canvas::kHeight / 3);
constexpr QRgb kWaiting = 0xff202020;
constexpr QRgb kLines = 0xff808080;

// The index into the variations of a cell other than the middle one.
int variationOfCell(int cell) { return cell < kMiddle ? cell : cell - 1; }

// The keys the grid answers while it has the keyboard, rather than the
// window's shortcuts (exit, Back, Forward, V itself, and C and F, which
// choose a part here).
bool gridKey(const QKeyEvent* key) {
    if (key->modifiers() & ~(Qt::KeypadModifier)) return false;
    if (variationPartOfKey(key->key())) return true;
    switch (key->key()) {
        case Qt::Key_Escape: case Qt::Key_V: case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up:
        case Qt::Key_Down: case Qt::Key_Return: case Qt::Key_Enter: return true;
        default: return key->key() >= Qt::Key_1 && key->key() <= Qt::Key_9;
    }
}

}  // namespace

VariationGrid::VariationGrid(PictureSession& session, QWidget* parent) : QWidget(parent), session_(session) {
    setObjectName("VariationGrid");
    setFixedSize(Canvas::kWidth, Canvas::kHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
    connect(&session_, &PictureSession::variationsChanged, this, &VariationGrid::refresh);
}

int VariationGrid::cellAt(QPoint point) {
    if (point.x() < 0 || point.y() < 0 || point.x() >= Canvas::kWidth || point.y() >= Canvas::kHeight) return -1;
    return point.y() / kCell.height() * 3 + point.x() / kCell.width();
}

std::uint32_t VariationGrid::seedOfCell(int cell) {
    return cell == kMiddle ? 0 : static_cast<std::uint32_t>(variationOfCell(cell) + 1);
}

QRect VariationGrid::cellRect(int cell) { return {QPoint(cell % 3 * kCell.width(), cell / 3 * kCell.height()), kCell}; }

void VariationGrid::refresh() {
    if (session_.variationsOpen() && !isVisible()) {
        focus_ = kMiddle;
        show();
        raise();
        setFocus();
    } else if (!session_.variationsOpen() && isVisible()) {
        hide();
    }
    update();
}

void VariationGrid::take(int cell) {
    if (cell == kMiddle)
        session_.closeVariations();
    else
        session_.chooseVariation(variationOfCell(cell));
}

void VariationGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int cell = 0; cell < 9; ++cell) {
        const QRect place = cellRect(cell);
        const QImage& image =
            cell == kMiddle ? session_.variationsCentre() : session_.variationImage(variationOfCell(cell));
        if (image.isNull()) {
            painter.fillRect(place, QColor::fromRgb(kWaiting));
            painter.setPen(QColor::fromRgb(kLines));
            painter.drawText(place, Qt::AlignCenter,
                             session_.variationPartFixed() && cell != kMiddle ? "fixed by the type" : "making ...");
        } else {
            painter.drawImage(place.topLeft(), image);
        }
    }
    painter.setPen(QColor::fromRgb(kLines));
    for (int n = 1; n < 3; ++n) {
        painter.drawLine(n * kCell.width(), 0, n * kCell.width(), height());
        painter.drawLine(0, n * kCell.height(), width(), n * kCell.height());
    }
    // The picture itself is framed; the focus frame is yellow.
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(cellRect(kMiddle).adjusted(1, 1, -1, -1));
    painter.setPen(QPen(QColor(255, 210, 0), 4));
    painter.drawRect(cellRect(focus_).adjusted(2, 2, -2, -2));
}

QString VariationGrid::caption() const {
    const bool fixed = session_.variationPartFixed() && !session_.history().empty();
    return variationGridCaption(session_.variationPart(), fixed ? session_.history().shown().summary.type : 0);
}

void VariationGrid::mousePressEvent(QMouseEvent* event) {
    const int cell = cellAt(event->position().toPoint());
    if (cell >= 0) take(cell);
}

void VariationGrid::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const int column = focus_ % 3, row = focus_ / 3;
    switch (key) {
        case Qt::Key_Escape: case Qt::Key_V: session_.closeVariations(); return;
        case Qt::Key_Left: focus_ = row * 3 + std::max(0, column - 1); break;
        case Qt::Key_Right: focus_ = row * 3 + std::min(2, column + 1); break;
        case Qt::Key_Up: focus_ = std::max(0, row - 1) * 3 + column; break;
        case Qt::Key_Down: focus_ = std::min(2, row + 1) * 3 + column; break;
        case Qt::Key_Return: case Qt::Key_Enter: take(focus_); return;
        default:
            if (const auto part = variationPartOfKey(key)) {
                session_.setVariationPart(*part);
                return;
            }
            if (key >= Qt::Key_1 && key <= Qt::Key_9) {
                focus_ = key - Qt::Key_1;
                take(focus_);
                return;
            }
            QWidget::keyPressEvent(event);
            return;
    }
    update();
}

bool VariationGrid::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && gridKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

}  // namespace momentart
