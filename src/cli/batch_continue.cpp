#include "cli/batch_continue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "engine/picture_summary.h"
#include "engine/startup.h"
#include "platform/png_texts.h"
#include "platform/recipe_png.h"
#include "platform/shown_path.h"

namespace momentart {

namespace {

// Whether the seed is one the plan may try.
bool inPlan(std::uint64_t seed, const BatchPlan& plan) {
    return seed >= plan.firstSeed && seed - plan.firstSeed < static_cast<std::uint64_t>(seedsToTry(plan));
}

// Whether a batch of `plan` may have named a picture of that type and seed.
bool namedByPlan(int type, std::uint64_t seed, const BatchPlan& plan) {
    return inPlan(seed, plan) && (plan.type == 0 || type == plan.type);
}

// Whether the file reads through as a PNG.
bool readable(const QString& path) {
    const PngTexts png = readPngTexts(path);
    return png.isPng && png.error.isEmpty();
}

// Whether `found` is the recipe a batch of `plan` gives its seed: a fresh
// start-up state with that seed, nothing drawn anew, the plan's settings.
// The moment may differ: it only names the picture.
bool madeByPlan(const Recipe& found, const BatchPlan& plan) {
    if (!inPlan(found.seed, plan)) return false;
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

FolderPictures findBatchPictures(const BatchPlan& plan) {
    // The names are a first sieve; the recipe decides.
    static const QRegularExpression batchName("-type(\\d+)-seed(\\d+)(-\\d+)?\\.png$");
    FolderPictures found;
    const QDir dir(plan.folder);
    for (const QString& file : dir.entryList({"*.png"}, QDir::Files, QDir::Name)) {
        const QRegularExpressionMatch match = batchName.match(file);
        if (!match.hasMatch()) continue;
        const QString path = dir.filePath(file);
        const RecipeFromFile read = readRecipeFromPicture(path);
        if (!read.recipe) {
            if (namedByPlan(match.captured(1).toInt(), match.captured(2).toLongLong(), plan) && !readable(path))
                found.damaged << path;
            continue;
        }
        if (!madeByPlan(*read.recipe, plan) || found.whole.count(read.recipe->seed) != 0) continue;
        const PictureSummary summary = summarizePicture(*read.recipe);
        found.whole[read.recipe->seed] = {path, QString::fromStdString(summary.name), summary.type, read.recipe->seed,
                                          true};
    }
    return found;
}

QStringList setAsideDamaged(const QStringList& damaged, QString& error) {
    QStringList setAside;
    for (const QString& path : damaged) {
        QString aside = path + ".damaged";
        for (int n = 2; QFileInfo::exists(aside); ++n) aside = QString("%1.%2.damaged").arg(path).arg(n);
        QFile file(path);
        if (!file.rename(aside)) {
            error = QString("cannot set the damaged picture %1 aside: %2")
                        .arg(shownPath(path), file.errorString());
            return setAside;
        }
        setAside << aside;
    }
    return setAside;
}

}  // namespace momentart
