// Writers meeting in one folder: two batches of the same pictures, two
// windows saving pictures of one name, two windows keeping one history.
// Every file each of them reports is there, whole and its own; none took a
// name another had taken.
#include <QRegularExpression>
#include <atomic>
#include <thread>

#include <gtest/gtest.h>

#include "cli/batch_render.h"
#include "cli_support.h"
#include "platform/bitmap_with_recipe.h"
#include "platform/history_store.h"
#include "platform/image_convert.h"
#include "platform/recipe_file.h"
#include "platform/renderer.h"

namespace momentart {
namespace {

constexpr CalendarTime kMoment{2027, 3, 4, 5, 6, 7};

// Runs `work(0)` and `work(1)` at once.
template <typename Work>
void together(const Work& work) {
    std::atomic<int> ready{0};
    auto start = [&](int n) {
        ++ready;
        while (ready.load() < 2) std::this_thread::yield();
        work(n);
    };
    std::thread other(start, 1);
    start(0);
    other.join();
}

TEST(ConcurrentWrites, TwoBatchesOfTheSamePicturesIntoOneFolderKeepEveryFile) {
    constexpr int kCount = 3;
    for (int round = 0; round < 6; ++round) {
        QTemporaryDir dir;
        BatchPlan plan;
        plan.firstSeed = 100 + static_cast<std::uint32_t>(round);
        plan.count = kCount;
        plan.folder = dir.path();
        plan.moment = kMoment;  // the same names in both batches
        BatchOutcome outcomes[2];
        std::vector<QString> reported[2];
        together([&](int n) {
            const std::atomic<bool> stop{false};
            outcomes[n] =
                runBatch(plan, stop, [&](const BatchPicture& picture) { reported[n].push_back(picture.path); });
        });
        QStringList paths;
        for (int n = 0; n < 2; ++n) {
            EXPECT_EQ(outcomes[n].written, kCount) << outcomes[n].error.toStdString();
            for (const QString& path : reported[n]) paths << path;
        }
        paths.removeDuplicates();
        EXPECT_EQ(paths.size(), 2 * kCount) << "round " << round;
        EXPECT_EQ(cli::filesIn(dir.path()).size(), 2 * kCount) << cli::filesIn(dir.path()).join(' ').toStdString();
        for (const QString& path : paths) {
            const RecipeFromFile read = readRecipeOfAnyFile(path);
            ASSERT_TRUE(read.recipe) << read.error.toStdString();
            const QString seedInName = path.section("-seed", 1).section(QRegularExpression("[-.]"), 0, 0);
            EXPECT_EQ(QString::number(read.recipe->seed), seedInName);
        }
    }
}

TEST(ConcurrentWrites, TwoWindowsSavingPicturesOfOneNameEachKeepBitmapAndRecipeTogether) {
    RenderedPicture pictures[2];
    for (int n = 0; n < 2; ++n) {
        RenderSettings settings;
        settings.seed = 40 + static_cast<std::uint32_t>(n);
        pictures[n] = renderFresh(settings);
    }
    for (int round = 0; round < 6; ++round) {
        QTemporaryDir dir;
        BitmapSave saved[2];
        together([&](int n) {
            saved[n] = saveBitmapWithRecipe(toQImage(*pictures[n].canvas), pictures[n].recipe, dir.path(), "T");
        });
        EXPECT_NE(saved[0].path, saved[1].path);
        for (int n = 0; n < 2; ++n) {
            ASSERT_EQ(saved[n].outcome, BitmapSave::Outcome::Written) << saved[n].error.toStdString();
            EXPECT_TRUE(cli::samePixels(QImage(saved[n].path), toQImage(*pictures[n].canvas))) << round;
            const RecipeFromFile read = readRecipeFile(recipePathBeside(saved[n].path));
            ASSERT_TRUE(read.recipe) << read.error.toStdString();
            EXPECT_EQ(read.recipe->seed, pictures[n].recipe.seed) << "round " << round;
        }
        EXPECT_EQ(cli::filesIn(dir.path()).size(), 4);
    }
}

TEST(ConcurrentWrites, TwoWindowsOnOneHistoryFolderNeverShareANumber) {
    constexpr int kEach = 25;
    QTemporaryDir dir;
    RenderSettings settings;
    settings.seed = 9;
    const Recipe recipe = renderFresh(settings).recipe;
    together([&](int n) {
        HistoryStore store(dir.path(), 1000);
        for (int k = 0; k < kEach; ++k) EXPECT_TRUE(store.add(recipe, QString("W%1P%2").arg(n).arg(k)).error.isEmpty());
    });
    const QList<HistoryFile> files = newestHistory(dir.path(), 1000);
    ASSERT_EQ(files.size(), 2 * kEach);
    for (int n = 0; n < files.size(); ++n) EXPECT_EQ(files[n].number, 2 * kEach - n);
}

}  // namespace
}  // namespace momentart
