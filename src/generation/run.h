// makeimage: one whole generation run, from the choice of the image type to
// the stamp.
#pragma once

#include "shell/canvas.h"
#include "shell/host.h"
#include "shell/state.h"

namespace momentart {

struct RunOptions {
    // 9..66: the catalogue writes this type's row instead of drawing a type
    // (ignored when `izbors` = 1). 0: the catalogue draws the type.
    int forcedType = 0;
};

// Paints one picture into `canvas` (cleared to black first), reading and
// writing `s`; calls the host's clock, printer and observer.
void makeimage(GenerationState& s, Canvas& canvas, RunHost& host, const RunOptions& options = {});

}  // namespace momentart
