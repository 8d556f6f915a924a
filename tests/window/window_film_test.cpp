// Key F: the picture shown, growing, made into an MP4 in the momentart
// folder of Videos in the background while the window goes on; the film
// carries the picture's recipe; Escape cancels it and leaves no file.
#include <QDir>
#include <QPushButton>
#include <QShortcut>
#include <gtest/gtest.h>

#include "film_frames.h"
#include "platform/pictures_folder.h"
#include "platform/recipe_file.h"
#include "platform/renderer.h"
#include "window/task_line.h"
#include "window_test_support.h"

namespace momentart::testing {
namespace {

bool waitForFilm(const PictureSession& s, int seconds) {
    return waitWhile([&] { return s.filmRunning(); }, seconds);
}

TEST(WindowFilm, KeyFSavesTheFilmOfThePictureShownOnceWhileTheWindowGoesOn) {
    WindowUnderTest w;
    w.start();
    PictureSession& s = w.session();
    const Canvas shown = s.picture();
    const QString name = QString::fromStdString(s.state().imeslike);
    QShortcut* key = w->findChild<QShortcut*>("FilmKey");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->key(), QKeySequence(Qt::Key_F));
    emit key->activated();
    ASSERT_TRUE(s.filmRunning());
    EXPECT_TRUE(w->filmStatus().text().startsWith("Film of " + name + ": ")) << w->filmStatus().text().toStdString();

    w.clock.seed += 5;
    const long runs = s.runsMade();
    s.perform(WindowAction::NewImage);
    settle(s);
    EXPECT_EQ(s.runsMade(), runs + 1);

    ASSERT_TRUE(waitForFilm(s, 300));
    const QString path = QDir(defaultVideosFolder()).filePath(name + ".mp4");
    EXPECT_EQ(w->filmStatus().text(), "Film of " + name + ": saved " + path);
    EXPECT_TRUE(w->statusText().startsWith("Saved the film " + name + ".mp4 in ")) << w->statusText().toStdString();
    const FilmRead film = readFilm(path);
    EXPECT_EQ(film.codec, "h264");
    ASSERT_EQ(film.frames.size(), 180u);
    EXPECT_EQ(film.frames.front().size(), QSize(600, 450));
    const RecipeFromFile read = readRecipeOfAnyFile(path);
    ASSERT_TRUE(read.recipe) << read.error.toStdString();
    EXPECT_EQ(differingPixels(*renderFromRecipe(*read.recipe).canvas, shown), 0);

    // The same picture again: nothing new is written.
    s.perform(WindowAction::Back);
    s.perform(WindowAction::Film);
    settle(s);
    ASSERT_TRUE(waitForFilm(s, 60));
    EXPECT_EQ(w->filmStatus().text(), "Film of " + name + ": already saved as " + path);
    EXPECT_FALSE(QFileInfo::exists(QDir(defaultVideosFolder()).filePath(name + "-2.mp4")));
    // Another picture shown: "already saved" is no news about it.
    w.press(Qt::Key_Right, {});
    EXPECT_FALSE(w->filmStatus().isVisible());
}

TEST(WindowFilm, EscapeCancelsTheFilmAndLeavesNoFile) {
    WindowUnderTest w;
    w.start();
    PictureSession& s = w.session();
    const QStringList before = QDir(defaultVideosFolder()).entryList(QDir::Files | QDir::Hidden);
    w.press(Qt::Key_F, "f");
    ASSERT_TRUE(s.filmRunning());
    w.press(Qt::Key_Escape, {});
    ASSERT_TRUE(waitForFilm(s, 120));
    EXPECT_FALSE(s.exited());
    EXPECT_TRUE(w->filmStatus().text().endsWith(": not saved, cancelled")) << w->filmStatus().text().toStdString();
    EXPECT_EQ(QDir(defaultVideosFolder()).entryList(QDir::Files | QDir::Hidden), before);
    // The cancelled line goes with the next picture; the button says what it did.
    w.press(Qt::Key_N, "n");
    EXPECT_FALSE(w->filmStatus().isVisible());
    w.press(Qt::Key_F, "f");
    ASSERT_TRUE(s.filmRunning());
    w->findChild<QPushButton*>("FilmCancel")->click();
    EXPECT_EQ(w->statusText(), "Cancelled the film");
    ASSERT_TRUE(waitForFilm(s, 120));
    EXPECT_TRUE(w->filmStatus().text().endsWith(": not saved, cancelled")) << w->filmStatus().text().toStdString();
}

}  // namespace
}  // namespace momentart::testing
