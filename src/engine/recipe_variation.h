// Variations of a recorded picture: the recipe of a sibling, and whether the
// picture's type leaves a part free to vary.
#pragma once

#include "engine/generation/variation.h"
#include "engine/recipe.h"

namespace momentart {

// The recipe of the variation `variation` of the picture `picture`: the same
// state, seed, moment, type and stamp, and that one part drawn anew. A
// variation of a variation replaces its variation.
Recipe variationRecipe(const Recipe& picture, const Variation& variation);

// The state of the picture's run just before its first pixel (its type,
// name, switches and draws), found without painting; variationFree reads
// whether the type leaves a part free.
GenerationState plannedState(const Recipe& picture);

}  // namespace momentart
