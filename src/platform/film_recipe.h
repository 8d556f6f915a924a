// The recipe a film carries: an MP4's or WebM's comment (read with
// libavformat), a WebP's XMP (libwebp), an APNG's PNG texts.
#pragma once

#include <QString>

#include "platform/recipe_png.h"

namespace momentart {

// Reads the recipe of a film momentart made (.mp4, .webm, .apng, .webp).
RecipeFromFile readRecipeFromFilm(const QString& path);

}  // namespace momentart
