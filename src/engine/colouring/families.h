// The colouring families, entered from barvanivo2 once the pixel has passed
// the clipping test. Each paints at most the one pixel `at`.
#pragma once

#include "engine/colouring/painting.h"
#include "engine/state.h"

namespace momentart::colouring {

// Family 2: colour numbers straight from the integer field value.
void familyTwo(GenerationState& s, Canvas& canvas, Spot at, int tip);

// Family 3: scheme `tip` (1..21) of the channel-level schemes. Returns false,
// having done nothing, for a scheme that does not exist.
bool channelScheme(GenerationState& s, Canvas& canvas, Spot at, int tip);

// The one scheme of family 5, which draws a coin per pixel.
inline constexpr int kMixedScheme = 62;

// Family 5: scheme 62, a fresh coin per pixel choosing scheme 6 or 13.
void familyFive(GenerationState& s, Canvas& canvas, Spot at, int tip);

}  // namespace momentart::colouring
