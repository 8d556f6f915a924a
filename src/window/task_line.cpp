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
    label_->setWordWrap(true);
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName(name + "Cancel");
    cancel_->setAutoDefault(false);
    cancel_->setFocusPolicy(Qt::NoFocus);
    cancel_->setToolTip(cancelTip);
    layout->addWidget(label_, 1);
    layout->addWidget(cancel_, 0, Qt::AlignTop);
    timer_ = new QTimer(this);
    timer_->setInterval(kRefreshMilliseconds);
    connect(timer_, &QTimer::timeout, this, &TaskLine::refresh);
    connect(cancel_, &QPushButton::clicked, this, std::move(cancel));
    hide();
}

QString TaskLine::text() const { return text_; }

void TaskLine::refresh() {
    const TaskLineState state = state_();
    if (!state.shown) {
        timer_->stop();
        hide();
        return;
    }
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
    // The home folder is written ~, as in the status line; the whole path
    // is the tooltip.
    QString shown = text_;
    shown.replace(QDir::homePath() + "/", "~/");
    label_->setText(shown);
    label_->setToolTip(shown == text_ ? QString() : text_);
    const int room = width() - (cancel_->isVisible() ? cancel_->sizeHint().width() + layout()->spacing() : 0);
    setFixedHeight(std::max(kRowHeight, label_->heightForWidth(std::max(room, 1))));
}

}  // namespace momentart
