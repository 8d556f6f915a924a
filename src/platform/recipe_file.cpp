#include "platform/recipe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/film_recipe.h"
#include "platform/film_writer.h"

namespace momentart {

namespace {
// A recipe is about 3 KB; anything far larger is not one, and is not read
// into memory whole.
constexpr qint64 kLargestRecipe = 64 * 1024;

bool isRecipePath(const QString& path) {
    return QFileInfo(path).suffix().compare(kRecipeExtension, Qt::CaseInsensitive) == 0;
}
}  // namespace

QString recipePathBeside(const QString& picturePath) {
    const QFileInfo info(picturePath);
    return info.dir().filePath(info.completeBaseName() + "." + kRecipeExtension);
}

WriteResult writeRecipeFile(const QString& path, const Recipe& recipe, bool replace) {
    if (!replace && QFileInfo::exists(path)) return {false, path + ": a file of that name exists already"};
    const QFileInfo info(path);
    if (!info.dir().exists()) return {false, path + ": no such folder " + info.dir().path()};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {false, path + ": " + file.errorString()};
    const std::string text = encodeRecipe(recipe);
    if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
        const QString reason = file.errorString();
        file.cancelWriting();
        file.commit();
        return {false, path + ": " + reason};
    }
    if (!file.commit()) return {false, path + ": " + file.errorString()};
    return {true, {}};
}

RecipeFromFile readRecipeFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile()) return {std::nullopt, path + ": no such file"};
    if (!file.open(QIODevice::ReadOnly)) return {std::nullopt, path + ": " + file.errorString()};
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
        if (!QFileInfo(path).isFile()) return {std::nullopt, path + ": no such file"};
        const QString beside = recipePathBeside(path);
        if (!QFileInfo::exists(beside))
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
