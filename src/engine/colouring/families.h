// The colouring families, entered from barvanivo2 once the pixel has passed
// the clipping test. Each paints at most the one pixel `at`.
#pragma once

#include "engine/colouring/painting.h"
#include "engine/state.h"

namespace momentart::colouring {

// Family 2: colour numbers straight from the integer field value.
void familyTwo(GenerationState& s, Canvas& canvas, Spot at, int tip);

// Family 3: scheme `tip` (1..21) of the channel-level schemes. Like every
// numbered case dispatch, a number without a scheme paints nothing; a run
// never passes one (its state is checked before it starts, state_rules.h,
// and families 3 and 5 only name schemes that exist).
void channelScheme(GenerationState& s, Canvas& canvas, Spot at, int tip);

// The one scheme of family 5, which draws a coin per pixel.
inline constexpr int kMixedScheme = 62;

// Family 5: scheme 62, a fresh coin per pixel choosing scheme 6 or 13.
void familyFive(GenerationState& s, Canvas& canvas, Spot at, int tip);

}  // namespace momentart::colouring
