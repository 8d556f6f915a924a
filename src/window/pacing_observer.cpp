#include "window/pacing_observer.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <thread>

#include "window/picture_view.h"

namespace momentart {

namespace {
// Repaints and other window events, but no keys or clicks: those wait in
// the queue, in the order they came, until the run is over.
void letWindowRepaint() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }
}  // namespace

PacingObserver::PacingObserver(PictureView& view, double paceSeconds, double frameSeconds)
    : view_(view), pace_(std::max(0.0, paceSeconds)), frame_(std::max(0.0, frameSeconds)) {
    clock_.start();
}

double PacingObserver::elapsed() const { return static_cast<double>(clock_.nsecsElapsed()) * 1e-9; }

void PacingObserver::progress(const Canvas& canvas, long visited, long total) {
    if (pace_ > 0 && total > 0) {
        // This much of the picture is due on screen at `due` seconds.
        const double due = pace_ * static_cast<double>(visited) / static_cast<double>(total);
        for (double now = elapsed(); now < due; now = elapsed()) {
            letWindowRepaint();
            const double wait = std::min(due - elapsed(), std::max(frame_, 0.001));
            if (wait > 0) std::this_thread::sleep_for(std::chrono::duration<double>(wait));
        }
    }
    const double now = elapsed();
    if (frames_ == 0 || now - lastFrame_ >= frame_ || visited >= total) {
        lastFrame_ = now;
        present(canvas);
    }
}

void PacingObserver::present(const Canvas& canvas) {
    view_.showCanvas(canvas);
    ++frames_;
    letWindowRepaint();
}

double frameSecondsOf(const QWidget* widget) {
    const QScreen* screen = widget != nullptr ? widget->screen() : QGuiApplication::primaryScreen();
    const double rate = screen != nullptr ? screen->refreshRate() : 0.0;
    return rate >= 1.0 ? 1.0 / rate : 1.0 / 60.0;
}

}  // namespace momentart
