#include "cli/batch_continue.h"

#include <QDir>
#include <QRegularExpression>

#include "engine/picture_summary.h"
#include "engine/startup.h"
#include "platform/recipe_png.h"

namespace momentart {

namespace {

// Whether `found` is the recipe a batch of `plan` gives its seed: a fresh
// start-up state with that seed, nothing drawn anew, the plan's settings.
// The moment may differ: it only names the picture.
bool madeByPlan(const Recipe& found, const BatchPlan& plan) {
    if (found.seed < plan.firstSeed || found.seed - plan.firstSeed >= static_cast<std::uint32_t>(seedsToTry(plan)))
        return false;
    Recipe fresh = found;
    fresh.before = GenerationState{};
    startup(fresh.before, found.seed);
    fresh.forcedType = plan.type;
    fresh.stamp = plan.stamp;
    fresh.scale = plan.scale;
    fresh.variation = {};
    return encodeRecipe(fresh) == encodeRecipe(found);
}

}  // namespace

std::map<std::uint32_t, BatchPicture> findWholePictures(const BatchPlan& plan) {
    // The names are a first sieve; the recipe decides.
    static const QRegularExpression batchName("-type\\d+-seed(\\d+)(-\\d+)?\\.png$");
    std::map<std::uint32_t, BatchPicture> found;
    const QDir dir(plan.folder);
    for (const QString& file : dir.entryList({"*.png"}, QDir::Files, QDir::Name)) {
        const QRegularExpressionMatch match = batchName.match(file);
        if (!match.hasMatch()) continue;
        const QString path = dir.filePath(file);
        const RecipeFromFile read = readRecipeFromPicture(path);
        if (!read.recipe || !madeByPlan(*read.recipe, plan) || found.count(read.recipe->seed) != 0) continue;
        const PictureSummary summary = summarizePicture(*read.recipe);
        found[read.recipe->seed] = {path, QString::fromStdString(summary.name), summary.type, read.recipe->seed, true};
    }
    return found;
}

}  // namespace momentart
