// What a generation run needs from the program that hosts it: the clock, a
// way to print the stamp's text, and (optionally) someone to tell as the
// picture grows. The window and the command line implement these, so both
// get the same pixels from the same engine.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "engine/canvas.h"
#include "engine/generation/visiting_orders.h"

namespace momentart {

// A local date and time, for naming a picture.
struct CalendarTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // The seed for "seed from the timer": the bit pattern of the seconds
    // since midnight as a single-precision number (or a fixed seed).
    virtual std::uint32_t timerSeed() = 0;
    // The moment that names the picture.
    virtual CalendarTime now() = 0;
};

// One line of text whose top-left corner is at (x, y).
struct TextLine {
    int x = 0, y = 0;
    std::string text;
};

// Prints the stamp's lines, each `points` high, in the given colour, over
// the picture without a background.
class TextPrinter {
public:
    virtual ~TextPrinter() = default;
    virtual void print(Canvas& canvas, std::span<const TextLine> lines, int points,
                       ColourNumber colour) = 0;
};

// Told as the picture grows: after each column, row or lattice offset.
class RunObserver {
public:
    virtual ~RunObserver() = default;
    // `visited` of `total` pixel visits are done; `canvas` holds them.
    virtual void progress(const Canvas& canvas, long visited, long total) = 0;
    // Asked between lines: true ends the run early, its picture unfinished.
    virtual bool stopRequested() { return false; }
    // The visits of `line`, numbered from `visitsBefore` in the visiting
    // order, are final in `canvas`. Told for every line in visiting order,
    // always from the thread that called the run; a run split over threads
    // tells a region's lines once the region is confirmed. A split run that
    // must be made again in order tells its lines again from the first.
    virtual void lineFinal(const Canvas& canvas, const VisitLine& line, long visitsBefore) {
        (void)canvas, (void)line, (void)visitsBefore;
    }
};

// The services of one run. The printer and the observer may be absent: with
// no printer the picture is not stamped.
struct RunHost {
    Clock& clock;
    TextPrinter* printer = nullptr;
    RunObserver* observer = nullptr;
};

}  // namespace momentart
