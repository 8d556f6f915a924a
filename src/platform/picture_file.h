// A picture written to the file its path names: a PNG carrying its recipe,
// or a bitmap with the recipe beside it.
#pragma once

#include <QString>
#include <optional>

#include "engine/canvas.h"
#include "engine/interest.h"
#include "engine/recipe.h"
#include "engine/state.h"
#include "platform/image_files.h"

namespace momentart {

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

}  // namespace momentart
