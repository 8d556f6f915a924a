// When the art frame's pictures are due, and the seed and moment that make
// each: the timer now (as the window's), seeds counted on from a given one,
// or the minute the clock has just turned to, so that the moment names the
// picture.
#pragma once

#include <QDateTime>
#include <chrono>
#include <cstdint>
#include <optional>

#include "engine/host.h"

namespace momentart {

// What makes one picture: the seed read in place of the timer and the
// moment that names it.
struct PictureMoment {
    std::uint32_t seed = 0;
    CalendarTime moment;
};

struct FrameTiming {
    std::chrono::milliseconds every{60000};  // a new picture this long after the last began
    bool onTheMinute = false;                // instead: each picture when the minute turns
    std::optional<std::uint32_t> seed;       // the first picture's seed; the next count on
};

class FrameSchedule {
public:
    explicit FrameSchedule(const FrameTiming& timing) : timing_(timing), nextSeed_(timing.seed) {}

    // The picture begun at `now`: with seeds, the next one; on the minute,
    // the minute `now` lies in (or the one after the last, should a timer
    // fire early); otherwise the timer at `now`.
    PictureMoment pictureAt(const QDateTime& now);
    // What to try instead of `dull`, a dull picture skipped at `now`: the
    // next seed, the next second of the minute, or the timer moved on.
    PictureMoment after(const PictureMoment& dull, const QDateTime& now);
    // How long after a picture begun at `now` the next one is due.
    std::chrono::milliseconds nextDue(const QDateTime& now) const;

private:
    FrameTiming timing_;
    std::optional<std::uint32_t> nextSeed_;  // with seeds: the one the next picture takes
    QDateTime lastMinute_;                   // on the minute: the minute of the last picture
};

}  // namespace momentart
