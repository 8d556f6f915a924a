// The art frame on screen: the picture of a frame session at the centre of
// a black field, pixel for pixel in the screen's own pixels; a caption that
// fades in at a change and out after a while; a pointer that hides when the
// mouse rests; the frame's keys of sessionCommands(). Full screen on a monitor of its own
// (the desktop is asked not to blank it meanwhile), or filling the window a
// screensaver gives.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "frame/frame_session.h"

class QLabel;
class QPropertyAnimation;
class QScreen;

namespace momentart {

class ScreenInhibition;

// How long the caption stays before it fades, and the pointer before it hides.
inline constexpr int kCaptionMilliseconds = 3000;
inline constexpr int kPointerMilliseconds = 2000;

class FrameWindow final : public QWidget {
    Q_OBJECT

public:
    explicit FrameWindow(FrameSession& session, QWidget* parent = nullptr);
    ~FrameWindow() override;

    // Fills `screen`, asking the desktop not to blank it until the window goes.
    void showFullScreenOn(QScreen* screen);
    // Fills the window `foreign` of another program, `size` of its pixels.
    void showInside(WId foreign, QSize size);
    // A further key that leaves the frame.
    void addLeaveKey(const QKeySequence& key);

    // The image shown now, and where it lies in the window's own pixels.
    const QImage& shown() const { return image_; }
    QRect pictureRect() const;
    QString captionText() const;
    // The caption's opacity now, 0 (gone) to 1.
    double captionOpacity() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void showImage(const QImage& image);
    void showCaption();
    void fadeCaption(double to, int milliseconds);

    FrameSession& session_;
    QImage image_;
    QLabel* caption_ = nullptr;
    QPropertyAnimation* fade_ = nullptr;
    QTimer captionTimer_;
    QTimer pointerTimer_;
    bool captions_ = true;
    std::unique_ptr<ScreenInhibition> inhibition_;
};

}  // namespace momentart
