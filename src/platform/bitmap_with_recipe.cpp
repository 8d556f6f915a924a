#include "platform/bitmap_with_recipe.h"

#include <QDir>
#include <QFileInfo>

#include "platform/image_files.h"
#include "platform/recipe_file.h"

namespace momentart {

namespace {
bool holdsSamePixels(const QString& path, const QImage& image) {
    const QImage existing(path, "bmp");
    return !existing.isNull() && existing.size() == image.size() &&
           existing.convertToFormat(QImage::Format_RGB32) == image.convertToFormat(QImage::Format_RGB32);
}
}  // namespace

BitmapSave saveBitmapWithRecipe(const QImage& image, const Recipe& recipe, const QString& folder,
                                const QString& name) {
    using Outcome = BitmapSave::Outcome;
    // Walk name.bmp, name-2.bmp, ... (freePath's names) to the first that is
    // free or already holds this picture.
    const QDir dir(folder);
    QString target;
    bool same = false;
    for (int n = 1; target.isEmpty(); ++n) {
        const QString candidate = dir.filePath(n == 1 ? name + ".bmp" : QString("%1-%2.bmp").arg(name).arg(n));
        same = QFileInfo::exists(candidate) && holdsSamePixels(candidate, image);
        if (same || !QFileInfo::exists(candidate)) target = candidate;
    }
    const QString recipePath = recipePathBeside(target);
    if (same) {
        if (!QFileInfo::exists(recipePath)) {
            const WriteResult written = writeRecipeFile(recipePath, recipe, false);
            if (!written.ok) return {Outcome::Failed, target, written.error};
        }
        return {Outcome::AlreadySaved, target, {}};
    }
    const WriteResult bitmap = writeImage(image, target, false);
    if (!bitmap.ok) return {Outcome::Failed, target, bitmap.error};
    // A recipe left beside a bitmap that is gone belongs to no picture.
    const WriteResult written = writeRecipeFile(recipePath, recipe, true);
    if (!written.ok) return {Outcome::Failed, target, written.error};
    return {Outcome::Written, target, {}};
}

}  // namespace momentart
