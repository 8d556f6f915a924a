// Pictures that carry their recipe: the PNG texts, making a picture again
// from them (also one the window made after several others), and the
// errors for files that carry no recipe or a damaged one.
#include <QFile>
#include <QImageReader>
#include <QStandardPaths>
#include <memory>

#include <gtest/gtest.h>

#include "cli_support.h"
#include "recipe_support.h"
#include "platform/image_convert.h"
#include "platform/image_files.h"
#include "platform/qt_text_printer.h"
#include "engine/recipe.h"
#include "platform/keep_place.h"
#include "platform/picture_file.h"
#include "platform/recipe_png.h"
#include "platform/renderer.h"
#include "engine/startup.h"
#include "file_support.h"

namespace momentart {
namespace {

// A clock that gives each run the next seed and the next second.
class StepClock final : public Clock {
public:
    std::uint32_t seed = 0x46000000u;
    int second = 0;
    std::uint32_t timerSeed() override { return seed += 977; }
    CalendarTime now() override { return {2027, 1, 2, 3, 4, second++ % 60}; }
};

// The window's way of working: one state, many pictures, stamped, new types
// and repeats mixed; returns the recipe of the last picture.
struct WindowSession {
    GenerationState state;
    std::unique_ptr<Canvas> canvas = std::make_unique<Canvas>();
    Recipe last;

    void makePictures(const std::vector<double>& izbors) {
        StepClock clock;
        QtTextPrinter printer;
        RunHost host{clock, &printer};
        startup(state, clock.timerSeed());
        for (double choice : izbors) {
            state.izbors = choice;
            last = makeimageRecorded(state, *canvas, host);
        }
    }
};

QString recipeKey(const QString& path, const QString& key) {
    QImageReader reader(path);
    return reader.read().text(key);
}

TEST(RecipePng, APictureCarriesSoftwareTitleTypeSeedAndItsRecipe) {
    QTemporaryDir dir;
    RenderSettings settings;
    settings.seed = 31337;
    settings.type = 44;
    settings.moment = CalendarTime{2026, 5, 6, 7, 8, 9};
    const RenderedPicture picture = renderFresh(settings);
    const QString path = dir.filePath("p.png");
    ASSERT_TRUE(writePicture(path, *picture.canvas, picture.recipe, picture.state).ok);

    const QImage image(path);
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(image.text("Software").startsWith("momentart "));
    EXPECT_EQ(image.text("Title"), "T20260506070809");
    EXPECT_EQ(image.text("Type"), "44");
    EXPECT_EQ(image.text("Seed"), "31337");
    const RecipeReading read = decodeRecipe(image.text("Recipe").toStdString());
    ASSERT_TRUE(read.recipe) << read.error;
    EXPECT_EQ(read.recipe->seed, 31337u);
    EXPECT_EQ(read.recipe->forcedType, 44);
    EXPECT_TRUE(read.recipe->stamp);
    EXPECT_TRUE(cli::samePixels(image, toQImage(*picture.canvas)));
}

TEST(RecipePng, TheWindowsTenthPictureIsMadeAgainFromItsFileBitForBit) {
    WindowSession window;
    window.makePictures({0, 0, 1, 0, 1, 1, 0, 0, 1, 0});
    QTemporaryDir dir;
    const QString path = dir.filePath("tenth.png");
    ASSERT_TRUE(writePicture(path, *window.canvas, window.last, window.state).ok);

    const RecipeFromFile read = readRecipeFromPicture(path);
    ASSERT_TRUE(read.recipe) << read.error.toStdString();
    const RenderedPicture again = renderFromRecipe(*read.recipe);
    EXPECT_TRUE(*again.canvas == *window.canvas);
    EXPECT_EQ(again.state.imeslike, window.state.imeslike);
    EXPECT_EQ(again.state.izbor, window.state.izbor);

    // The same through the program: render --from writes an identical picture.
    const cli::Result result = cli::run({"render", "--from", path, "--out", dir.filePath("again.png")},
                                        dir.path());
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains("name: " + QString::fromStdString(window.state.imeslike)));
    EXPECT_TRUE(result.out.contains(QString("type: %1\n").arg(window.state.izbor)));
    EXPECT_TRUE(cli::samePixels(QImage(dir.filePath("again.png")), toQImage(*window.canvas)));
    // And the copy carries the same recipe again.
    EXPECT_EQ(recipeKey(dir.filePath("again.png"), "Recipe"), recipeKey(path, "Recipe"));
}

TEST(RecipePng, SavingToThePicturesFolderNeverReplacesAFile) {
    QStandardPaths::setTestModeEnabled(true);
    WindowSession window;
    window.makePictures({0, 1});
    const SavedPicture first = savePictureToPicturesFolder(*window.canvas, window.last, window.state);
    const SavedPicture second = savePictureToPicturesFolder(*window.canvas, window.last, window.state);
    QStandardPaths::setTestModeEnabled(false);
    ASSERT_TRUE(first.ok) << first.error.toStdString();
    ASSERT_TRUE(second.ok) << second.error.toStdString();
    EXPECT_NE(first.path, second.path);
    EXPECT_EQ(QFileInfo(first.path).fileName(), QString::fromStdString(window.state.imeslike) + ".png");
    EXPECT_EQ(QFileInfo(first.path).dir().dirName(), "momentart");
    const RecipeFromFile read = readRecipeFromPicture(second.path);
    ASSERT_TRUE(read.recipe) << read.error.toStdString();
    EXPECT_TRUE(*renderFromRecipe(*read.recipe).canvas == *window.canvas);
    QFile::remove(first.path);
    QFile::remove(second.path);
}

TEST(RecipePng, RenderFromAFreshSingleRenderReproducesIt) {
    QTemporaryDir dir;
    const cli::Result first = cli::run({"render", "--seed", "4242", "--out", "one.png"}, dir.path());
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    const cli::Result again = cli::run({"render", "--from", "one.png", "--out", "two.png"}, dir.path());
    ASSERT_EQ(again.status, 0) << again.err.toStdString();
    EXPECT_EQ(again.out, QString(first.out).replace("one.png", "two.png") + "maths: correctly rounded\n");
    EXPECT_TRUE(cli::samePixels(QImage(dir.filePath("one.png")), QImage(dir.filePath("two.png"))));

    // A bitmap has its recipe beside it, and is made again byte for byte.
    ASSERT_EQ(cli::run({"render", "--seed", "4242", "--out", "one.bmp"}, dir.path()).status, 0);
    ASSERT_EQ(cli::run({"render", "--from", "one.bmp", "--out", "two.bmp"}, dir.path()).status, 0);
    for (const char* file : {"one", "two"}) EXPECT_TRUE(QFileInfo::exists(dir.filePath(file + QString(".recipe"))));
    const QByteArray one = testing::readFile(dir.filePath("one.bmp"));
    ASSERT_FALSE(one.isNull());
    EXPECT_EQ(one, testing::readFile(dir.filePath("two.bmp")));

    // Without --out it goes to the Pictures folder under the picture's name,
    // next to nothing it would replace.
    const cli::Result home = cli::run({"render", "--from", "one.png"}, dir.path());
    ASSERT_EQ(home.status, 0) << home.err.toStdString();
    const QString name = QImage(dir.filePath("one.png")).text("Title");
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("Pictures/momentart/" + name + ".png")));
}

struct BadPicture {
    const char* what;
    QString file;
    const char* message;
    const char* commandMessage = nullptr;  // what render --from says, when it differs
};

TEST(RecipePng, FilesWithoutAGoodRecipeAreRefusedWithOneLineAndStatusTwo) {
    QTemporaryDir dir;
    const QDir d(dir.path());
    // A PNG without texts, one whose recipe was altered, a bitmap, a text
    // file named .png, and no file at all.
    QImage plain(600, 450, QImage::Format_RGB32);
    plain.fill(Qt::darkGreen);
    ASSERT_TRUE(plain.save(d.filePath("plain.png")));
    RenderSettings settings;
    settings.seed = 5;
    const RenderedPicture picture = renderFresh(settings);
    QImage altered = toQImage(*picture.canvas);
    std::string recipe = encodeRecipe(picture.recipe);
    recipe.replace(recipe.find("\nseed=5\n"), 8, "\nseed=6\n");
    altered.setText("Recipe", QString::fromStdString(recipe));
    ASSERT_TRUE(altered.save(d.filePath("altered.png")));
    QImage truncated = toQImage(*picture.canvas);
    truncated.setText("Recipe", "momentart recipe 1\nseed=5\n");
    ASSERT_TRUE(truncated.save(d.filePath("cut.png")));
    ASSERT_TRUE(plain.save(d.filePath("plain.bmp")));
    // A recipe a person edited, its check recomputed: a drawing mode no run
    // has.
    std::string editedRecipe = encodeRecipe(picture.recipe);
    editedRecipe.replace(editedRecipe.find("\nnac=0\n"), 7, "\nnac=1e300\n");
    QImage edited = toQImage(*picture.canvas);
    edited.setText("Recipe", QString::fromStdString(testing::resigned(editedRecipe)));
    ASSERT_TRUE(edited.save(d.filePath("edited.png")));
    // Half a PNG file.
    const QByteArray bytes = testing::readFile(d.filePath("altered.png"));
    ASSERT_FALSE(bytes.isNull());
    ASSERT_TRUE(testing::writeFile(d.filePath("half.png"), bytes.left(bytes.size() / 2)));
    ASSERT_TRUE(d.mkdir("folder.png"));
    ASSERT_TRUE(testing::writeFile(d.filePath("words.png"), "not a picture at all\n"));

    const std::vector<BadPicture> cases = {
        {"no recipe", "plain.png", "carries no recipe"},
        {"altered recipe", "altered.png", "damaged recipe"},
        {"cut recipe", "cut.png", "damaged recipe"},
        {"a bitmap", "plain.bmp", "not a PNG", "no plain.recipe beside it"},
        {"not a picture", "words.png", "cannot read"},
        {"no such file", "missing.png", "no such file"},
        {"a drawing mode no run has", "edited.png", "nac '1e300' is not a drawing mode"},
        {"half a PNG", "half.png", "cannot read"},
        {"a folder", "folder.png", "a folder, not a picture"},
    };
    for (const BadPicture& c : cases) {
        const RecipeFromFile read = readRecipeFromPicture(d.filePath(c.file));
        EXPECT_FALSE(read.recipe) << c.what;
        EXPECT_TRUE(read.error.contains(c.message)) << c.what << ": " << read.error.toStdString();

        const cli::Result result = cli::run({"render", "--from", c.file, "--out", "out.png"}, dir.path());
        EXPECT_EQ(result.status, 2) << c.what;
        EXPECT_TRUE(result.out.isEmpty()) << c.what;
        EXPECT_EQ(result.err.count('\n'), 1) << c.what << ": " << result.err.toStdString();
        const char* said = c.commandMessage != nullptr ? c.commandMessage : c.message;
        EXPECT_TRUE(result.err.contains(said)) << c.what << ": " << result.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(d.filePath("out.png"))) << c.what;
    }
}

TEST(RecipePng, FromRefusesOptionsTheRecipeDecides) {
    QTemporaryDir dir;
    for (const QStringList& extra : {QStringList{"--seed", "3"}, QStringList{"--type", "20"},
                                     QStringList{"--no-stamp"}, QStringList{"--count", "2"}}) {
        const cli::Result result = cli::run(QStringList{"render", "--from", "x.png"} + extra, dir.path());
        EXPECT_EQ(result.status, 2) << extra.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains("cannot go with --from")) << result.err.toStdString();
    }
}

}  // namespace
}  // namespace momentart
