// The "Large" command: the picture on screen made again at a print scale in
// the background, saved with its recipe, while the window goes on working.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "platform/pictures_folder.h"
#include "platform/recipe_png.h"
#include "platform/renderer.h"
#include "window/large_render.h"
#include "window/large_render_status.h"
#include "window_test_support.h"

namespace momentart::testing {
namespace {

// Lets the window's event loop run until the Large render has reported.
bool waitForLarge(MainWindow& w, int seconds) {
    QElapsedTimer timer;
    timer.start();
    while (w.largeRender().running() && timer.elapsed() < seconds * 1000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return !w.largeRender().running();
}

TEST(WindowLarge, KeyLSavesThePictureAtItsScaleWhileTheWindowGoesOn) {
    QStandardPaths::setTestModeEnabled(true);
    WindowUnderTest w(0, {}, 3);
    w->start();
    const Canvas shown = w->picture();
    const std::string name = w->state().imeslike;

    QShortcut* key = w->findChild<QShortcut*>("LargeKey");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->key(), QKeySequence(Qt::Key_L));
    emit key->activated();
    ASSERT_TRUE(w->largeRender().running());
    EXPECT_TRUE(w->largeStatus().text().contains("1800 x 1350")) << w->largeStatus().text().toStdString();

    // The window makes a new picture meanwhile.
    w.clock.seed += 5;
    const long runs = w->runsMade();
    w->perform(WindowAction::NewImage);
    EXPECT_EQ(w->runsMade(), runs + 1);

    ASSERT_TRUE(waitForLarge(*w, 300));
    const QString status = w->largeStatus().text();
    ASSERT_TRUE(status.startsWith("Large picture saved: ")) << status.toStdString();
    const QString path = status.mid(QString("Large picture saved: ").size());
    EXPECT_TRUE(path.endsWith(QString::fromStdString(name) + ".png")) << path.toStdString();

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
    QFile::remove(path);
}

TEST(WindowLarge, CancelStopsTheRenderAndSavesNothing) {
    QStandardPaths::setTestModeEnabled(true);
    WindowUnderTest w(0, {}, 16);
    w->start();
    // Other tests, maybe running at the same time, save pictures of the same
    // name into the same folder: what counts is that no picture of this
    // render's size (scale 16) appears there.
    const QDir folder(defaultPicturesFolder());
    w->perform(WindowAction::Large);
    ASSERT_TRUE(w->largeRender().running());
    auto* cancel = w->findChild<QPushButton*>("LargeCancel");
    ASSERT_NE(cancel, nullptr);
    cancel->click();
    ASSERT_TRUE(waitForLarge(*w, 120));
    EXPECT_EQ(w->largeStatus().text(), "Large picture not saved: cancelled");
    for (const QString& name : folder.entryList({"*.png"}, QDir::Files))
        EXPECT_NE(QImageReader(folder.filePath(name)).size(), QSize(600 * 16, 450 * 16)) << name.toStdString();
}

}  // namespace
}  // namespace momentart::testing
