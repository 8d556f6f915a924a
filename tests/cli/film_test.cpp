// momentart film through the real program: the films read back by the
// players' libraries, their frames against runs stopped at each frame's
// visit count, the recipe they carry, and what a failure leaves.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

#include "cli_support.h"
#include "engine/generation/run.h"
#include "engine/growth_frames.h"
#include "film_frames.h"
#include "platform/image_convert.h"
#include "platform/recipe_file.h"
#include "platform/renderer.h"
#include "file_support.h"

namespace momentart {
namespace {

using testing::readFilm;

Recipe recipeOf(const QString& path) {
    const RecipeFromFile read = readRecipeOfAnyFile(path);
    EXPECT_TRUE(read.recipe) << read.error.toStdString();
    return read.recipe.value_or(Recipe{});
}

// The recipe's picture after its first `visits` visits, unstamped.
QImage stoppedAt(const Recipe& recipe, long visits) {
    GenerationState s = recipe.before;
    Canvas canvas(Canvas::kWidth * recipe.scale, Canvas::kHeight * recipe.scale);
    FixedMomentClock clock(recipe.seed, recipe.moment);
    RunHost host{clock};
    RunOptions options;
    options.forcedType = recipe.forcedType;
    options.scale = recipe.scale;
    options.visitLimit = visits;
    makeimage(s, canvas, host, options);
    return toRgb888(canvas);
}

// Each pixel of each frame is black or the finished picture's, and once
// shown it stays.
void expectOnlyFinishedPixelsAdded(const std::vector<QImage>& frames, const QImage& finished) {
    QImage before(finished.size(), QImage::Format_RGB888);
    before.fill(Qt::black);
    for (std::size_t f = 0; f < frames.size(); ++f) {
        const QImage& frame = frames[f];
        for (int row = 0; row < frame.height(); ++row)
            for (int column = 0; column < frame.width(); ++column) {
                const QRgb now = frame.pixel(column, row), was = before.pixel(column, row);
                if (now != was && !(was == qRgb(0, 0, 0) && now == finished.pixel(column, row)))
                    FAIL() << "frame " << f << " at " << column << ", " << row;
            }
        before = frame;
    }
}

TEST(Film, Mp4AndApngOfAPictureGrowingCarryItsRecipe) {
    QTemporaryDir dir;
    ASSERT_EQ(cli::run({"render", "--seed", "777", "--no-stamp", "--out", "picture.bmp"}, dir.path()).status, 0);
    const QImage picture(dir.filePath("picture.bmp"));
    for (const QString film : {"a.mp4", "a.apng"}) {
        SCOPED_TRACE(film.toStdString());
        const cli::Result made = cli::run(
            {"film", "--seed", "777", "--no-stamp", "--seconds", "2", "--hold", "1", "--fps", "25", "--out", film},
            dir.path());
        ASSERT_EQ(made.status, 0) << made.err.toStdString();
        EXPECT_TRUE(made.out.contains("frames: 75 (2 s growing, 1 s held, 25 a second)")) << made.out.toStdString();
        const testing::FilmRead read = readFilm(dir.filePath(film));
        ASSERT_EQ(read.frames.size(), 75u);
        EXPECT_EQ(read.frames.back().size(), QSize(600, 450));
        // The same file, byte for byte, whichever way the picture was made.
        const cli::Result again = cli::run({"render", "--from", film, "--out", film + ".bmp"}, dir.path());
        ASSERT_EQ(again.status, 0) << again.err.toStdString();
        EXPECT_EQ(testing::readFile(dir.filePath(film + ".bmp")), testing::readFile(dir.filePath("picture.bmp")));
        if (film.endsWith(".mp4")) {
            EXPECT_EQ(read.codec, "h264");
            EXPECT_TRUE(read.comment.startsWith("momentart recipe 1\n")) << read.comment.toStdString();
            EXPECT_GE(testing::psnr(read.frames.back(), picture), 35.0);
        } else {
            EXPECT_EQ(read.codec, "apng");
            EXPECT_TRUE(cli::samePixels(read.frames.back(), picture));
            expectOnlyFinishedPixelsAdded(read.frames, picture);
        }
    }
}

// Lossless films of one type of each drawing mode (12 and 17 the lattices),
// on two threads: every growing frame is the run stopped at its visit count;
// the held frames are the stamped picture.
TEST(Film, LosslessFramesAreExactPrefixesOfTheVisitingOrder) {
    QTemporaryDir dir;
    struct Case {
        QString type, film;
    };
    for (const Case& c : {Case{"9", "t9.apng"}, Case{"32", "t32.apng"}, Case{"30", "t30.apng"},
                          Case{"42", "t42.apng"}, Case{"50", "t50.webp"}, Case{"33", "t33.webp"}}) {
        SCOPED_TRACE(c.film.toStdString());
        const cli::Result made = cli::run({"film", "--seed", "31", "--type", c.type, "--seconds", "1", "--hold", "1",
                                           "--fps", "5", "--quality", "100", "--jobs", "2", "--out", c.film},
                                          dir.path());
        ASSERT_EQ(made.status, 0) << made.err.toStdString();
        const std::vector<QImage> frames = readFilm(dir.filePath(c.film)).frames;
        ASSERT_EQ(frames.size(), 10u);
        const Recipe recipe = recipeOf(dir.filePath(c.film));
        const long visits = visitCount(Canvas::kWidth, Canvas::kHeight);
        for (int f = 0; f < 5; ++f)
            EXPECT_TRUE(cli::samePixels(frames[f], stoppedAt(recipe, visitsShownByFrame(f, 5, visits)))) << f;
        const QImage stamped = toRgb888(*renderFromRecipe(recipe).canvas);
        for (int f = 5; f < 10; ++f) EXPECT_TRUE(cli::samePixels(frames[f], stamped)) << f;
    }
}

TEST(Film, RefusalsAndCtrlCLeaveNoFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(testing::writeFile(dir.filePath("kept.mp4"), "mine"));
    struct Case {
        QStringList arguments;
        int status;
        QString message;
    };
    const Case cases[] = {
        {{"--out", "a.gif"}, 2, "--out must name a .mp4, .webm, .apng or .webp file"},
        {{"--fps", "0"}, 2, "--fps must be a whole number from 1 to 120"},
        {{"--from", "none.mp4"}, 2, "none.mp4: no such file"},
        {{"--from", "kept.mp4"}, 2, "kept.mp4: cannot read it as a film"},
        {{"--seed", "3", "--from", "kept.mp4"}, 2, "--seed cannot go with --from"},
        {{"--out", "kept.mp4"}, 1, "kept.mp4: a file of that name exists already"},
        {{"--out", QString(300, 'f') + ".mp4"}, 2, ".mp4: the path is too long"},
    };
    for (const Case& c : cases) {
        const cli::Result result = cli::run(QStringList{"film"} + c.arguments, dir.path());
        EXPECT_EQ(result.status, c.status) << c.message.toStdString();
        EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(c.message)) << result.err.toStdString();
    }
    EXPECT_EQ(testing::readFile(dir.filePath("kept.mp4")), QByteArray("mine"));

    QProcess film;
    film.setWorkingDirectory(dir.path());
    film.setProcessEnvironment(cli::scratchEnvironment(dir.path()));
    film.start(MOMENTART_BINARY, {"film", "--scale", "2", "--seconds", "30", "--out", "long.mp4"});
    film.setReadChannel(QProcess::StandardError);
    ASSERT_TRUE(film.waitForReadyRead(60000));  // "0 of 960 frames written"
    ::kill(static_cast<pid_t>(film.processId()), SIGINT);
    ASSERT_TRUE(film.waitForFinished(60000));
    EXPECT_EQ(film.exitCode(), 130) << film.readAllStandardError().toStdString();
    EXPECT_EQ(cli::filesIn(dir.path()), QStringList{"kept.mp4"});
}

}  // namespace
}  // namespace momentart
