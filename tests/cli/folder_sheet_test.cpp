// Sheets of pictures already made: labels from the PNG texts (file names
// for PNGs without a recipe), newest first, 200 to a sheet.
#include <QDateTime>
#include <QFile>
#include <QPainter>

#include <gtest/gtest.h>

#include "cli_support.h"
#include "cli/folder_sheet.h"
#include "engine/recipe_variation.h"
#include "platform/image_convert.h"
#include "platform/picture_file.h"
#include "platform/renderer.h"

namespace momentart {
namespace {

// Writes a momentart PNG of `seed` (type 20, no stamp) to `path`, as
// written `age` seconds ago; returns its picture.
QImage writeMomentartPicture(const QString& path, std::uint32_t seed, int age, Variation variation = {}) {
    RenderSettings settings;
    settings.seed = seed;
    settings.type = 20;
    settings.stamp = false;
    settings.moment = CalendarTime{2026, 12, 8, 10, 0, 0};
    const RenderedPicture made = renderFromRecipe(variationRecipe(renderFresh(settings).recipe, variation));
    EXPECT_TRUE(writePicture(path, *made.canvas, made.recipe, made.state).ok);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(QDateTime::currentDateTime().addSecs(-age), QFileDevice::FileModificationTime);
    return toQImage(*made.canvas);
}

QImage writePlainPicture(const QString& path, QRgb colour, int age, QSize size = {120, 90}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    EXPECT_TRUE(image.save(path));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(QDateTime::currentDateTime().addSecs(-age), QFileDevice::FileModificationTime);
    return image;
}

TEST(FolderSheetLabel, NameTypeSeedAndVariationFromTheTextsOrTheFileName) {
    QTemporaryDir dir;
    writeMomentartPicture(dir.filePath("a.png"), 31, 0);
    writeMomentartPicture(dir.filePath("b.png"), 32, 0, {VariationKind::Centres, 3});
    writePlainPicture(dir.filePath("plain.png"), 0xff336699, 0);
    EXPECT_EQ(folderSheetLabel(dir.filePath("a.png"), QImage(dir.filePath("a.png"))),
              (QStringList{"T20261208100000", "type 20  seed 31"}));
    EXPECT_EQ(folderSheetLabel(dir.filePath("b.png"), QImage(dir.filePath("b.png"))),
              (QStringList{"T20261208100000  centres 3", "type 20  seed 32"}));
    EXPECT_EQ(folderSheetLabel(dir.filePath("plain.png"), QImage(dir.filePath("plain.png"))),
              QStringList{"plain.png"});
}

TEST(FolderSheet, NewestFirstEachCellItsPictureAndItsLabel) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("batch"));
    const QString folder = dir.filePath("batch");
    const QImage older = writeMomentartPicture(folder + "/older.png", 31, 300);
    const QImage plain = writePlainPicture(folder + "/plain.png", 0xff336699, 10);
    const QImage newer = writeMomentartPicture(folder + "/newer.png", 32, 100);
    writePlainPicture(folder + "/not-a-png.bmp", 0xffffffff, 0);  // a folder gives only its PNGs

    const cli::Result result = cli::run({"sheet", "batch", "--out", "s.png", "--quiet"}, dir.path());
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QImage sheet(dir.filePath("s.png"));
    ASSERT_EQ(sheet.size(), contactSheetSize(kFolderSheetGrid, 3));

    const QList<SheetEntry> expected = {
        {plain, {"plain.png"}},
        {newer, {"T20261208100000", "type 20  seed 32"}},
        {older, {"T20261208100000", "type 20  seed 31"}},
    };
    // Each cell as a sheet of that one entry lays it out.
    for (int n = 0; n < expected.size(); ++n) {
        const QImage alone = layOutContactSheet(kFolderSheetGrid, {}, {expected[n]});
        EXPECT_TRUE(cli::samePixels(sheet.copy(sheetPictureRect(kFolderSheetGrid, n)),
                                    alone.copy(sheetPictureRect(kFolderSheetGrid, 0))))
            << n;
        EXPECT_TRUE(cli::samePixels(sheet.copy(sheetLabelRect(kFolderSheetGrid, n)),
                                    alone.copy(sheetLabelRect(kFolderSheetGrid, 0))))
            << n;
    }
    // The labels differ from each other: the check above can tell them apart.
    EXPECT_FALSE(cli::samePixels(sheet.copy(sheetLabelRect(kFolderSheetGrid, 1)),
                                 sheet.copy(sheetLabelRect(kFolderSheetGrid, 2))));
}

TEST(FolderSheet, MoreThanTwoHundredPicturesGoOnNumberedSheets) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("many"));
    for (int n = 0; n < kMostPerSheet + 1; ++n)
        writePlainPicture(dir.filePath(QString("many/p%1.png").arg(n, 3, 10, QChar('0'))), 0xff000000 + n * 997, n,
                          {16, 12});
    const cli::Result result = cli::run({"sheet", "many"}, dir.path());
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QString made = dir.filePath("Pictures/momentart/sheet-many");
    EXPECT_EQ(result.out, QString("sheet: %1-1.png\nsheet: %1-2.png\n").arg(made));
    EXPECT_EQ(QImage(made + "-1.png").size(), contactSheetSize(kFolderSheetGrid, kMostPerSheet));
    EXPECT_EQ(QImage(made + "-2.png").size(), contactSheetSize(kFolderSheetGrid, 1));
    // The oldest, p200, is alone on the second sheet.
    const QImage last = layOutContactSheet(kFolderSheetGrid, {}, {{QImage(dir.filePath("many/p200.png")), {"p200.png"}}});
    EXPECT_TRUE(cli::samePixels(QImage(made + "-2.png").copy(sheetLabelRect(kFolderSheetGrid, 0)),
                                last.copy(sheetLabelRect(kFolderSheetGrid, 0))));
    // A second run does not replace the first sheets.
    const cli::Result again = cli::run({"sheet", "many", "--quiet"}, dir.path());
    ASSERT_EQ(again.status, 0) << again.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(made + "-2-1.png"));
}

TEST(FolderSheet, BadInputGetsOneLineAndStatusTwo) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("empty"));
    const QList<QStringList> cases = {
        {"empty"},
        {"missing"},
        {"empty", "--seed", "5"},
        {"empty", "--out", "s.bmp"},
    };
    for (const QStringList& arguments : cases) {
        const cli::Result result = cli::run(QStringList{"sheet"} + arguments, dir.path());
        const std::string shown = arguments.join(' ').toStdString();
        EXPECT_EQ(result.status, 2) << shown;
        EXPECT_EQ(result.err.count('\n'), 1) << shown << ": " << result.err.toStdString();
        EXPECT_TRUE(result.err.startsWith("momentart sheet: ")) << shown;
    }
}

}  // namespace
}  // namespace momentart
