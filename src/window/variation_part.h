// The part the variations grid draws anew, chosen with a key while the grid
// is open, as `momentart vary --what` chooses it: C centres, O colours,
// F formula, Z zoom. The grid's caption names them and the part in use.
#pragma once

#include <QString>
#include <optional>

#include "engine/generation/variation.h"

namespace momentart {

// The part a key of the grid chooses; none for any other key.
std::optional<VariationKind> variationPartOfKey(int key);

// How to use the grid, and which part it varies now; `fixedByType`, when
// not 0, is the type of the picture that fixes that part.
QString variationGridCaption(VariationKind part, int fixedByType);

}  // namespace momentart
