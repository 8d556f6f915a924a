#include "platform/recipe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/path_status.h"

#include "platform/film_recipe.h"
#include "platform/film_writer.h"
#include "platform/shown_path.h"

namespace momentart {

namespace {
bool isRecipePath(const QString& path) {
    return QFileInfo(path).suffix().compare(kRecipeExtension, Qt::CaseInsensitive) == 0;
}
}  // namespace

QString recipePathBeside(const QString& picturePath) {
    // The path as given, only its extension changed.
    const QString suffix = QFileInfo(picturePath).suffix();
    const QString base = suffix.isEmpty() ? picturePath + "." : picturePath.chopped(suffix.size());
    return base + kRecipeExtension;
}

QByteArray recipeFileBytes(const Recipe& recipe) { return QByteArray::fromStdString(encodeRecipe(recipe)); }

WriteResult writeRecipeFile(const QString& path, const Recipe& recipe, IfTaken ifTaken) {
    return writeWholeFile(recipeFileBytes(recipe), path, ifTaken);
}

RecipeFromFile readRecipeFile(const QString& path) {
    if (const QString problem = fileToReadProblem(path, "recipe file"); !problem.isEmpty())
        return {std::nullopt, shownPath(path) + ": " + problem};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {std::nullopt, shownPath(path) + ": " + file.errorString()};
    // Anything far larger than a recipe is not one, and is not read into
    // memory whole.
    if (file.size() > kLargestRecipe)
        return {std::nullopt, path + ": too large to be a recipe (" + QString::number(file.size()) + " bytes)"};
    const QByteArray text = file.readAll();
    const RecipeReading read = decodeRecipe(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
    if (!read.recipe) return {std::nullopt, path + ": damaged recipe: " + QString::fromStdString(read.error)};
    return {read.recipe, {}};
}

RecipeFromFile readRecipeOfAnyFile(const QString& path) {
    if (isRecipePath(path)) return readRecipeFile(path);
    if (formatOfPath(path) == ImageFormat::Bmp) {
        if (const QString problem = fileToReadProblem(path, "picture"); !problem.isEmpty())
            return {std::nullopt, shownPath(path) + ": " + problem};
        const QString beside = recipePathBeside(path);
        if (pathStatus(beside).kind == PathStatus::Kind::Missing)
            return {std::nullopt, path + ": a bitmap carries no recipe, and there is no " +
                                      QFileInfo(beside).fileName() + " beside it"};
        return readRecipeFile(beside);
    }
    if (filmFormatOfPath(path) != FilmFormat::Unknown) return readRecipeFromFilm(path);
    return readRecipeFromPicture(path);
}

bool carriesRecipe(const QString& path) {
    return isRecipePath(path) || formatOfPath(path) != ImageFormat::Unknown ||
           filmFormatOfPath(path) != FilmFormat::Unknown;
}

}  // namespace momentart
