// Painting one pixel: from three channel levels (families 3 and 5) or from a
// colour number (family 2). A painting statement that fails leaves the pixel
// as it was.
#pragma once

#include <optional>

#include "engine/formulas/guarded.h"
#include "engine/canvas.h"

namespace momentart::colouring {

// Where the call paints: px = i + zamikx, py = j + zamiky.
struct Spot {
    double px = 0;
    double py = 0;
};

// v rounded half to even and converted to a whole number in lo..hi; nothing
// when v failed or the rounded value lies outside the range.
std::optional<long long> wholeIn(double v, double lo, double hi);

// Paints the colour of three levels. Each level is rounded to a 16-bit
// integer; a failed level, one outside -32768..32767, or a negative one
// leaves the pixel; a level above 255 counts as 255.
void paintLevels(Canvas& canvas, Spot at, Num red, Num green, Num blue);

// Paints a colour number rounded to a 32-bit integer; one outside the 32-bit
// range or outside 0..16777215 leaves the pixel.
void paintColourNumber(Canvas& canvas, Spot at, Num number);

}  // namespace momentart::colouring
