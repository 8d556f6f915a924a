#include "platform/picture_file.h"

#include "platform/bitmap_with_recipe.h"
#include "platform/image_convert.h"
#include "platform/recipe_png.h"

namespace momentart {

WriteResult writePicture(const QString& path, const Canvas& canvas, const Recipe& recipe,
                         const GenerationState& after, IfTaken ifTaken,
                         const std::optional<Interest>& measured, int jobs) {
    if (formatOfPath(path) == ImageFormat::Bmp)
        return writeBitmapWithRecipe(toRgb888(canvas, jobs), recipe, path, ifTaken);
    return writeImage(toRgb888(canvas, jobs), path, ifTaken,
                      pictureTexts(recipe, after, measured ? *measured : measureInterest(canvas, jobs)), jobs);
}

}  // namespace momentart
