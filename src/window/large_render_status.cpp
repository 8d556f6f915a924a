#include "window/large_render_status.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "engine/canvas.h"
#include "window/picture_session.h"

namespace momentart {

namespace {
constexpr int kRefreshMilliseconds = 200;
}  // namespace

LargeRenderStatus::LargeRenderStatus(PictureSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    label_ = new QLabel(this);
    label_->setObjectName("LargeStatus");
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("LargeCancel");
    cancel_->setAutoDefault(false);
    cancel_->setFocusPolicy(Qt::NoFocus);
    cancel_->setToolTip("Stop the Large render (Escape does it too); nothing is saved");
    layout->addWidget(label_, 1);
    layout->addWidget(cancel_);
    timer_ = new QTimer(this);
    timer_->setInterval(kRefreshMilliseconds);
    connect(timer_, &QTimer::timeout, this, &LargeRenderStatus::refresh);
    connect(cancel_, &QPushButton::clicked, &session_, &PictureSession::cancelLarge);
    connect(&session_, &PictureSession::largeChanged, this, &LargeRenderStatus::refresh);
    hide();
}

QString LargeRenderStatus::text() const { return label_->text(); }

void LargeRenderStatus::refresh() {
    const LargeRun& run = session_.largeRun();
    if (run.scale == 0) return;
    const QString what = QString("Large picture of %1, %2 x %3 pixels (scale %4)")
                             .arg(run.pictureName)
                             .arg(Canvas::kWidth * run.scale)
                             .arg(Canvas::kHeight * run.scale)
                             .arg(run.scale);
    const bool running = session_.largeRunning();
    if (running) {
        const double fraction = session_.largeFraction();
        label_->setText(fraction < 1 ? QString("%1: %2 %").arg(what).arg(static_cast<int>(fraction * 100))
                                     : what + ": finishing and writing the file");
        if (!timer_->isActive()) timer_->start();
    } else {
        timer_->stop();
        label_->setText(what + ": " + run.outcome);
    }
    cancel_->setVisible(running);
    show();
}

}  // namespace momentart
