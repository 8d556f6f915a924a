#include "session/pacing_observer.h"

#include <algorithm>
#include <thread>

namespace momentart {

PacingObserver::PacingObserver(double paceSeconds, double frameSeconds, Present present, Stop stop, Stop hurry)
    : pace_(std::max(0.0, paceSeconds)), frame_(std::max(0.0, frameSeconds)), present_(std::move(present)),
      stop_(std::move(stop)), hurry_(std::move(hurry)), start_(std::chrono::steady_clock::now()) {}

double PacingObserver::elapsed() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

void PacingObserver::progress(const Canvas& canvas, long visited, long total) {
    if (pace_ > 0 && total > 0) {
        // This much of the picture is due on screen at `due` seconds; the
        // frames in between show what is done so far.
        const double due = pace_ * static_cast<double>(visited) / static_cast<double>(total);
        for (double now = elapsed(); now < due && waits(); now = elapsed()) {
            const double wait = std::min(due - now, std::max(frame_, 0.001));
            std::this_thread::sleep_for(std::chrono::duration<double>(wait));
        }
    }
    const double now = elapsed();
    if (frames_ == 0 || now - lastFrame_ >= frame_ || visited >= total) {
        lastFrame_ = now;
        ++frames_;
        if (present_) present_(canvas);
    }
}

}  // namespace momentart
