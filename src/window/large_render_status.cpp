#include "window/large_render_status.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "engine/canvas.h"
#include "window/large_render.h"

namespace momentart {

namespace {
constexpr int kRefreshMilliseconds = 200;
}  // namespace

LargeRenderStatus::LargeRenderStatus(LargeRender& render, QWidget* parent)
    : QWidget(parent), render_(render) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    label_ = new QLabel(this);
    label_->setObjectName("LargeStatus");
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("LargeCancel");
    cancel_->setAutoDefault(false);
    cancel_->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(label_, 1);
    layout->addWidget(cancel_);
    timer_ = new QTimer(this);
    timer_->setInterval(kRefreshMilliseconds);
    connect(timer_, &QTimer::timeout, this, &LargeRenderStatus::showProgress);
    connect(cancel_, &QPushButton::clicked, this, [this] { render_.cancel(); });
    connect(&render_, &LargeRender::finished, this, &LargeRenderStatus::showFinished);
    hide();
}

void LargeRenderStatus::follow() {
    showProgress();
    timer_->start();
}

QString LargeRenderStatus::text() const { return label_->text(); }

void LargeRenderStatus::showProgress() {
    if (!render_.running()) return;
    const int scale = render_.scale();
    const double fraction = render_.fraction();
    const QString size = QString("Large picture, %1 x %2 pixels (scale %3)")
                             .arg(Canvas::kWidth * scale)
                             .arg(Canvas::kHeight * scale)
                             .arg(scale);
    label_->setText(fraction < 1 ? QString("%1: %2 %").arg(size).arg(static_cast<int>(fraction * 100))
                                 : size + ": finishing and writing the file");
    cancel_->show();
    show();
}

void LargeRenderStatus::showFinished(bool saved, const QString& path, const QString& message) {
    timer_->stop();
    cancel_->hide();
    label_->setText(saved ? "Large picture saved: " + QDir::toNativeSeparators(path)
                          : "Large picture not saved: " + message);
    show();
}

}  // namespace momentart
