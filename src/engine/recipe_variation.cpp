#include "engine/recipe_variation.h"

namespace momentart {

Recipe variationRecipe(const Recipe& picture, const Variation& variation) {
    Recipe varied = picture;
    varied.variation = variation;
    return varied;
}

GenerationState plannedState(const Recipe& picture) {
    GenerationState planned = picture.before;
    FixedMomentClock clock(picture.seed, picture.moment);
    planRun(planned, clock, RunOptions(picture.forcedType));
    return planned;
}

}  // namespace momentart
