// What makes a picture of the window again. Its recipe always does
// (`render --from`); its timer seed alone does only where the run found the
// state start-up gives for that seed: the first picture of a start whose
// two timer reads agreed, or a picture of a batch. A later picture also
// depends on what the pictures before it left in the state.
#pragma once

#include <QString>

#include "engine/recipe.h"

namespace momentart {

// The `momentart render --seed S [--type T] [--no-stamp]` that makes the
// recipe's picture (named for when it runs), or empty when none does.
QString freshRenderCommand(const Recipe& recipe);

}  // namespace momentart
