// PNG files that carry their recipe: Software, Title, Type, Seed, Scale,
// Interest and Recipe texts (docs/recipe.md), and reading the recipe back
// from such a file. Writing a picture with them is platform/picture_file.h.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "engine/interest.h"
#include "platform/image_files.h"
#include "engine/recipe.h"
#include "engine/state.h"
// Both sessions find Keep's save place through this header.
#include "platform/keep_place.h"

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
