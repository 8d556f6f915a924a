// Where pictures go when the user names no file.
#pragma once

#include <QString>

namespace momentart {

// The user's Pictures folder (the home folder where there is none).
QString picturesFolder();

// The `momentart` folder inside the user's Pictures folder (not created).
QString defaultPicturesFolder();

// Creates `folder` (and its parents) if missing; on failure returns a
// message naming the folder.
QString ensureFolder(const QString& folder);

}  // namespace momentart
