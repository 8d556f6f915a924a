// "save on D:" and "save on C:": the whole picture copied into the export
// canvas with the progress mark on the window, written as a 24-bit bitmap
// named after the picture; failures reported, nothing lost.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QShortcut>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include "engine/startup.h"
#include "window/export.h"
#include "window/picture_view.h"
#include "platform/pictures_folder.h"
#include "platform/recipe_file.h"
#include "platform/recipe_png.h"
#include "platform/renderer.h"
#include "window_test_support.h"
#include "file_support.h"

namespace momentart::testing {
namespace {

QString savedPath(SessionUnderTest& w, const char* drive) {
    return w.folder.filePath(QString(drive) + "/" + QString::fromStdString(w->state().imeslike) + ".bmp");
}

// Every pixel of a bitmap file against the canvas.
long differingFromFile(const QString& path, const Canvas& canvas) {
    const QImage image(path);
    if (image.size() != QSize(Canvas::kWidth, Canvas::kHeight)) return -1;
    Canvas read;
    fromQImage(image, read);
    return differingPixels(read, canvas);
}

// The bits per pixel a Windows bitmap file's header gives.
int bitsPerPixel(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray header = file.read(30);
    if (header.size() < 30 || !header.startsWith("BM")) return -1;
    return static_cast<unsigned char>(header[28]) | (static_cast<unsigned char>(header[29]) << 8);
}

TEST(WindowSave, OnDWritesABitmapWhosePixelsAreThePictures) {
    SessionUnderTest w;
    w.start();
    const Canvas before = w->picture();
    w.carry(WindowAction::SaveOnD);

    const QString path = savedPath(w, "d");
    ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
    EXPECT_EQ(bitsPerPixel(path), 24);
    EXPECT_EQ(differingFromFile(path, w->picture()), 0);
    EXPECT_EQ(differingPixels(w->exportCanvas(), w->picture()), 0);
    EXPECT_EQ(differingPixels(w->picture(), before), 0);
    EXPECT_EQ(w->state().i, 601);
    EXPECT_EQ(w->state().j, 451);
    EXPECT_TRUE(w.reports.paths.isEmpty());
    EXPECT_TRUE(QDir(w.folder.filePath("c")).isEmpty());
}

TEST(WindowSave, OnCWritesIntoDriveC) {
    SessionUnderTest w;
    w.start();
    w.carry(WindowAction::SaveOnC);
    const QString path = savedPath(w, "c");
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_EQ(differingFromFile(path, w->picture()), 0);
    EXPECT_TRUE(QDir(w.folder.filePath("d")).isEmpty());
}

TEST(WindowSave, TwiceSaysAlreadySavedAndNeverWritesOverAnotherPicture) {
    SessionUnderTest w;
    w.start();
    w.carry(WindowAction::SaveOnD);
    const QString path = savedPath(w, "d");
    const QDir d(w.folder.filePath("d"));
    EXPECT_EQ(d.entryList(QDir::Files), QStringList({QFileInfo(path).fileName(), QFileInfo(recipePathBeside(path)).fileName()}));
    w.carry(WindowAction::SaveOnD);
    EXPECT_EQ(w.reports.alreadySavedPaths, QStringList{path});
    EXPECT_EQ(d.entryList(QDir::Files).size(), 2);
    EXPECT_TRUE(w->statusText().contains("already saved")) << w->statusText().toStdString();

    // A file of that name that holds something else is kept; the picture
    // takes the next free name, with its own recipe.
    ASSERT_TRUE(testing::writeFile(path, "not a picture"));
    w.carry(WindowAction::SaveOnD);
    const QString next = w.folder.filePath("d/" + QString::fromStdString(w->state().imeslike) + "-2.bmp");
    EXPECT_EQ(w.reports.savedPaths.back(), next);
    EXPECT_EQ(differingFromFile(next, w->picture()), 0);
    const RecipeFromFile read = readRecipeOfAnyFile(next);
    ASSERT_TRUE(read.recipe) << read.error.toStdString();
    EXPECT_EQ(encodeRecipe(*read.recipe), encodeRecipe(w->lastRun().recipe));
    EXPECT_EQ(testing::readFile(path), QByteArray("not a picture"));
    EXPECT_TRUE(w.reports.paths.isEmpty());
}

TEST(WindowSave, AfterARepeatUsesTheNewPicturesName) {
    SessionUnderTest w;
    w.start();
    const std::string first = w->state().imeslike;
    w.clock.time.minute = 15;
    w.clock.seed = 0x45300000u;
    w.carry(WindowAction::RepeatType);
    ASSERT_NE(w->state().imeslike, first);
    w.carry(WindowAction::SaveOnD);
    EXPECT_EQ(differingFromFile(savedPath(w, "d"), w->picture()), 0);
    EXPECT_FALSE(QFile::exists(w.folder.filePath("d/" + QString::fromStdString(first) + ".bmp")));
}

TEST(WindowSave, IntoAMissingFolderReportsItAndLosesNothing) {
    QTemporaryDir folder;
    TestClock clock;
    CapturedReports reports;
    WindowSettings settings;
    settings.pace = 0;
    settings.drives.d = folder.filePath("no such drive");
    settings.drives.c = folder.filePath("c");
    PictureSession window(clock, settings, 1.0 / 60);
    window.setSaveReporter(&reports);
    window.start();
    settle(window);
    const Canvas before = window.picture();

    window.perform(WindowAction::SaveOnD);
    const QString path = QDir(settings.drives.d).filePath(QString::fromStdString(window.state().imeslike) + ".bmp");
    ASSERT_EQ(reports.paths.size(), 1);
    EXPECT_EQ(reports.paths[0], path);
    EXPECT_TRUE(reports.messages[0].contains(path)) << reports.messages[0].toStdString();
    EXPECT_TRUE(reports.messages[0].contains("no such folder")) << reports.messages[0].toStdString();
    EXPECT_FALSE(QDir(settings.drives.d).exists());
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    EXPECT_EQ(differingPixels(window.picture(), before), 0);
    EXPECT_FALSE(window.exited());

    // The program goes on: the next picture and a save elsewhere work.
    window.perform(WindowAction::NewImage);
    settle(window);
    EXPECT_EQ(window.runsMade(), 2);
}

TEST(WindowSave, ProgressMarkIsDrawnAboveThePictureAndStaysUntilExit) {
    WindowUnderTest w;
    w.start();
    const auto barIsBlack = [&] {
        const QImage client = w->client().grab().toImage();
        for (int x = 105; x <= 705; ++x)
            for (int y = 160; y <= 170; ++y)
                if (client.pixelColor(x, y) != QColor(Qt::black)) return false;
        return true;
    };
    EXPECT_FALSE(barIsBlack());
    for (const auto& [action, black] : {std::pair{WindowAction::SaveOnD, true}, std::pair{WindowAction::NewImage, true},
                                        std::pair{WindowAction::Exit, false}}) {
        w.session().perform(action);
        settle(w.session());
        EXPECT_EQ(barIsBlack(), black);
    }
}

// saveimage on its own, with a picture whose every pixel differs from what
// the export canvas held before.
TEST(WindowSaveimage, CopiesEveryPixelColumnAndRowZeroToo) {
    GenerationState s;
    s.imeslike = "T20260101000000";
    Canvas picture, exported;
    for (int row = 0; row < Canvas::kHeight; ++row)
        for (int column = 0; column < Canvas::kWidth; ++column) {
            picture.set(column, row, colourOf(column % 256, row % 256, (column + row) % 251 + 1));
            exported.set(column, row, colourOf(255, 0, 0));
        }
    ProgressMark mark;
    QTemporaryDir folder;
    Recipe recipe;  // of a picture made right after start-up
    startup(recipe.before, 1234);
    recipe.seed = 1234;
    const BitmapSave written = saveimage(s, picture, exported, mark, folder.path(), recipe);
    ASSERT_EQ(written.outcome, BitmapSave::Outcome::Written) << written.error.toStdString();
    EXPECT_EQ(written.path, folder.filePath("T20260101000000.bmp"));
    EXPECT_EQ(differingPixels(exported, picture), 0);
    EXPECT_EQ(differingFromFile(folder.filePath("T20260101000000.bmp"), picture), 0);
    const RecipeFromFile beside = readRecipeFile(folder.filePath("T20260101000000.recipe"));
    ASSERT_TRUE(beside.recipe) << beside.error.toStdString();
    EXPECT_EQ(beside.recipe->seed, 1234u);
    EXPECT_EQ(s.i, 601);
    EXPECT_EQ(s.j, 451);
    EXPECT_TRUE(mark.finished());
    EXPECT_EQ(mark.column(), 600);
}

TEST(WindowProgressMark, ABlackBarWithAWhiteTipThenBlackTo705) {
    const auto draw = [](const ProgressMark& mark) {
        QImage image(720, 200, QImage::Format_RGB32);
        image.fill(Qt::gray);
        QPainter painter(&image);
        mark.paint(painter);
        return image;
    };
    ProgressMark mark;
    QImage image = draw(mark);
    EXPECT_EQ(image.pixelColor(105, 165), QColor(Qt::gray));

    mark.columnDone(10);  // white at 115 after black at 105..114
    image = draw(mark);
    for (int y = 160; y <= 170; ++y) {
        EXPECT_EQ(image.pixelColor(104, y), QColor(Qt::gray));
        EXPECT_EQ(image.pixelColor(105, y), QColor(Qt::black));
        EXPECT_EQ(image.pixelColor(114, y), QColor(Qt::black));
        EXPECT_EQ(image.pixelColor(115, y), QColor(Qt::white));
        EXPECT_EQ(image.pixelColor(116, y), QColor(Qt::gray));
    }
    EXPECT_EQ(image.pixelColor(110, 159), QColor(Qt::gray));
    EXPECT_EQ(image.pixelColor(110, 171), QColor(Qt::gray));

    mark.columnDone(600);
    mark.finish();
    image = draw(mark);
    EXPECT_EQ(image.pixelColor(105, 160), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(705, 170), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(706, 165), QColor(Qt::gray));

    mark.clear();
    EXPECT_FALSE(mark.visible());
    EXPECT_EQ(draw(mark).pixelColor(400, 165), QColor(Qt::gray));
}

TEST(WindowDriveRoots, DefaultToTheDrivesOrTheMomentartFoldersOfPicturesAndDocuments) {
    const DriveRoots roots = defaultDriveRoots();
#if defined(Q_OS_WIN)
    EXPECT_EQ(roots.d, "D:\\");
    EXPECT_EQ(roots.c, "C:\\");
#else
    // D: is where Ctrl+S saves too.
    EXPECT_EQ(roots.d, defaultPicturesFolder());
    EXPECT_TRUE(roots.c.endsWith("/momentart"));
    EXPECT_NE(roots.d, roots.c);
#endif
}

}  // namespace
}  // namespace momentart::testing

namespace momentart::testing {
namespace {

// Ctrl+S after several pictures: a PNG in the Pictures folder whose recipe
// makes the window's picture again, pixel for pixel; Ctrl+S again writes
// nothing and says it is already saved.
TEST(WindowSavePng, CtrlSSavesAPictureThatCarriesItsRecipeOnce) {
    WindowUnderTest w;
    w.start();
    PictureSession& s = w.session();
    for (double izbors : {0.0, 1.0, 0.0}) {
        w.clock.seed += 977;
        s.perform(izbors == 0 ? WindowAction::NewImage : WindowAction::RepeatType);
    }
    settle(s);
    QShortcut* key = w->findChild<QShortcut*>("SavePngKey");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->key(), QKeySequence(Qt::CTRL | Qt::Key_S));
    for (int press = 0; press < 2; ++press) {
        emit key->activated();
        settle(s);
    }
    ASSERT_TRUE(w.reports.paths.isEmpty()) << w.reports.messages.join("; ").toStdString();
    ASSERT_EQ(w.reports.savedPaths.size(), 1);
    const QString path = w.reports.savedPaths.front();
    EXPECT_EQ(w.reports.alreadySavedPaths, QStringList{path});
    const QString name = QString::fromStdString(s.state().imeslike);
    EXPECT_EQ(QDir(defaultPicturesFolder()).entryList({name + ".png", name + "-2.png"}, QDir::Files),
              QStringList{name + ".png"});
    EXPECT_TRUE(w->statusText().contains("already saved")) << w->statusText().toStdString();
    EXPECT_TRUE(path.endsWith(QString::fromStdString(s.state().imeslike) + ".png"));
    const RecipeFromFile read = readRecipeFromPicture(path);
    ASSERT_TRUE(read.recipe) << read.error.toStdString();
    const RenderedPicture again = renderFromRecipe(*read.recipe);
    EXPECT_EQ(differingPixels(*again.canvas, s.picture()), 0);
}

}  // namespace
}  // namespace momentart::testing
