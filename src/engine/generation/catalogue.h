// izborslike: the catalogue of the 58 image types, 9..66. A type is a preset
// of the eight selector fields; a 0 leaves the selector to the run's draws.
#pragma once

#include "engine/state.h"

namespace momentart {

inline constexpr int kFirstType = 9;
inline constexpr int kLastType = 66;

// Picks the image type and writes its preset. With `izbors` = 1 it does
// nothing at all (the previous type and its preset values carry over). With
// `forcedType` in 9..66 it writes that row instead of drawing a type.
void izborslike(GenerationState& s, int forcedType = 0);

// The image type the state's last run made (`izbor`), the one number that
// is printed and stored with the picture. A run leaves `izbor` whole.
int imageType(const GenerationState& s);

}  // namespace momentart
