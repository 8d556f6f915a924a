// saveimage: copies the picture into the export canvas, pixel by pixel,
// advancing the progress mark above the picture column by column, then writes
// the copy as a 24-bit bitmap named after the picture at a drive's root, with
// its recipe beside it (platform/bitmap_with_recipe.h).
#pragma once

#include <QString>

#include "engine/canvas.h"
#include "engine/recipe.h"
#include "engine/state.h"
#include "platform/bitmap_with_recipe.h"
#include "window/progress_mark.h"
// The folders saveimage is given: the session picks them here.
#include "window/drive_folders.h"

namespace momentart {

// Copies every pixel of `picture` into `exportCanvas` (copyForExport, which
// leaves `i` and `j` of `s` at 601 and 451), advancing `mark` column by
// column, then writes `exportCanvas` as a bitmap to `root/<imeslike>.bmp`
// (savedPictureName) with `recipe` beside it. A file holding another
// picture is kept and the next free name (`-2`, ...) taken; a bitmap that
// holds this picture already is left as it is. A failed write leaves no
// file behind and says why.
BitmapSave saveimage(GenerationState& s, const Canvas& picture, Canvas& exportCanvas, ProgressMark& mark,
                     const QString& root, const Recipe& recipe);

}  // namespace momentart
