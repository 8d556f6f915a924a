// A picture saved as a 24-bit bitmap with its recipe beside it
// (`<name>.bmp` and `<name>.recipe`), so the bitmap can be made again. The
// two are one save: both files are written whole before either takes its
// name, so a full disk leaves neither. A file that holds another picture is
// never written over.
#pragma once

#include <QImage>
#include <QString>
#include <functional>

#include "engine/recipe.h"
#include "platform/whole_file.h"

namespace momentart {

struct BitmapSave {
    enum class Outcome { Written, AlreadySaved, Failed };
    Outcome outcome = Outcome::Failed;
    QString path;   // the bitmap written, found or meant
    QString error;  // why not, when Failed
};

// Writes `image` as the bitmap `path` and the recipe as `<name>.recipe`
// beside it, under the rule `ifTaken` (a name is free when both of its
// files are).
WriteResult writeBitmapWithRecipe(const QImage& image, const Recipe& recipe, const QString& path, IfTaken ifTaken);

// The window's save: `image` as `folder/name.bmp`; when that file holds
// another picture, as `name-2.bmp`, `-3`, ... When a bitmap of that name
// already holds these very pixels it says so and only adds the recipe if it
// is missing.
BitmapSave saveBitmapWithRecipe(const QImage& image, const Recipe& recipe, const QString& folder,
                                const QString& name);

}  // namespace momentart
