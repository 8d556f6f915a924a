#include "frame/frame_window.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QPainter>
#include <QPropertyAnimation>
#include <QScreen>
#include <QShortcut>
#include <QWindow>
#include <cmath>

#include "frame/screen_inhibition.h"

namespace momentart {

namespace {

constexpr int kFadeInMilliseconds = 250;
constexpr int kFadeOutMilliseconds = 700;
// The caption's distance from the screen's corner, in its own pixels.
constexpr int kCaptionMargin = 24;

}  // namespace

FrameWindow::FrameWindow(FrameSession& session, QWidget* parent) : QWidget(parent), session_(session) {
    setObjectName("ArtFrame");
    setWindowTitle("momentart");
    // Every pixel is painted on every paint: black, then the picture.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);

    caption_ = new QLabel(this);
    caption_->setObjectName("FrameCaption");
    caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
    caption_->setStyleSheet("color: #e8e8e8; background: rgba(0, 0, 0, 170); padding: 8px 14px;");
    auto* opacity = new QGraphicsOpacityEffect(caption_);
    opacity->setOpacity(0);
    caption_->setGraphicsEffect(opacity);
    caption_->hide();
    fade_ = new QPropertyAnimation(opacity, "opacity", this);
    connect(fade_, &QPropertyAnimation::finished, this, [this] {
        if (captionOpacity() <= 0) caption_->hide();
    });
    captionTimer_.setSingleShot(true);
    connect(&captionTimer_, &QTimer::timeout, this, [this] { fadeCaption(0, kFadeOutMilliseconds); });

    pointerTimer_.setSingleShot(true);
    connect(&pointerTimer_, &QTimer::timeout, this, [this] { setCursor(Qt::BlankCursor); });
    pointerTimer_.start(kPointerMilliseconds);

    for (const SessionCommand& command : sessionCommands()) {
        const auto* own = std::get_if<FrameAction>(&command.action);
        if (own == nullptr) continue;
        auto* shortcut = new QShortcut(command.key, this);
        const FrameAction action = *own;
        connect(shortcut, &QShortcut::activated, &session_, [this, action] { session_.perform(action); });
    }
    connect(&session_, &FrameSession::shown, this, &FrameWindow::showImage);
    connect(&session_, &FrameSession::captionChanged, this, &FrameWindow::showCaption);
}

FrameWindow::~FrameWindow() = default;

void FrameWindow::showFullScreenOn(QScreen* screen) {
    // Placed on the screen first, also where no window manager carries out
    // "full screen".
    setScreen(screen);
    setGeometry(screen->geometry());
    showFullScreen();
    activateWindow();
    inhibition_ = std::make_unique<ScreenInhibition>("showing pictures full screen");
}

void FrameWindow::showInside(WId foreign, QSize size) {
    // A screensaver's window has no keys and shows no caption.
    captions_ = false;
    winId();
    windowHandle()->setParent(QWindow::fromWinId(foreign));
    const double ratio = devicePixelRatioF();
    setGeometry(0, 0, static_cast<int>(std::lround(size.width() / ratio)),
                static_cast<int>(std::lround(size.height() / ratio)));
    show();
}

void FrameWindow::addLeaveKey(const QKeySequence& key) {
    auto* shortcut = new QShortcut(key, this);
    connect(shortcut, &QShortcut::activated, &session_, [this] { session_.perform(FrameAction::Leave); });
}

QRect FrameWindow::pictureRect() const {
    if (image_.isNull()) return {};
    // In the screen's own pixels: whole pixels, never resampled, when the
    // picture fits; otherwise (a screensaver's small preview) made smaller.
    const double ratio = devicePixelRatioF();
    const QSize room(static_cast<int>(std::lround(width() * ratio)), static_cast<int>(std::lround(height() * ratio)));
    const QSize size = image_.size().boundedTo(room) == image_.size()
                           ? image_.size()
                           : image_.size().scaled(room, Qt::KeepAspectRatio);
    return {QPoint((room.width() - size.width()) / 2, (room.height() - size.height()) / 2), size};
}

void FrameWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (image_.isNull()) return;
    const QRect inPixels = pictureRect();
    const double ratio = devicePixelRatioF();
    const QRectF target(inPixels.left() / ratio, inPixels.top() / ratio, inPixels.width() / ratio,
                        inPixels.height() / ratio);
    if (inPixels.size() != image_.size()) painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image_);
}

void FrameWindow::showImage(const QImage& image) {
    image_ = image;
    update();
}

void FrameWindow::showCaption() {
    const QString text = session_.caption();
    if (text.isEmpty() || !captions_) return;
    QFont font = caption_->font();
    font.setPixelSize(std::max(12, height() / 48));
    caption_->setFont(font);
    caption_->setText(text);
    caption_->adjustSize();
    caption_->move(kCaptionMargin, height() - kCaptionMargin - caption_->height());
    caption_->show();
    caption_->raise();
    fadeCaption(1, kFadeInMilliseconds);
    captionTimer_.start(kCaptionMilliseconds);
}

void FrameWindow::fadeCaption(double to, int milliseconds) {
    fade_->stop();
    fade_->setStartValue(captionOpacity());
    fade_->setEndValue(to);
    fade_->setDuration(milliseconds);
    fade_->start();
}

double FrameWindow::captionOpacity() const {
    return static_cast<const QGraphicsOpacityEffect*>(caption_->graphicsEffect())->opacity();
}

QString FrameWindow::captionText() const { return caption_->isVisible() ? caption_->text() : QString(); }

void FrameWindow::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    unsetCursor();
    pointerTimer_.start(kPointerMilliseconds);
}

}  // namespace momentart
