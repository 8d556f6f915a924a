#include "engine/growth_frames.h"

#include <stdexcept>
#include <utility>

#include "engine/failure.h"

namespace momentart {

long visitsShownByFrame(int frame, int frames, long visits) {
    return (visits * (frame + 1L) + frames - 1) / frames;
}

GrowthFrames::GrowthFrames(int width, int height, int frames, FrameSink sink, StopQuery stop)
    : frame_(width, height),
      visits_(visitCount(width, height)),
      frames_(frames),
      sink_(std::move(sink)),
      stop_(std::move(stop)) {}

void GrowthFrames::lineFinal(const Canvas& canvas, const VisitLine& line, long visitsBefore) {
    // A split run made again in order tells the lines it told before.
    if (visitsBefore + line.visits() <= shown_) return;
    if (visitsBefore > shown_) fail<std::logic_error>("growth frames: a line was told out of order");
    long visit = visitsBefore;
    line.forEach([&](int column, int row) {
        if (visit++ < shown_) return;
        // The order's last column and row lie just outside the canvas.
        if (column < canvas.width() && row < canvas.height()) frame_.set(column, row, canvas.at(column, row));
        ++shown_;
        while (next_ < frames_ && shown_ == visitsShownByFrame(next_, frames_, visits_)) sink_(frame_, next_++);
    });
}

}  // namespace momentart
