// render --scale: print-size pictures through the real program, their files,
// their recipes, and scale 1 as the standard picture.
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include "cli_support.h"
#include "engine/generation/catalogue.h"
#include "platform/image_convert.h"
#include "platform/recipe_png.h"
#include "platform/renderer.h"

namespace momentart {
namespace {

QImage readImage(const QString& path) { return QImage(path); }

TEST(RenderScale, ThreeWritesAPictureThreeTimesAsLargeThatCarriesItsScale) {
    QTemporaryDir dir;
    const cli::Result big = cli::run({"render", "--seed", "77", "--type", "30", "--no-stamp", "--scale",
                                      "3", "--out", "big.png"},
                                     dir.path());
    ASSERT_EQ(big.status, 0) << big.err.toStdString();
    QImageReader reader(dir.filePath("big.png"));
    EXPECT_EQ(reader.size(), QSize(1800, 1350));
    EXPECT_EQ(reader.text("Scale"), "3");
    const RecipeFromFile read = readRecipeFromPicture(dir.filePath("big.png"));
    ASSERT_TRUE(read.recipe) << read.error.toStdString();
    EXPECT_EQ(read.recipe->scale, 3);

    // Made again from its file it keeps its scale, unless --scale says otherwise.
    const cli::Result again = cli::run({"render", "--from", "big.png", "--out", "again.png"}, dir.path());
    ASSERT_EQ(again.status, 0) << again.err.toStdString();
    EXPECT_TRUE(cli::samePixels(readImage(dir.filePath("again.png")), readImage(dir.filePath("big.png"))));
    const cli::Result small =
        cli::run({"render", "--from", "big.png", "--scale", "1", "--out", "small.png"}, dir.path());
    ASSERT_EQ(small.status, 0) << small.err.toStdString();
    const cli::Result plain =
        cli::run({"render", "--seed", "77", "--type", "30", "--no-stamp", "--out", "plain.png"}, dir.path());
    ASSERT_EQ(plain.status, 0) << plain.err.toStdString();
    EXPECT_EQ(readImage(dir.filePath("small.png")).size(), QSize(600, 450));
    EXPECT_TRUE(cli::samePixels(readImage(dir.filePath("small.png")), readImage(dir.filePath("plain.png"))));
    EXPECT_EQ(QImageReader(dir.filePath("plain.png")).text("Scale"), "1");
}

// Scale 1 on two threads through the program is the standard picture of one
// thread, for every type (the stamp included).
TEST(RenderScale, OneIsTheStandardPictureOfEveryType) {
    QTemporaryDir dir;
    for (int type = kFirstType; type <= kLastType; ++type) {
        SCOPED_TRACE(type);
        const QString seed = QString::number(900 + type);
        const QString file = QString("t%1.png").arg(type);
        const cli::Result result = cli::run({"render", "--seed", seed, "--type", QString::number(type),
                                             "--scale", "1", "--jobs", "2", "--out", file},
                                            dir.path());
        ASSERT_EQ(result.status, 0) << result.err.toStdString();
        const RecipeFromFile read = readRecipeFromPicture(dir.filePath(file));
        ASSERT_TRUE(read.recipe) << read.error.toStdString();
        RenderSettings settings;
        settings.seed = 900 + static_cast<std::uint32_t>(type);
        settings.type = type;
        settings.moment = read.recipe->moment;
        const RenderedPicture standard = renderFresh(settings);
        EXPECT_TRUE(cli::samePixels(readImage(dir.filePath(file)), toQImage(*standard.canvas)));
    }
}

TEST(RenderScale, APictureWithoutItsMemoryIsOneLineAndStatusOne) {
    QTemporaryDir dir;
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.setProcessEnvironment(cli::scratchEnvironment(dir.path()));
    // Less address space than a 9600 x 7200 picture needs.
    process.setChildProcessModifier([] {
        const rlimit limit{400L << 20, 400L << 20};
        setrlimit(RLIMIT_AS, &limit);
    });
    process.start(MOMENTART_BINARY, {"render", "--scale", "16", "--seed", "5", "--out", "huge.png"});
    ASSERT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(err, "momentart render: not enough memory for a picture of 9600 x 7200 pixels (scale 16)\n");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("huge.png")));
}

}  // namespace
}  // namespace momentart
