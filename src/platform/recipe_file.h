// Recipes kept as small text files beside a bitmap or in the history: the
// same text as a PNG's Recipe (docs/recipe.md), in `<picture name>.recipe`.
// And reading the recipe of any picture file momentart writes.
#pragma once

#include <QByteArray>
#include <QString>

#include "engine/recipe.h"
#include "platform/image_files.h"
#include "platform/recipe_png.h"

namespace momentart {

// The extension of a recipe file, without the dot.
inline constexpr const char* kRecipeExtension = "recipe";

// `folder/T2026.bmp` -> `folder/T2026.recipe`: where a bitmap's recipe lies.
QString recipePathBeside(const QString& picturePath);

// The bytes of a recipe file.
QByteArray recipeFileBytes(const Recipe& recipe);

// Writes the recipe's text to `path`, whole or not at all, under the rule
// `ifTaken`.
WriteResult writeRecipeFile(const QString& path, const Recipe& recipe, IfTaken ifTaken);

// Reads a recipe file.
RecipeFromFile readRecipeFile(const QString& path);

// The recipe of a picture file: a PNG carries its own, a bitmap has
// `<name>.recipe` beside it, a `.recipe` file is one, a film carries its
// picture's (film_recipe.h).
RecipeFromFile readRecipeOfAnyFile(const QString& path);

// Whether readRecipeOfAnyFile reads files of this name: .png, .bmp, .recipe
// and the films (.mp4, .webm, .apng, .webp), any case.
bool carriesRecipe(const QString& path);

}  // namespace momentart
