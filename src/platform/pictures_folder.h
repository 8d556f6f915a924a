// Where pictures and films go when the user names no file.
#pragma once

#include <QString>
#include <string>

#include "engine/recipe.h"

namespace momentart {

// The user's Pictures folder (the home folder where there is none).
QString picturesFolder();

// The `momentart` folder inside the user's Pictures folder (not created).
QString defaultPicturesFolder();

// The `momentart` folder inside the user's Videos folder (the home folder
// where there is none), where films go (not created).
QString defaultVideosFolder();

// The name a saved picture's file takes (without its extension): the
// picture's name, then what sets the file apart from the picture itself:
// "-centres3" for a variation, "-x4" for a print scale.
QString savedPictureName(const std::string& pictureName, const Recipe& recipe);

// Creates `folder` (and its parents) if missing; on failure returns a
// message naming the folder and why.
QString ensureFolder(const QString& folder);

// "HOME is not set" where the home folder is read from HOME and it is not
// set (the folders built on it would be made at the root), or an empty
// string.
QString homeMissing();

// The momentart folder of the Pictures folder, created if missing; or why
// there is none.
struct ReadyFolder {
    QString path;
    QString error;  // one line, when there is no folder
};
ReadyFolder readyPicturesFolder();
// The same of the momentart folder of the Videos folder.
ReadyFolder readyVideosFolder();

}  // namespace momentart
