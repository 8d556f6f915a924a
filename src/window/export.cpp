#include "window/export.h"

#include "engine/export_copy.h"
#include "platform/image_convert.h"
#include "platform/pictures_folder.h"

namespace momentart {

BitmapSave saveimage(GenerationState& s, const Canvas& picture, Canvas& exportCanvas, ProgressMark& mark,
                     const QString& root, const Recipe& recipe) {
    copyForExport(s, picture, exportCanvas, [&mark](int column) { mark.columnDone(column); });
    mark.finish();
    return saveBitmapWithRecipe(toQImage(exportCanvas), recipe, root, savedPictureName(s.imeslike, recipe));
}

}  // namespace momentart
