// The frames of a film of a picture growing. Frame f of F shows exactly the
// canvas after the first ceil(N (f + 1) / F) of the picture's N visits: the
// pixels those visits left, black everywhere else. The frames are cut from
// one run as its lines become final (RunObserver::lineFinal), so the picture
// is computed once, on any number of threads, and a film can be encoded
// while it grows.
#pragma once

#include <functional>

#include "engine/canvas.h"
#include "engine/host.h"

namespace momentart {

// The visits frame `frame` (0 .. frames - 1) of `frames` shows, of `visits`.
long visitsShownByFrame(int frame, int frames, long visits);

class GrowthFrames final : public RunObserver {
public:
    // Takes each frame in order. The frame is valid only during the call; the
    // sink must not throw (the run may be split over threads).
    using FrameSink = std::function<void(const Canvas& frame, int index)>;
    // Asked between lines, from any of the run's threads: true stops the run.
    using StopQuery = std::function<bool()>;

    // `frames` frames of a picture of width x height pixels, which visits
    // (width + 1) x (height + 1) positions.
    GrowthFrames(int width, int height, int frames, FrameSink sink, StopQuery stop = {});

    void lineFinal(const Canvas& canvas, const VisitLine& line, long visitsBefore) override;
    bool stopRequested() override { return stop_ && stop_(); }
    // The frames are the progress.
    void progress(const Canvas&, long, long) override {}

    // Frames handed to the sink so far.
    int framesMade() const { return next_; }

private:
    Canvas frame_;
    long visits_;
    int frames_;
    FrameSink sink_;
    StopQuery stop_;
    long shown_ = 0;  // visits the frame holds
    int next_ = 0;    // the frame to hand over next
};

}  // namespace momentart
