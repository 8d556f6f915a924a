// The "Large" command: the picture on screen made again at a print scale in
// the background, saved with its recipe under a name that says so, while
// the window goes on working; Escape cancels it without ending the program.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QShortcut>
#include <gtest/gtest.h>

#include "platform/pictures_folder.h"
#include "platform/recipe_png.h"
#include "platform/renderer.h"
#include "window/escape_rule.h"
#include "window/task_line.h"
#include "window_test_support.h"

namespace momentart::testing {
namespace {

// Lets the window's event loop run until the Large render has reported.
bool waitForLarge(const PictureSession& s, int seconds) {
    return waitWhile([&] { return s.largeRunning(); }, seconds);
}

TEST(WindowLarge, KeyLSavesThePictureAtItsScaleOnceWhileTheWindowGoesOn) {
    WindowUnderTest w(0, {}, 3);
    w.start();
    PictureSession& s = w.session();
    const auto now = std::chrono::steady_clock::now();
    s.escapeRule().setClock([&] { return now; });
    const Canvas shown = s.picture();
    const QString name = QString::fromStdString(s.state().imeslike);

    QShortcut* key = w->findChild<QShortcut*>("LargeKey");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->key(), QKeySequence(Qt::Key_L));
    emit key->activated();
    ASSERT_TRUE(s.largeRunning());
    // The line says whose Large picture it is.
    EXPECT_TRUE(w->largeStatus().text().startsWith("Large picture of " + name + ", 1800 x 1350"))
        << w->largeStatus().text().toStdString();

    // The window makes a new picture meanwhile.
    w.clock.seed += 5;
    const long runs = s.runsMade();
    s.perform(WindowAction::NewImage);
    settle(s);
    EXPECT_EQ(s.runsMade(), runs + 1);

    ASSERT_TRUE(waitForLarge(s, 300));
    const QString status = w->largeStatus().text();
    const QString prefix = "Large picture of " + name + ", 1800 x 1350 pixels (scale 3): saved ";
    ASSERT_TRUE(status.startsWith(prefix)) << status.toStdString();
    const QString path = status.mid(prefix.size());
    EXPECT_EQ(path, QDir(defaultPicturesFolder()).filePath(name + "-x3.png"));
    // An Escape meant for it, a moment too late, ends nothing and says why.
    w.press(Qt::Key_Escape, {});
    EXPECT_FALSE(s.exited());
    EXPECT_EQ(w->statusText(), EscapeRule::kWarning);

    QImageReader reader(path);
    EXPECT_EQ(reader.size(), QSize(1800, 1350));
    EXPECT_EQ(reader.text("Scale"), "3");
    const RecipeFromFile read = readRecipeFromPicture(path);
    ASSERT_TRUE(read.recipe) << read.error.toStdString();
    EXPECT_EQ(read.recipe->scale, 3);
    // At scale 1 its recipe is the picture that was on screen.
    Recipe standard = *read.recipe;
    standard.scale = 1;
    EXPECT_EQ(differingPixels(*renderFromRecipe(standard).canvas, shown), 0);

    // Large again for the same picture: nothing new is written.
    s.perform(WindowAction::Back);
    s.perform(WindowAction::Large);
    settle(s);
    ASSERT_TRUE(waitForLarge(s, 60));
    EXPECT_TRUE(w->largeStatus().text().endsWith("already saved as " + path)) << w->largeStatus().text().toStdString();
    EXPECT_FALSE(QFileInfo::exists(QDir(defaultPicturesFolder()).filePath(name + "-x3-2.png")));
}

// L then Escape: the render stops, nothing is saved, the program goes on;
// Escape again, with nothing running, ends it (the first time it only warns,
// the render having just ended). The cancelled line goes with the next picture.
TEST(WindowLarge, EscapeCancelsTheRenderSavesNothingAndLeavesTheProgramRunning) {
    WindowUnderTest w(0, {}, 16);
    w.start();
    PictureSession& s = w.session();
    const QString name = QString::fromStdString(s.state().imeslike);
    int exits = 0;
    QObject::connect(&s, &PictureSession::exitRequested, [&] { ++exits; });
    w.press(Qt::Key_L, "l");
    ASSERT_TRUE(s.largeRunning());
    w.press(Qt::Key_Escape, {});
    ASSERT_TRUE(waitForLarge(s, 120));
    EXPECT_EQ(exits, 0);
    EXPECT_FALSE(s.exited());
    EXPECT_TRUE(w->largeStatus().text().endsWith(": not saved, cancelled")) << w->largeStatus().text().toStdString();
    EXPECT_TRUE(QDir(defaultPicturesFolder()).entryList({name + "-x16*"}, QDir::Files).isEmpty());
    EXPECT_TRUE(w->largeStatus().isVisible());
    w.press(Qt::Key_N, "n");
    EXPECT_FALSE(w->largeStatus().isVisible());
    w.press(Qt::Key_Escape, {});
    w.press(Qt::Key_Escape, {});
    EXPECT_EQ(exits, 1);
}

}  // namespace
}  // namespace momentart::testing
