// Lets the user watch a picture grow: told after each line of a run (on the
// run's thread), it spreads the picture over `pace` seconds by waiting, and
// hands the canvas on for showing at about the display's frame rate, and
// always once the last line is done.
#pragma once

#include <chrono>
#include <functional>

#include "engine/host.h"

namespace momentart {

class PacingObserver final : public RunObserver {
public:
    using Present = std::function<void(const Canvas&)>;
    using Stop = std::function<bool()>;

    // `paceSeconds`: how long a whole picture takes to appear (0: as fast as
    // it is computed). `frameSeconds`: the display's frame interval.
    // `present` is called with the canvas whenever a frame is due; `stop`,
    // if given, ends the run early (and any waiting) when it says so;
    // `hurry`, if given, ends the waiting only: the rest of the picture comes
    // as fast as it is computed.
    PacingObserver(double paceSeconds, double frameSeconds, Present present, Stop stop = {}, Stop hurry = {});

    void progress(const Canvas& canvas, long visited, long total) override;
    bool stopRequested() override { return stop_ && stop_(); }

    // Frames presented during this run.
    long frames() const { return frames_; }

private:
    double elapsed() const;
    bool waits() { return !stopRequested() && !(hurry_ && hurry_()); }

    double pace_;
    double frame_;
    Present present_;
    Stop stop_;
    Stop hurry_;
    std::chrono::steady_clock::time_point start_;
    double lastFrame_ = 0;
    long frames_ = 0;
};

}  // namespace momentart
