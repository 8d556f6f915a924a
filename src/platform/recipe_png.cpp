#include "platform/recipe_png.h"

#include <QFileInfo>
#include <QImageReader>

#include "engine/generation/catalogue.h"
#include "platform/image_convert.h"
#include "platform/pictures_folder.h"

namespace momentart {

namespace {
const char* const kRecipeKey = "Recipe";
}  // namespace

QString softwareText() { return QStringLiteral("momentart " MOMENTART_VERSION); }

ImageTexts pictureTexts(const Recipe& recipe, const GenerationState& after, const Interest& interest) {
    ImageTexts texts = {
        {"Software", softwareText()},
        {"Title", QString::fromStdString(after.imeslike)},
        {"Type", QString::number(imageType(after))},
        {"Seed", QString::number(recipe.seed)},
        {"Scale", QString::number(recipe.scale)},
        {"Interest", QString::fromStdString(interestText(interest))},
        {kRecipeKey, QString::fromStdString(encodeRecipe(recipe))},
    };
    if (recipe.variation.kind != VariationKind::None)
        texts.insert(texts.size() - 1, {"Variation", QString::fromStdString(variationText(recipe.variation))});
    return texts;
}

WriteResult writePicture(const QString& path, const Canvas& canvas, const Recipe& recipe,
                         const GenerationState& after, bool replace,
                         const std::optional<Interest>& measured, int jobs) {
    return writeImage(toRgb888(canvas, jobs), path, replace,
                      pictureTexts(recipe, after, measured ? *measured : measureInterest(canvas, jobs)), jobs);
}

SavedPicture savePictureToPicturesFolder(const Canvas& canvas, const Recipe& recipe,
                                         const GenerationState& after, int jobs) {
    const QString folder = defaultPicturesFolder();
    if (const QString error = ensureFolder(folder); !error.isEmpty()) return {false, {}, error};
    const QString path = freePath(folder, savedPictureName(after.imeslike, recipe), "png");
    const WriteResult written = writePicture(path, canvas, recipe, after, false, std::nullopt, jobs);
    if (!written.ok) return {false, path, written.error};
    return {true, path, {}};
}

RecipeFromFile readRecipeFromPicture(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) return {std::nullopt, path + ": a folder, not a picture"};
    if (!info.exists()) return {std::nullopt, path + ": no such file"};
    if (!info.isFile()) return {std::nullopt, path + ": not a regular file (a device or a pipe)"};
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead())
        return {std::nullopt, path + ": cannot read it as a picture (" + reader.errorString() + ")"};
    if (reader.format() != "png")
        return {std::nullopt, path + ": not a PNG file, so it carries no recipe"};
    // The image's own texts keep their line ends (the reader's text() folds
    // them into spaces).
    const QImage image = reader.read();
    if (image.isNull())
        return {std::nullopt, path + ": cannot read it as a picture (" + reader.errorString() + ")"};
    const QString text = image.text(kRecipeKey);
    if (text.isEmpty())
        return {std::nullopt, path + ": this PNG carries no recipe (it is not a picture momentart wrote, "
                                     "or its texts were removed)"};
    const RecipeReading read = decodeRecipe(text.toStdString());
    if (!read.recipe)
        return {std::nullopt, path + ": damaged recipe: " + QString::fromStdString(read.error)};
    return {read.recipe, {}};
}

}  // namespace momentart
