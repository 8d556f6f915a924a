// makeimage: one whole generation run, from the choice of the image type to
// the stamp.
#pragma once

#include "engine/generation/geometry.h"
#include "engine/generation/variation.h"
#include "engine/canvas.h"
#include "engine/host.h"
#include "engine/run_maths.h"
#include "engine/state.h"

namespace momentart {

struct RunOptions {
    // 9..66: the catalogue writes this type's row instead of drawing a type
    // (ignored when `izbors` = 1). 0: the catalogue draws the type.
    int forcedType = 0;
    // Angles and pair sums computed at every pixel besides those the picture
    // reads (kAllGeometry: the full computation, which paints the same).
    GeometryReads alsoComputed = 0;
    // One part drawn anew from its own seed after the run's draws; none by
    // default.
    Variation variation{};
    // 1..16: the picture is computed K times as wide and high, on a canvas of
    // 600 K x 450 K; the plan and every draw stay those of scale 1.
    int scale = 1;
    // Threads that share the picture's visits; the pixels are the same for
    // any number.
    int jobs = 1;
    // The functions the formulas, the colouring and the angles use: the
    // correctly rounded ones, unless the picture is an old recipe's.
    Maths maths = Maths::CorrectlyRounded;
    // Stops the run after exactly this many visits, on one thread, its
    // picture unfinished (the canvas a film's frame must equal); 0: every visit.
    long visitLimit = 0;
};

inline constexpr int kLargestScale = 16;

// The run's own values, kept for one call only.
struct RunPlan {
    double krizanje = 1;            // cross mode of this run: 1 or 2
    double v1run = 0, v2run = 0;    // the formula pair after the draws
    double v1alt = 0, v2alt = 0;    // the second pair of cross mode 2
    Frame frame;                    // scale and the six centres
};

// The run up to its first pixel (fails with std::invalid_argument, engine/failure.h, before it
// changes anything, for a state no run can start from, state_rules.h): frame, catalogue, derived switches,
// seeding from the clock, the picture's name, the draws and the centres.
RunPlan planRun(GenerationState& s, Clock& clock, const RunOptions& options = {});

// Paints one picture into `canvas` (cleared to black first; 600 K x 450 K
// pixels at scale K), reading and writing `s`; calls the host's clock, printer
// and observer. Returns false when the observer stopped it unfinished.
bool makeimage(GenerationState& s, Canvas& canvas, RunHost& host, const RunOptions& options = {});

}  // namespace momentart
