// The history on disk: numbered recipe files, the newest kept, read back
// newest first; recipe files beside bitmaps; and every form --from reads.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "engine/picture_summary.h"
#include "platform/bitmap_with_recipe.h"
#include "platform/history_store.h"
#include "platform/image_convert.h"
#include "platform/picture_file.h"
#include "platform/recipe_file.h"
#include "platform/renderer.h"
#include "file_support.h"

namespace momentart {
namespace {

RenderedPicture pictureOfSeed(std::uint32_t seed) {
    RenderSettings settings;
    settings.seed = seed;
    settings.moment = CalendarTime{2026, 12, 8, 10, 15, static_cast<int>(seed % 60)};
    return renderFresh(settings);
}

TEST(HistoryStore, KeepsTheNewestInTheOrderMadeAndGoesOnAfterAnotherWindow) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("deep/history");
    std::vector<std::string> names;
    {
        HistoryStore store(folder, 3);
        for (std::uint32_t seed = 1; seed <= 5; ++seed) {
            const RenderedPicture picture = pictureOfSeed(seed);
            const HistoryStore::Added added = store.add(picture.recipe, QString::fromStdString(picture.state.imeslike));
            ASSERT_TRUE(added.error.isEmpty()) << added.error.toStdString();
            EXPECT_TRUE(added.path.endsWith(QString("%1-%2.recipe").arg(seed, 10, 10, QChar('0')).arg(QString::fromStdString(picture.state.imeslike))))
                << added.path.toStdString();
            names.push_back(picture.state.imeslike);
        }
    }
    QList<HistoryFile> files = newestHistory(folder, 10);
    ASSERT_EQ(files.size(), 3);
    for (int n = 0; n < 3; ++n) {
        EXPECT_EQ(files[n].number, 5 - n);
        EXPECT_EQ(files[n].name.toStdString(), names[static_cast<std::size_t>(4 - n)]);
        const RecipeFromFile read = readRecipeFile(files[n].path);
        ASSERT_TRUE(read.recipe) << read.error.toStdString();
        EXPECT_EQ(summarizePicture(*read.recipe).name, names[static_cast<std::size_t>(4 - n)]);
    }
    EXPECT_EQ(newestHistory(folder, 2).size(), 2);

    // A later session numbers on from the newest and prunes what it found.
    HistoryStore later(folder, 2);
    const RenderedPicture sixth = pictureOfSeed(6);
    const HistoryStore::Added added = later.add(sixth.recipe, "T6");
    ASSERT_TRUE(added.error.isEmpty());
    files = newestHistory(folder, 10);
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files[0].number, 6);
    EXPECT_EQ(files[1].number, 5);
    EXPECT_TRUE(newestHistory(dir.filePath("none"), 10).isEmpty());
}

TEST(HistoryStore, AFolderThatCannotBeMadeIsReportedAndWritesNothing) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    HistoryStore store(dir.filePath("file/history"), 10);
    const HistoryStore::Added added = store.add(pictureOfSeed(1).recipe, "T1");
    EXPECT_TRUE(added.path.isEmpty());
    EXPECT_TRUE(added.error.contains(dir.filePath("file/history"))) << added.error.toStdString();
    // No folder: nothing kept, nothing said.
    HistoryStore none({}, 10);
    const HistoryStore::Added nothing = none.add(pictureOfSeed(1).recipe, "T1");
    EXPECT_TRUE(nothing.path.isEmpty());
    EXPECT_TRUE(nothing.error.isEmpty());
}

TEST(RecipeFile, EveryFormFromReadsGivesTheSameRecipeAndBadFilesSayWhy) {
    QTemporaryDir dir;
    const RenderedPicture picture = pictureOfSeed(42);
    const QString name = QString::fromStdString(picture.state.imeslike);
    const BitmapSave saved = saveBitmapWithRecipe(toQImage(*picture.canvas), picture.recipe, dir.path(), name);
    ASSERT_EQ(saved.outcome, BitmapSave::Outcome::Written) << saved.error.toStdString();
    ASSERT_TRUE(writePicture(dir.filePath("p.png"), *picture.canvas, picture.recipe, picture.state).ok);
    const std::string expected = encodeRecipe(picture.recipe);
    for (const QString& file : {saved.path, recipePathBeside(saved.path), dir.filePath("p.png")}) {
        const RecipeFromFile read = readRecipeOfAnyFile(file);
        ASSERT_TRUE(read.recipe) << file.toStdString() << ": " << read.error.toStdString();
        EXPECT_EQ(encodeRecipe(*read.recipe), expected) << file.toStdString();
    }
    // The same pixels again: already saved, nothing written.
    EXPECT_EQ(saveBitmapWithRecipe(toQImage(*picture.canvas), picture.recipe, dir.path(), name).outcome,
              BitmapSave::Outcome::AlreadySaved);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);

    const auto write = [&](const char* file, const QByteArray& bytes) {
        EXPECT_TRUE(testing::writeFile(dir.filePath(file), bytes));
        return dir.filePath(file);
    };
    QByteArray altered = QByteArray::fromStdString(expected);
    altered.replace("seed=42\n", "seed=43\n");
    struct Bad {
        QString file;
        const char* message;
    };
    ASSERT_TRUE(QFile::copy(saved.path, dir.filePath("lonely.bmp")));
    const std::vector<Bad> bad = {
        {write("altered.recipe", altered), "damaged recipe"},
        {write("words.recipe", "a shopping list\n"), "not a momentart recipe"},
        {write("huge.recipe", QByteArray(100000, 'x')), "too large"},
        {dir.filePath("missing.recipe"), "no such file"},
        {dir.filePath("missing.bmp"), "no such file"},
        {dir.filePath("lonely.bmp"), "no lonely.recipe beside it"},
    };
    for (const Bad& b : bad) {
        const RecipeFromFile read = readRecipeOfAnyFile(b.file);
        EXPECT_FALSE(read.recipe) << b.file.toStdString();
        EXPECT_TRUE(read.error.startsWith(b.file)) << read.error.toStdString();
        EXPECT_TRUE(read.error.contains(b.message)) << read.error.toStdString();
    }
}

}  // namespace
}  // namespace momentart
