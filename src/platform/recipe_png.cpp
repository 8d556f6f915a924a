#include "platform/recipe_png.h"

#include <QImageReader>

#include "engine/generation/catalogue.h"
#include "platform/path_status.h"
#include "platform/png_texts.h"
#include "platform/shown_path.h"

namespace momentart {

namespace {
const char* const kRecipeKey = "Recipe";
}  // namespace

QString softwareText() { return QStringLiteral("momentart " MOMENTART_VERSION); }

ImageTexts recipeTexts(const Recipe& recipe, const QString& name, int type) {
    ImageTexts texts = {
        {"Software", softwareText()},
        {"Title", name},
        {"Type", QString::number(type)},
        {"Seed", QString::number(recipe.seed)},
        {"Scale", QString::number(recipe.scale)},
        {kRecipeKey, QString::fromStdString(encodeRecipe(recipe))},
    };
    if (recipe.variation.kind != VariationKind::None)
        texts.insert(texts.size() - 1, {"Variation", QString::fromStdString(variationText(recipe.variation))});
    return texts;
}

ImageTexts pictureTexts(const Recipe& recipe, const GenerationState& after, const Interest& interest) {
    ImageTexts texts = recipeTexts(recipe, QString::fromStdString(after.imeslike), imageType(after));
    // After the Scale, as the texts have always been ordered.
    texts.insert(5, {"Interest", QString::fromStdString(interestText(interest))});
    return texts;
}

namespace {
QString tooLargeRecipe() { return QString("its recipe is too large to be one (over %1 bytes)").arg(kLargestRecipe); }
}  // namespace

RecipeFromFile readRecipeFromPicture(const QString& path) {
    const auto refused = [&path](const QString& why) { return RecipeFromFile{std::nullopt, shownPath(path) + ": " + why}; };
    if (const QString problem = fileToReadProblem(path, "picture"); !problem.isEmpty()) return refused(problem);
    const PngTexts png = readPngTexts(path);
    if (!png.isPng) {
        if (!png.error.isEmpty()) return refused("cannot read it (" + png.error + ")");
        // Only the header is looked at: another format's decoder is never run.
        if (!QImageReader::imageFormat(path).isEmpty()) return refused("not a PNG file, so it carries no recipe");
        return refused("cannot read it as a picture (not a picture file)");
    }
    if (!png.error.isEmpty()) return refused("cannot read it as a picture (" + png.error + ")");
    if (png.tooLarge.contains(kRecipeKey)) return refused(tooLargeRecipe());
    QStringList recipes;
    for (const auto& [key, value] : png.texts)
        if (key == kRecipeKey) recipes << value;
    if (recipes.isEmpty() && !png.dropped.isEmpty())
        return refused("this PNG carries no recipe that can be read: a text of it was left out (" + png.dropped + ")");
    if (recipes.isEmpty())
        return refused("this PNG carries no recipe (it is not a picture momentart wrote, or its texts were removed)");
    return decodeCarriedRecipe(path, recipes, "PNG");
}

RecipeFromFile decodeCarriedRecipe(const QString& path, const QStringList& recipes, const QString& carrier) {
    const auto refused = [&path](const QString& why) { return RecipeFromFile{std::nullopt, shownPath(path) + ": " + why}; };
    if (recipes.size() > 1)
        return refused(QString("this %1 carries %2 recipes, so it is not known which picture it is")
                           .arg(carrier)
                           .arg(recipes.size()));
    const QByteArray text = recipes.first().toUtf8();
    if (text.size() > kLargestRecipe) return refused(tooLargeRecipe());
    const RecipeReading read = decodeRecipe(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    if (!read.recipe) return refused("damaged recipe: " + QString::fromStdString(read.error));
    return {read.recipe, {}};
}

}  // namespace momentart
