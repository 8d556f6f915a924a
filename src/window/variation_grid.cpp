#include "window/variation_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "engine/recipe_variation.h"
#include "platform/image_convert.h"
#include "platform/worker_pool.h"

namespace momentart {

namespace {

constexpr int kMiddle = 4;
constexpr QSize kCell(Canvas::kWidth / 3, Canvas::kHeight / 3);
constexpr QRgb kWaiting = 0xff202020;
constexpr QRgb kLines = 0xff808080;

// The index into the variations of a cell other than the middle one.
int variationOfCell(int cell) { return cell < kMiddle ? cell : cell - 1; }

bool closesTheGrid(const QKeyEvent* key) {
    return key->key() == Qt::Key_Escape || (key->key() == Qt::Key_V && key->modifiers() == Qt::NoModifier);
}

}  // namespace

VariationGrid::VariationGrid(QWidget* parent) : QWidget(parent) {
    setObjectName("VariationGrid");
    setFixedSize(Canvas::kWidth, Canvas::kHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

VariationGrid::~VariationGrid() { stopWorker(); }

int VariationGrid::cellAt(QPoint point) {
    if (point.x() < 0 || point.y() < 0 || point.x() >= Canvas::kWidth || point.y() >= Canvas::kHeight) return -1;
    return point.y() / kCell.height() * 3 + point.x() / kCell.width();
}

std::uint32_t VariationGrid::seedOfCell(int cell) {
    return cell == kMiddle ? 0 : static_cast<std::uint32_t>(variationOfCell(cell) + 1);
}

QRect VariationGrid::cellRect(int cell) {
    return {QPoint(cell % 3 * kCell.width(), cell / 3 * kCell.height()), kCell};
}

int VariationGrid::made() const {
    int count = 0;
    for (const auto& variation : variations_) count += variation != nullptr;
    return count;
}

void VariationGrid::open(const QImage& shown, const Recipe& recipe) {
    stopWorker();
    shown_ = shown.scaled(kCell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (auto& variation : variations_) variation.reset();
    for (QImage& image : small_) image = {};
    show();
    raise();
    setFocus();
    update();

    cancel_ = std::make_shared<std::atomic<bool>>(false);
    worker_ = std::thread([this, recipe, cancel = cancel_] {
        forEachOnThreads(kVariations, everyCore(), *cancel, [&](int n) {
            const Variation variation{VariationKind::Centres, static_cast<std::uint32_t>(n + 1)};
            auto made = std::make_shared<RenderedPicture>(renderFromRecipe(variationRecipe(recipe, variation)));
            const QImage small =
                toQImage(*made->canvas).scaled(kCell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            // Handed to the grid on its own thread; dropped if the grid moved on.
            QMetaObject::invokeMethod(
                this,
                [this, n, made, small, cancel] {
                    if (cancel->load()) return;
                    variations_[n] = std::make_unique<RenderedPicture>(std::move(*made));
                    small_[n] = small;
                    update();
                },
                Qt::QueuedConnection);
        });
    });
}

void VariationGrid::dismiss() {
    stopWorker();
    hide();
}

void VariationGrid::stopWorker() {
    if (cancel_) cancel_->store(true);
    if (worker_.joinable()) worker_.join();
}

void VariationGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int cell = 0; cell < 9; ++cell) {
        const QRect place = cellRect(cell);
        const QImage& image = cell == kMiddle ? shown_ : small_[variationOfCell(cell)];
        if (image.isNull()) {
            painter.fillRect(place, QColor::fromRgb(kWaiting));
            painter.setPen(QColor::fromRgb(kLines));
            painter.drawText(place, Qt::AlignCenter, "making ...");
        } else {
            painter.drawImage(place.topLeft(), image);
        }
    }
    painter.setPen(QColor::fromRgb(kLines));
    for (int n = 1; n < 3; ++n) {
        painter.drawLine(n * kCell.width(), 0, n * kCell.width(), height());
        painter.drawLine(0, n * kCell.height(), width(), n * kCell.height());
    }
    // The picture itself is framed.
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(cellRect(kMiddle).adjusted(1, 1, -1, -1));
}

void VariationGrid::mousePressEvent(QMouseEvent* event) {
    const int cell = cellAt(event->position().toPoint());
    if (cell < 0) return;
    if (cell == kMiddle) {
        dismiss();
        return;
    }
    const auto& variation = variations_[variationOfCell(cell)];
    if (variation == nullptr) return;  // not made yet
    const RenderedPicture picked = std::move(*variation);
    dismiss();
    if (chosen) chosen(picked);
}

void VariationGrid::keyPressEvent(QKeyEvent* event) {
    if (closesTheGrid(event)) {
        dismiss();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool VariationGrid::event(QEvent* event) {
    // Escape and V close the grid rather than the window's shortcuts
    // (exit, and V itself) taking them, while the grid has the keyboard.
    if (event->type() == QEvent::ShortcutOverride && closesTheGrid(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

}  // namespace momentart
