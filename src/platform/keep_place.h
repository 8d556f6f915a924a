// Where Keep puts a picture: the momentart folder of the Pictures folder,
// never over another file.
#pragma once

#include <QString>

#include "engine/canvas.h"
#include "engine/recipe.h"
#include "engine/state.h"

namespace momentart {

struct SavedPicture {
    bool ok = false;
    QString path;   // where it went
    QString error;  // why not, when !ok
};

// Keep, in the window and in the frame: saves the current picture as a PNG
// with its recipe into the momentart folder of the user's Pictures folder
// (created if missing), under the picture's name (savedPictureName), with
// -2, -3, ... added rather than replacing a file. `recipe` is what makeimageRecorded returned for this
// picture, `after` the state as the run left it; `jobs` as writePicture's.
SavedPicture savePictureToPicturesFolder(const Canvas& canvas, const Recipe& recipe,
                                         const GenerationState& after, int jobs = 1);

}  // namespace momentart
