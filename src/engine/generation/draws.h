// The draws that complete a picture's free parts, each a named step taking
// the generator it draws from: the run makes them all from the picture's
// generator, a variation makes one part again from its own.
#pragma once

#include "engine/generation/random.h"
#include "engine/state.h"

namespace momentart {

// v1 and v2, whichever of them the type left free (`forma`).
void drawFormula(GenerationState& s, Pcg32& rnd);

// The colouring scheme `tip`, when the type gave only the family
// (`barvanje` = 2).
void drawScheme(GenerationState& s, Pcg32& rnd);

// The picture's width in world units `osx`, when the type left it free
// (`zum` = 0). The height `osy` is set equal to it by the run.
void drawZoom(GenerationState& s, Pcg32& rnd);

// The picture's colouring parameters, ba1 ... krgb, in their fixed order.
void drawColouring(GenerationState& s, Pcg32& rnd);

}  // namespace momentart
