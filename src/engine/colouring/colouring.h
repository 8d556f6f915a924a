// The colouring stage: turns the pixel's field value `ba` into a colour and
// paints pixel (i + zamikx, j + zamiky) of the picture.
#pragma once

#include "engine/canvas.h"
#include "engine/state.h"

namespace momentart {

// barvanivo2: dispatches on the colouring family `barve` (2, 3 or 5) and the
// scheme `tip`; paints at most one pixel. A family or scheme that does not
// exist paints nothing.
void barvanivo2(GenerationState& s, Canvas& canvas);

}  // namespace momentart
