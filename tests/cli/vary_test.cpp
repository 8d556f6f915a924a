// `vary` through the real program: each variation's recipe differs from the
// original's only in the variation it records, `render --from` makes it
// again bit for bit, a part the type fixes is refused, and the sheet shows
// the original beside its variations.
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

#include "cli_support.h"
#include "cli/vary_command.h"
#include "platform/recipe_png.h"
#include "file_support.h"

namespace momentart {
namespace {

// The recipe's lines without the check line (which covers the others).
QStringList recipeLines(const QImage& picture) {
    QStringList lines = picture.text("Recipe").split('\n', Qt::SkipEmptyParts);
    lines.removeIf([](const QString& line) { return line.startsWith("check="); });
    return lines;
}

TEST(VaryCommand, EachKindChangesOnlyItsVariationKeysAndRenderFromMakesItAgain) {
    QTemporaryDir dir;
    const cli::Result original = cli::run({"render", "--type", "9", "--seed", "77", "--out", "p.png"}, dir.path());
    ASSERT_EQ(original.status, 0) << original.err.toStdString();
    const QImage picture(dir.filePath("p.png"));
    const QStringList originalLines = recipeLines(picture);

    for (const QString kind : {"centres", "colours", "formula", "zoom"}) {
        const cli::Result vary =
            cli::run({"vary", "p.png", "--what", kind, "--count", "2", "--seed", "40", "--out", kind, "--jobs", "2"},
                     dir.path());
        ASSERT_EQ(vary.status, 0) << kind.toStdString() << ": " << vary.err.toStdString();
        const QString base = "T" + picture.text("Title").mid(1) + "-type9-" + kind;
        EXPECT_EQ(vary.out, QString("file: %1/%2-v40.png\nfile: %1/%2-v41.png\nsheet: %1/%2-sheet.png\n")
                                .arg(kind, base))
            << vary.out.toStdString();
        bool anyDiffers = false;
        for (const QString seed : {"40", "41"}) {
            const QString path = QString("%1/%2-v%3.png").arg(kind, base, seed);
            const QImage varied(dir.filePath(path));
            ASSERT_FALSE(varied.isNull()) << path.toStdString();
            const QStringList expected = originalLines + QStringList{"variation=" + kind, "variation-seed=" + seed};
            EXPECT_EQ(recipeLines(varied), expected) << path.toStdString();
            EXPECT_EQ(varied.text("Variation"), kind + " " + seed);
            anyDiffers = anyDiffers || !cli::samePixels(varied, picture);

            const cli::Result again = cli::run({"render", "--from", path, "--out", path + ".again.png"}, dir.path());
            ASSERT_EQ(again.status, 0) << again.err.toStdString();
            EXPECT_TRUE(cli::samePixels(QImage(dir.filePath(path + ".again.png")), varied)) << path.toStdString();
        }
        EXPECT_TRUE(anyDiffers) << kind.toStdString();
        // The sheet: the original and two variations side by side.
        const QImage sheet(dir.filePath(kind + "/" + base + "-sheet.png"));
        EXPECT_FALSE(sheet.isNull());
        EXPECT_GT(sheet.width(), 3 * 300);
    }
}

TEST(VaryCommand, APartTheTypeFixesIsRefusedAndNothingIsWritten) {
    QTemporaryDir dir;
    ASSERT_EQ(cli::run({"render", "--type", "36", "--seed", "5", "--out", "fixed.png"}, dir.path()).status, 0);
    ASSERT_EQ(cli::run({"render", "--type", "11", "--seed", "5", "--out", "zoomed.png"}, dir.path()).status, 0);
    const cli::Result formula = cli::run({"vary", "fixed.png", "--what", "formula", "--out", "o"}, dir.path());
    EXPECT_EQ(formula.status, 2);
    EXPECT_EQ(formula.err, "momentart vary: fixed.png: type 36 fixes the formula (v1 = 12, v2 = 7, one formula "
                           "pair), so there is nothing to vary (free: centres, colours, zoom)\n");
    const cli::Result zoom = cli::run({"vary", "zoomed.png", "--what", "zoom", "--out", "o"}, dir.path());
    EXPECT_EQ(zoom.status, 2);
    EXPECT_EQ(zoom.err, "momentart vary: zoomed.png: type 11 fixes the zoom (osx = 10), so there is nothing to "
                        "vary (free: centres, colours, formula)\n");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("o")));
}

TEST(VaryCommand, ARecipeFileAndABitmapWithItsRecipeServeAsWellAsThePng) {
    QTemporaryDir dir;
    ASSERT_EQ(cli::run({"render", "--seed", "12", "--no-stamp", "--out", "p.png"}, dir.path()).status, 0);
    ASSERT_EQ(cli::run({"render", "--seed", "12", "--no-stamp", "--out", "p.bmp"}, dir.path()).status, 0);
    ASSERT_TRUE(testing::writeFile(dir.filePath("p.recipe"), QImage(dir.filePath("p.png")).text("Recipe").toUtf8()));
    const cli::Result fromPng = cli::run({"vary", "p.png", "--count", "1", "--out", "a", "--quiet"}, dir.path());
    ASSERT_EQ(fromPng.status, 0) << fromPng.err.toStdString();
    const QStringList files = cli::filesIn(dir.filePath("a"));
    ASSERT_EQ(files.size(), 2);  // the variation and the sheet
    for (const QString source : {"p.recipe", "p.bmp"}) {
        const cli::Result other = cli::run({"vary", source, "--count", "1", "--out", source + ".out", "--quiet"},
                                           dir.path());
        ASSERT_EQ(other.status, 0) << other.err.toStdString();
        ASSERT_EQ(cli::filesIn(dir.filePath(source + ".out")), files) << source.toStdString();
        for (const QString& name : files)
            EXPECT_TRUE(cli::samePixels(QImage(dir.filePath("a/" + name)),
                                        QImage(dir.filePath(source + ".out/" + name))))
                << source.toStdString();
    }
}

TEST(VaryCommand, BadInputGetsOneLineAndStatusTwo) {
    QTemporaryDir dir;
    ASSERT_EQ(cli::run({"render", "--seed", "12", "--out", "p.png"}, dir.path()).status, 0);
    ASSERT_EQ(cli::run({"vary", "p.png", "--what", "colours", "--count", "1", "--out", "v", "--quiet"}, dir.path())
                  .status,
              0);
    const QString colours = "v/" + cli::filesIn(dir.filePath("v")).filter("-v1.png").value(0);
    const QList<QStringList> cases = {
        {},
        {"p.png", "p.png"},
        {"p.png", "--what", "shape"},
        {"p.png", "--count", "0"},
        {"p.png", "--count", "101"},
        {"p.png", "--seed", "4294967295", "--count", "2"},
        {"missing.png"},
        {colours, "--what", "centres"},  // a colours variation varies by colours only
        {"p.png", "--out", "p.png"},
    };
    for (const QStringList& arguments : cases) {
        const cli::Result result = cli::run(QStringList{"vary"} + arguments, dir.path());
        const std::string shown = arguments.join(' ').toStdString();
        EXPECT_EQ(result.status, 2) << shown;
        EXPECT_EQ(result.err.count('\n'), 1) << shown << ": " << result.err.toStdString();
        EXPECT_TRUE(result.err.startsWith("momentart vary: ")) << shown;
    }
}

}  // namespace
}  // namespace momentart
