// Steps on the channel levels re, gr, bl shared by the schemes of family 3.
// Each works on the state's fields statement by statement: a failing
// statement leaves its target and the next one runs.
#pragma once

#include "engine/state.h"

namespace momentart::colouring {

// Clamps each level above 255 to 255 (no lower clamp), then, for a negative
// picture (negativ = 2), inverts each as abs(255 - v).
void finishLevels(GenerationState& s);

// max = the largest of re, gr, bl.
void largestLevel(GenerationState& s);

// If max reaches `top`: f = max / top and all three levels divided by f.
void scaleToTop(GenerationState& s, double top);

// f = max / top and all three levels divided by f, without the test of
// scaleToTop (schemes 15, 16, 18; fails for f = 0).
void divideByLargest(GenerationState& s, double top);

// The modular index of scheme 1: bb = Int(v / n), then k = Int(v - bb * n).
void levelIndex(GenerationState& s, double v, double n);

// Base levels from the index k (schemes 1 to 5): re = k * r3 / f1, ...
void baseLevels(GenerationState& s);

// Shift step of schemes 19 and 20: brings the levels above 255 down by
// max / 255, then shifts each by dre, dgr, dbl times a sine of rmax, rmin.
void shiftLevels(GenerationState& s);

// Cross-over step of scheme 20: ree, grr, bll taken from the previous
// pixel's re, gr, bl in the pattern krgb (1..27); any other krgb keeps them.
void crossOver(GenerationState& s);

}  // namespace momentart::colouring
