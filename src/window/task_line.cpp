#include "window/task_line.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace momentart {

namespace {
constexpr int kRefreshMilliseconds = 200;
}  // namespace

TaskLine::TaskLine(const QString& name, std::function<TaskLineState()> state, std::function<void()> cancel,
                   const QString& cancelTip, QWidget* parent)
    : QWidget(parent), state_(std::move(state)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    label_ = new QLabel(this);
    label_->setObjectName(name + "Status");
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName(name + "Cancel");
    cancel_->setAutoDefault(false);
    cancel_->setFocusPolicy(Qt::NoFocus);
    cancel_->setToolTip(cancelTip);
    layout->addWidget(label_, 1);
    layout->addWidget(cancel_);
    timer_ = new QTimer(this);
    timer_->setInterval(kRefreshMilliseconds);
    connect(timer_, &QTimer::timeout, this, &TaskLine::refresh);
    connect(cancel_, &QPushButton::clicked, this, std::move(cancel));
    hide();
}

QString TaskLine::text() const { return text_; }

void TaskLine::refresh() {
    const TaskLineState state = state_();
    if (!state.shown) return;
    text_ = state.text;
    if (state.running && !timer_->isActive()) timer_->start();
    if (!state.running) timer_->stop();
    cancel_->setVisible(state.running);
    show();
    fitText();
}

void TaskLine::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitText();
}

void TaskLine::fitText() {
    // The home folder is written ~, as in the status line, and what still
    // does not fit is shortened in its middle; the whole line is its tooltip.
    QString shown = text_;
    shown.replace(QDir::homePath() + "/", "~/");
    const int room = width() - (cancel_->isVisible() ? cancel_->sizeHint().width() + 6 : 0);
    label_->setText(label_->fontMetrics().elidedText(shown, Qt::ElideMiddle, std::max(room, 0)));
    label_->setToolTip(label_->text() == text_ ? QString() : text_);
}

}  // namespace momentart
