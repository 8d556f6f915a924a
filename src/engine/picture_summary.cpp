#include "engine/picture_summary.h"

#include <cmath>

#include "engine/generation/run.h"

namespace momentart {

namespace {
int whole(double value) { return static_cast<int>(std::lround(value)); }
}  // namespace

PictureSummary summarizePicture(const Recipe& recipe) {
    // The run's plan decides every selector before the first pixel; the
    // pixels only read them (cross mode swaps v1, v2 and puts them back).
    GenerationState s = recipe.before;
    FixedMomentClock clock(recipe.seed, recipe.moment);
    const RunPlan plan = planRun(s, clock, RunOptions{recipe.forcedType});
    PictureSummary summary;
    summary.name = s.imeslike;
    summary.type = whole(s.izbor);
    summary.seed = recipe.seed;
    summary.group = whole(plan.v1run);
    summary.formula = whole(plan.v2run);
    summary.cross = plan.krizanje == 2;
    summary.crossGroup = whole(plan.v1alt);
    summary.crossFormula = whole(plan.v2alt);
    summary.family = whole(s.barve);
    summary.scheme = whole(s.tip);
    summary.drawingMode = whole(s.nacin);
    return summary;
}

}  // namespace momentart
