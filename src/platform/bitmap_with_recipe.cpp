#include "platform/bitmap_with_recipe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <memory>

#include "platform/image_files.h"
#include "platform/output_path.h"
#include "platform/recipe_file.h"
#include "platform/shown_path.h"

namespace momentart {

namespace {

using Outcome = BitmapSave::Outcome;

bool holdsSamePixels(const QString& path, const QImage& image) {
    const QImage existing(path, "bmp");
    return !existing.isNull() && existing.size() == image.size() &&
           existing.convertToFormat(QImage::Format_RGB32) == image.convertToFormat(QImage::Format_RGB32);
}

// The bitmap and its recipe, written whole, waiting for their names.
struct PendingPair {
    std::unique_ptr<PendingFile> bitmap;
    std::unique_ptr<PendingFile> recipe;
};

// Gives the pair the names `bitmap` and its recipe beside it. The recipe
// takes its name first: a name whose recipe is there counts as taken, so no
// other save puts its bitmap beside it.
PendingFile::Placed placePair(PendingPair& pair, const QString& bitmap, bool replace, QString& why) {
    const QString beside = recipePathBeside(bitmap);
    const PendingFile::Placed recipe = pair.recipe->place(beside, replace, why);
    if (recipe != PendingFile::Placed::Yes) return recipe;
    const PendingFile::Placed placed = pair.bitmap->place(bitmap, replace, why);
    if (placed != PendingFile::Placed::Yes && !pair.recipe->takeBack(beside)) QFile::remove(beside);
    return placed;
}

// What is in the way of a pair at `path` before any work: an error line, or
// nothing.
QString pairProblem(const QString& path, IfTaken ifTaken) {
    if (ifTaken == IfTaken::NextFreeName) return outputFolderProblem(path);
    const bool replace = ifTaken == IfTaken::Replace;
    if (const QString problem = outputPathProblem(path, replace); !problem.isEmpty()) return problem;
    return outputPathProblem(recipePathBeside(path), replace);
}

// Both files written to temporary files in `folder`: an error line, or
// nothing.
QString writePair(const QImage& image, const Recipe& recipe, const QString& path, PendingPair& pair) {
    QByteArray bytes;
    if (const QString error = encodeImage(image, ImageFormat::Bmp, {}, bytes); !error.isEmpty())
        return path + ": cannot encode the picture (" + error + ")";
    const QString folder = QFileInfo(path).path();
    pair.bitmap = std::make_unique<PendingFile>(folder, bytes);
    if (!pair.bitmap->error().isEmpty()) return shownPath(path) + ": " + pair.bitmap->error();
    pair.recipe = std::make_unique<PendingFile>(folder, recipeFileBytes(recipe));
    if (!pair.recipe->error().isEmpty())
        return shownPath(recipePathBeside(path)) + ": " + pair.recipe->error() + "; the bitmap is not saved without it";
    return {};
}

// Saves the pair at `path` under the rule `ifTaken`; where a bitmap already
// holds the picture (`holdsIt`, if given), only its missing recipe is added.
BitmapSave savePair(const QImage& image, const Recipe& recipe, const QString& path, IfTaken ifTaken,
                    const std::function<bool(const QString&)>& holdsIt) {
    if (const QString problem = pairProblem(path, ifTaken); !problem.isEmpty()) return {Outcome::Failed, path, problem};
    const bool numbered = ifTaken == IfTaken::NextFreeName;
    PendingPair pair;
    for (int n = 1; n <= kMostNames; ++n) {
        const QString target = numbered ? numberedPath(path, n) : path;
        const QString beside = recipePathBeside(target);
        if (holdsIt && QFileInfo::exists(target) && holdsIt(target)) {
            if (!QFileInfo::exists(beside)) {
                const WriteResult added = writeRecipeFile(beside, recipe, IfTaken::Fail);
                if (!added.ok && !QFileInfo::exists(beside)) return {Outcome::Failed, target, added.error};
            }
            return {Outcome::AlreadySaved, target, {}};
        }
        if (numbered && (QFileInfo::exists(target) || QFileInfo::exists(beside))) continue;
        if (!pair.bitmap) {
            if (const QString error = writePair(image, recipe, target, pair); !error.isEmpty())
                return {Outcome::Failed, target, error};
        }
        QString why;
        switch (placePair(pair, target, ifTaken == IfTaken::Replace, why)) {
            case PendingFile::Placed::Yes: return {Outcome::Written, target, {}};
            case PendingFile::Placed::Failed: return {Outcome::Failed, target, shownPath(target) + ": " + why};
            case PendingFile::Placed::Taken:
                if (!numbered) return {Outcome::Failed, target, shownPath(target) + ": " + failureText(EEXIST)};
                // Taken a moment ago: look at it again, it may be this picture.
                if (holdsIt && QFileInfo::exists(target)) --n;
                break;
        }
    }
    return {Outcome::Failed, path, path + QString(": every name up to -%1 is taken").arg(kMostNames)};
}

}  // namespace

WriteResult writeBitmapWithRecipe(const QImage& image, const Recipe& recipe, const QString& path, IfTaken ifTaken) {
    const BitmapSave saved = savePair(image, recipe, path, ifTaken, {});
    if (saved.outcome == Outcome::Failed) return {false, saved.error, {}};
    return {true, {}, saved.path};
}

BitmapSave saveBitmapWithRecipe(const QImage& image, const Recipe& recipe, const QString& folder,
                                const QString& name) {
    return savePair(image, recipe, QDir(folder).filePath(name + ".bmp"), IfTaken::NextFreeName,
                    [&image](const QString& bitmap) { return holdsSamePixels(bitmap, image); });
}

}  // namespace momentart
