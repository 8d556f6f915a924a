// The window's history: earlier pictures shown again pixel for pixel from
// their recipes, browsing and the history folder never changing what comes
// next, the recipe files written and listed, saves with their recipe, the
// panel, and opening a picture.
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>

#include "engine/interest.h"
#include "engine/picture_summary.h"
#include "engine/stamp.h"
#include "platform/history_store.h"
#include "platform/picture_file.h"
#include "platform/recipe_file.h"
#include "platform/renderer.h"
#include "window/picture_view.h"
#include "window_test_support.h"
#include "file_support.h"

namespace momentart::testing {
namespace {

// A key sequence both sessions of a comparison follow; the clock moves on
// before every command, as time does.
enum class Key { N, R, Left, Right, D, C, Keep };

void give(WindowUnderTest& w, Key key) {
    w.clock.seed += 7919;
    w.clock.time.second = (w.clock.time.second + 1) % 60;
    switch (key) {
        case Key::N: pressKey(*w, Qt::Key_N, "n"); break;
        case Key::R: pressKey(*w, Qt::Key_R, "r"); break;
        case Key::Left: pressKey(*w, Qt::Key_Left, {}); break;
        case Key::Right: pressKey(*w, Qt::Key_Right, {}); break;
        case Key::D: pressKey(*w, Qt::Key_D, "d"); break;
        case Key::C: pressKey(*w, Qt::Key_C, "c"); break;
        case Key::Keep: w.session().perform(WindowAction::SavePng); break;
    }
    settle(w.session());
}

// The pictures made, in order, as they were when made.
struct Session {
    std::vector<Canvas> made;
    void keep(const PictureSession& session) { made.push_back(session.picture()); }
};

QString labelText(MainWindow& window, const char* name) {
    const auto* label = window.findChild<QLabel*>(name);
    return label != nullptr ? label->text() : QString("(no label %1)").arg(name);
}

TEST(WindowHistory, LeftShowsEarlierPicturesExactlyAndTheNextPictureIsUnchanged) {
    WindowUnderTest browsing, plain;
    for (WindowUnderTest* w : {&browsing, &plain}) w->start();
    Session made;
    made.keep(browsing.session());
    for (int n = 0; n < 2; ++n) {
        give(browsing, Key::N);
        give(plain, Key::N);
        made.keep(browsing.session());
    }
    ASSERT_EQ(browsing.session().history().size(), 3);

    // Left twice: the pictures before, made again from their recipes, on
    // screen pixel for pixel; the live picture and state stay as they were.
    const GenerationState live = browsing.session().state();
    for (int earlier : {1, 0}) {
        give(browsing, Key::Left);
        SCOPED_TRACE(earlier);
        EXPECT_EQ(browsing.session().history().shownIndex(), earlier);
        EXPECT_EQ(differingPixels(browsing.session().shownPicture(), made.made[earlier]), 0);
        EXPECT_EQ(browsing->pictureView().shown(), toQImage(made.made[earlier]));
        EXPECT_EQ(labelText(*browsing, "PicturePosition"), QString("earlier picture %1 of 3").arg(earlier + 1));
        EXPECT_TRUE(sameState(browsing.session().state(), live));
        EXPECT_EQ(differingPixels(browsing.session().picture(), made.made[2]), 0);
    }
    give(browsing, Key::Left);  // nothing before the first
    EXPECT_EQ(browsing.session().history().shownIndex(), 0);

    // Right returns, step by step, to the newest.
    give(browsing, Key::Right);
    EXPECT_EQ(browsing->pictureView().shown(), toQImage(made.made[1]));
    give(browsing, Key::Right);
    EXPECT_TRUE(browsing.session().history().showingNewest());
    EXPECT_EQ(browsing->pictureView().shown(), toQImage(made.made[2]));
    EXPECT_TRUE(labelText(*browsing, "PicturePosition").startsWith("the newest picture"));

    // Browsing back again and saving the earlier picture shown changes
    // nothing of what N makes next.
    give(browsing, Key::Left);
    give(browsing, Key::C);
    plain.clock.seed = browsing.clock.seed;  // the same moment for both
    plain.clock.time = browsing.clock.time;
    give(browsing, Key::N);
    give(plain, Key::N);
    EXPECT_EQ(differingPixels(browsing.session().picture(), plain.session().picture()), 0);
    EXPECT_TRUE(sameState(browsing.session().state(), plain.session().state()));
    EXPECT_EQ(encodeRecipe(browsing.session().lastRun().recipe), encodeRecipe(plain.session().lastRun().recipe));
    EXPECT_TRUE(browsing.session().history().showingNewest());
    EXPECT_EQ(browsing->pictureView().shown(), toQImage(browsing.session().picture()));
}

TEST(WindowHistory, WhileAnEarlierPictureIsMadeAgainAPreviewShowsAndCommandsWaitTheirTurn) {
    WindowUnderTest w;
    w.start();
    give(w, Key::N);
    const Canvas newest = w.session().picture();
    pressKey(*w, Qt::Key_Left, {});
    // Made on a worker thread: the window answers at once with the
    // thumbnail stretched, and the panel already names the earlier picture.
    EXPECT_TRUE(w.session().busy());
    EXPECT_NE(w->pictureView().shown(), toQImage(newest));
    EXPECT_EQ(labelText(*w, "PicturePosition"), "earlier picture 1 of 2");
    w.session().perform(WindowAction::NewImage);
    EXPECT_EQ(w.session().runsMade(), 2);
    settle(w.session());
    EXPECT_EQ(w.session().runsMade(), 3);
    EXPECT_TRUE(w.session().history().showingNewest());
    EXPECT_EQ(w->pictureView().shown(), toQImage(w.session().picture()));
}

TEST(WindowHistory, PicturesAreTheSameWhetherTheHistoryFolderCanBeWrittenOrNot) {
    WindowUnderTest kept, unkept;
    // A file where the history folder should be: it can never be made.
    QFile blocker(unkept.folder.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    WindowSettings settings = unkept.session().settings();
    settings.historyFolder = unkept.folder.filePath("blocked/history");
    unkept.window = std::make_unique<MainWindow>(unkept.clock, settings);
    unkept.session().setSaveReporter(&unkept.reports);
    unkept->show();

    for (WindowUnderTest* w : {&kept, &unkept}) {
        w->start();
    }
    EXPECT_TRUE(unkept->statusText().startsWith("History is not kept on disk this session"))
        << unkept->statusText().toStdString();
    const std::vector<Key> keys = {Key::N, Key::R, Key::Left, Key::D, Key::Right, Key::N, Key::Keep,
                                   Key::Left, Key::Left, Key::R, Key::D, Key::N};
    for (std::size_t n = 0; n < keys.size(); ++n) {
        SCOPED_TRACE(n);
        give(kept, keys[n]);
        give(unkept, keys[n]);
        EXPECT_EQ(differingPixels(kept.session().picture(), unkept.session().picture()), 0);
        EXPECT_EQ(kept->pictureView().shown(), unkept->pictureView().shown());
        EXPECT_TRUE(sameState(kept.session().state(), unkept.session().state()));
        // Reported once: later pictures do not bring the message back.
        if (n > 3) {
            EXPECT_FALSE(unkept->statusText().startsWith("History")) << unkept->statusText().toStdString();
        }
    }
    for (const QString& saved : kept.reports.savedPaths + unkept.reports.savedPaths)
        if (saved.endsWith(".png")) QFile::remove(saved);
    EXPECT_EQ(newestHistory(kept.session().settings().historyFolder, 100).size(), kept.session().history().size());
    EXPECT_FALSE(QFileInfo::exists(settings.historyFolder));
}

TEST(WindowHistory, TheHistoryCommandListsTheSessionAndEachListedFileRemakesItsPicture) {
    WindowUnderTest w;
    w.start();
    Session made;
    made.keep(w.session());
    for (Key key : {Key::N, Key::R, Key::N}) {
        give(w, key);
        made.keep(w.session());
    }
    const ProgramRun listed = runProgram({"history", "--last", "3", "--folder", w.session().settings().historyFolder});
    ASSERT_EQ(listed.status, 0) << listed.err.toStdString();
    const QStringList lines = listed.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << listed.out.toStdString();
    for (int n = 0; n < 3; ++n) {
        // Newest first.
        const int index = 3 - n;
        const PictureSummary& summary = w.session().history().at(index).summary;
        const QStringList fields = lines[n].split(' ', Qt::SkipEmptyParts);
        ASSERT_EQ(fields.size(), 6) << lines[n].toStdString();
        EXPECT_EQ(fields[0].toStdString(), summary.name);
        EXPECT_EQ(fields[2], QString::number(summary.type));
        EXPECT_EQ(fields[4], QString::number(summary.seed));
        EXPECT_EQ(fields[5], w.session().history().at(index).recipeFile);

        const QString again = w.folder.filePath(QString("again%1.png").arg(n));
        const ProgramRun render = runProgram({"render", "--from", fields[5], "--out", again});
        ASSERT_EQ(render.status, 0) << render.err.toStdString();
        Canvas read;
        fromQImage(QImage(again), read);
        EXPECT_EQ(differingPixels(read, made.made[index]), 0) << lines[n].toStdString();
    }
    EXPECT_TRUE(labelText(*w, "RemakeCommand").contains("momentart render --from " + w.session().history().at(3).recipeFile));
}

TEST(WindowHistory, SaveOnDWritesTheRecipeBesideAndRenderFromTheBitmapRemakesItByteForByte) {
    WindowUnderTest w;
    w.start();
    give(w, Key::N);
    give(w, Key::R);
    give(w, Key::Left);  // an earlier picture is saved just as well
    give(w, Key::D);
    ASSERT_EQ(w.reports.savedPaths.size(), 1) << w.reports.messages.join("; ").toStdString();
    const QString bitmap = w.reports.savedPaths.front();
    EXPECT_EQ(QFileInfo(bitmap).fileName().toStdString(), w.session().history().at(1).summary.name + ".bmp");
    EXPECT_TRUE(QFileInfo::exists(recipePathBeside(bitmap)));
    EXPECT_TRUE(w->statusText().startsWith("Saved " + QFileInfo(bitmap).fileName() + " and its recipe in "))
        << w->statusText().toStdString();

    const QString again = w.folder.filePath("again.bmp");
    const ProgramRun render = runProgram({"render", "--from", bitmap, "--out", again});
    ASSERT_EQ(render.status, 0) << render.err.toStdString();
    const QByteArray saved = testing::readFile(bitmap);
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved, testing::readFile(again));
}

TEST(WindowHistory, APictureFileOpensTheWindowOnItAndTheSequenceGoesOnFromIt) {
    // A session whose second picture is saved in the three forms.
    WindowUnderTest first;
    first.start();
    give(first, Key::N);
    const Canvas second = first.session().picture();
    give(first, Key::D);
    const QString bitmap = first.reports.savedPaths.value(0);
    const QString png = first.folder.filePath("second.png");
    ASSERT_TRUE(writePicture(png, second, first.session().lastRun().recipe, first.session().state()).ok);
    const QString recipe = first.session().history().at(1).recipeFile;
    const QString film = first.folder.filePath("second.webp");
    ASSERT_EQ(runProgram({"film", "--from", png, "--seconds", "1", "--hold", "0", "--fps", "2", "--out", film}).status, 0);
    give(first, Key::N);

    for (const QString& file : {png, bitmap, recipe, film}) {
        SCOPED_TRACE(file.toStdString());
        WindowUnderTest opened(0, file);
        opened.clock = first.clock;
        opened.clock.seedReads = 0;
        opened.clock.seed -= 7919;
        opened.clock.time.second = (opened.clock.time.second + 59) % 60;
        opened.start();
        EXPECT_EQ(opened.clock.seedReads, 0);
        EXPECT_EQ(differingPixels(opened.session().picture(), second), 0);
        EXPECT_EQ(opened->pictureView().shown(), toQImage(second));
        EXPECT_EQ(labelText(*opened, "PictureName").toStdString(), first.session().history().at(1).summary.name);
        give(opened, Key::N);
        EXPECT_EQ(differingPixels(opened.session().picture(), first.session().picture()), 0);
        EXPECT_TRUE(sameState(opened.session().state(), first.session().state()));
    }

    // Dropped on a window, the same; other files are not taken.
    WindowUnderTest dropped;
    dropped.start();
    QMimeData text;
    text.setUrls({QUrl::fromLocalFile(first.folder.filePath("notes.txt"))});
    QDragEnterEvent refusedEnter(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refusedEnter.ignore();
    QApplication::sendEvent(dropped.window.get(), &refusedEnter);
    EXPECT_FALSE(refusedEnter.isAccepted());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(png)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QApplication::sendEvent(dropped.window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dropped.window.get(), &drop);
    settle(dropped.session());
    EXPECT_EQ(differingPixels(dropped.session().picture(), second), 0);
    EXPECT_EQ(dropped.session().history().size(), 2);
    EXPECT_TRUE(dropped->statusText().startsWith("Opened")) << dropped->statusText().toStdString();

    // A file that is no picture of ours is refused with one line.
    const ProgramRun refused = runProgram({first.folder.filePath("missing.png")});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err.count('\n'), 1) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains("no such file")) << refused.err.toStdString();
}

TEST(WindowHistory, ThePanelSaysWhatThePictureIsAndTheStripShowsTheLastTwelve) {
    WindowUnderTest w;
    w.start();
    for (int n = 0; n < 13; ++n) give(w, n % 3 == 0 ? Key::R : Key::N);
    ASSERT_EQ(w.session().history().size(), 14);

    const PictureSummary summary = summarizePicture(w.session().lastRun().recipe);
    EXPECT_EQ(labelText(*w, "PictureName").toStdString(), w.session().state().imeslike);
    const QString details = labelText(*w, "PictureDetails");
    for (const QString& part : {QString::number(summary.type), QString::number(summary.seed),
                                QString("group %1, formula %2").arg(w.session().state().v1).arg(w.session().state().v2),
                                QString("family %1, scheme %2").arg(w.session().state().barve).arg(w.session().state().tip)})
        EXPECT_TRUE(details.contains(part)) << part.toStdString() << " in " << details.toStdString();

    // Back and Forward are offered where there is a picture to go to.
    auto* back = w->findChild<QPushButton*>("Back");
    auto* forward = w->findChild<QPushButton*>("Forward");
    EXPECT_TRUE(back->isEnabled());
    EXPECT_FALSE(forward->isEnabled());

    // The strip: pictures 3 to 14; a click on the first shows picture 3.
    auto* leftmost = w->findChild<QToolButton*>("Thumbnail0");
    ASSERT_NE(leftmost, nullptr);
    leftmost->click();
    settle(w.session());
    EXPECT_EQ(w.session().history().shownIndex(), 2);
    EXPECT_TRUE(leftmost->isChecked());
    EXPECT_TRUE(back->isEnabled());
    EXPECT_TRUE(forward->isEnabled());
    // Browsing further back, the strip follows: the first picture is marked.
    give(w, Key::Left);
    give(w, Key::Left);
    EXPECT_EQ(w.session().history().shownIndex(), 0);
    EXPECT_TRUE(leftmost->isChecked());
    EXPECT_FALSE(back->isEnabled());
    EXPECT_TRUE(leftmost->toolTip().contains("picture 1 of 14")) << leftmost->toolTip().toStdString();
    EXPECT_EQ(labelText(*w, "PicturePosition"), "earlier picture 1 of 14");
    EXPECT_EQ(labelText(*w, "PictureName").toStdString(), w.session().history().at(0).summary.name);

    // The first picture of a start is what `render --seed` makes (named for
    // when it runs); the timer seed of a later one does not make it again.
    const Recipe first = w.session().history().at(0).recipe;
    const QString fresh = QString("momentart render --seed %1 makes it too").arg(first.seed);
    EXPECT_TRUE(labelText(*w, "RemakeCommand").contains(fresh)) << labelText(*w, "RemakeCommand").toStdString();
    const QString freshFile = w.folder.filePath("fresh.png");
    const ProgramRun rendered = runProgram({"render", "--seed", QString::number(first.seed), "--out", freshFile});
    ASSERT_EQ(rendered.status, 0) << rendered.err.toStdString();
    const QImage shownImage = toQImage(w.session().shownPicture());
    const QImage freshImage = QImage(freshFile).convertToFormat(shownImage.format());
    EXPECT_EQ(freshImage.copy(0, 0, Canvas::kWidth, kStampTop), shownImage.copy(0, 0, Canvas::kWidth, kStampTop));
    EXPECT_TRUE(labelText(*w, "PictureDetails").contains("Timer seed"));
    EXPECT_TRUE(labelText(*w, "PictureDetails")
                    .contains(QString::fromStdString(interestText(measureInterest(w.session().shownPicture())))));
    // Copy puts the command that makes it again on the clipboard.
    w->findChild<QPushButton*>("CopyCommand")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "momentart render --from " + w.session().history().at(0).recipeFile);
    give(w, Key::Right);
    EXPECT_FALSE(labelText(*w, "RemakeCommand").contains("render --seed")) << labelText(*w, "RemakeCommand").toStdString();
    give(w, Key::Left);

    // Every panel button tells its key.
    for (const char* name : {"Back", "Forward", "SavePng"}) {
        const auto* button = w->findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_FALSE(button->toolTip().isEmpty()) << name;
    }
    EXPECT_TRUE(w->findChild<QPushButton*>("Back")->toolTip().endsWith("(key: Left)"));
}

}  // namespace
}  // namespace momentart::testing
