// PNG files that carry their recipe: Software, Title, Type, Seed, Scale,
// Interest and Recipe texts (docs/recipe.md), and reading the recipe back
// from such a file.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "engine/canvas.h"
#include "engine/interest.h"
#include "platform/image_files.h"
#include "engine/recipe.h"
#include "engine/state.h"

namespace momentart {

// "momentart" and the version: the Software text of every PNG we write.
QString softwareText();

// The texts that say what a picture is and how to make it again: Software,
// Title (its name), Type, Seed, Scale, Variation (for a variation) and Recipe.
ImageTexts recipeTexts(const Recipe& recipe, const QString& name, int type);

// The texts of a picture's PNG: recipeTexts and the Interest. `after` is the
// state the run left (its name and type), `interest` what measureInterest
// found in its canvas.
ImageTexts pictureTexts(const Recipe& recipe, const GenerationState& after, const Interest& interest);

// Writes the picture as a PNG carrying its texts, or as a bitmap (.bmp,
// which has no room for texts) with its recipe beside it
// (platform/bitmap_with_recipe.h). Whole or not at all, under the rule
// `ifTaken`. `measured` saves measuring the canvas again when its Interest
// is known already. A large picture is measured, converted and compressed on
// `jobs` threads.
WriteResult writePicture(const QString& path, const Canvas& canvas, const Recipe& recipe,
                         const GenerationState& after, IfTaken ifTaken,
                         const std::optional<Interest>& measured = std::nullopt, int jobs = 1);

// The same, replacing an existing file only when `replace` is true.
inline WriteResult writePicture(const QString& path, const Canvas& canvas, const Recipe& recipe,
                                const GenerationState& after, bool replace = false,
                                const std::optional<Interest>& measured = std::nullopt, int jobs = 1) {
    return writePicture(path, canvas, recipe, after, replace ? IfTaken::Replace : IfTaken::Fail, measured, jobs);
}

struct SavedPicture {
    bool ok = false;
    QString path;   // where it went
    QString error;  // why not, when !ok
};

// Ctrl+S in the window: saves the current picture as a PNG with its recipe
// into the momentart folder of the user's Pictures folder (created if
// missing), under the picture's name (savedPictureName), with -2, -3, ...
// added rather than replacing a file. `recipe` is what makeimageRecorded returned for this
// picture, `after` the state as the run left it; `jobs` as writePicture's.
SavedPicture savePictureToPicturesFolder(const Canvas& canvas, const Recipe& recipe,
                                         const GenerationState& after, int jobs = 1);

struct RecipeFromFile {
    std::optional<Recipe> recipe;
    QString error;  // one line: the file, and what is wrong with it
};

// The most bytes a recipe may have, in a file or in a PNG: a recipe is
// about 3 KB, and anything far larger is not one and is not decoded.
inline constexpr qint64 kLargestRecipe = 64 * 1024;

// Reads the recipe of a PNG that momentart wrote. A PNG with two recipes is
// refused: its Title and Seed could belong to either.
RecipeFromFile readRecipeFromPicture(const QString& path);

// The one recipe among `recipes` (at least one), the recipe texts the file
// `path` carries, decoded; refused when there are two or more, or one too
// large. `carrier` names the kind of file in the error ("PNG", "film").
RecipeFromFile decodeCarriedRecipe(const QString& path, const QStringList& recipes, const QString& carrier);

}  // namespace momentart
