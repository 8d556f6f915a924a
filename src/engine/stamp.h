// signimage: prints the picture's signature line along the bottom.
#pragma once

#include <string>

#include "engine/canvas.h"
#include "engine/host.h"
#include "engine/state.h"

namespace momentart {

inline constexpr int kStampPoints = 9;
inline constexpr ColourNumber kStampColour = colourOf(255, 255, 255);
inline constexpr int kStampTop = 425;

// The type number as the stamp prints it: a blank, then the decimal number.
std::string stampedTypeNumber(double izbor);

// Prints `imeslike`, `tekst1`, `tekst2` and the type number at their places;
// in a picture of scale K, K times as large at K times the places.
void signimage(const GenerationState& s, Canvas& canvas, TextPrinter& printer, int scale = 1);

}  // namespace momentart
