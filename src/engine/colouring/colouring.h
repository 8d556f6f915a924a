// The colouring stage: turns the pixel's field value `ba` into a colour and
// paints pixel (i + zamikx, j + zamiky) of the picture.
#pragma once

#include "engine/canvas.h"
#include "engine/state.h"

namespace momentart {

// barvanivo2: dispatches on the colouring family `barve` (2, 3 or 5) and the
// scheme `tip`; paints at most one pixel. A family or scheme that does not
// exist paints nothing. Spots beyond the paintable limits `sir0`, `vis0`
// (taken `clipScale` times as large in a scaled run) are left alone.
void barvanivo2(GenerationState& s, Canvas& canvas, int clipScale = 1);

// How many random draws one call of barvanivo2 makes at a spot within the
// paintable limits: the coin of the mixed scheme, or none.
int colouringDraws(const GenerationState& s);

}  // namespace momentart
