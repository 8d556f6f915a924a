// Form1's commands: start-up, "new image", "repeat the same type", the wide
// buttons, "exit", the keys, and commands given while a picture grows.
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "window/escape_rule.h"

#include "engine/export_copy.h"
#include "window/picture_view.h"
#include "window_test_support.h"

namespace momentart::testing {
namespace {

QPushButton* button(MainWindow& window, const char* name) {
    return window.client().findChild<QPushButton*>(name);
}

// A button clicked, and what it started carried out to its end.
void click(WindowUnderTest& w, const char* name) {
    button(*w, name)->click();
    settle(w.session());
}

TEST(WindowStartUp, LeavesACompleteStampedPictureAndIzborsZero) {
    WindowUnderTest w;
    w.start();
    PictureSession& s = w.session();
    EngineSequence engine;
    engine.startUp(w.clock);

    EXPECT_EQ(s.state().izbors, 0);
    EXPECT_EQ(s.runsMade(), 1);
    EXPECT_TRUE(sameState(s.state(), engine.state));
    EXPECT_EQ(differingPixels(s.picture(), *engine.canvas), 0);
    // What is on screen is the finished picture.
    EXPECT_EQ(w->pictureView().shown(), toQImage(s.picture()));

    // The stamp: the same run without it differs only along the bottom.
    EngineSequence unstamped;
    startup(unstamped.state, w.clock.timerSeed());
    unstamped.run(w.clock, 0, /*stamp=*/false);
    long aboveStamp = 0, inStamp = 0;
    for (int row = 0; row < Canvas::kHeight; ++row)
        for (int column = 0; column < Canvas::kWidth; ++column)
            if (s.picture().at(column, row) != unstamped.canvas->at(column, row)) ++(row < 425 ? aboveStamp : inStamp);
    EXPECT_EQ(aboveStamp, 0);
    EXPECT_GT(inStamp, 0);

    EXPECT_EQ(s.state().tekst1, kAuthorWeb);
    EXPECT_EQ(s.state().tekst2, kAttribution);
    EXPECT_EQ(s.state().imeslike, "T20261207081453");
}

TEST(WindowStartUp, RecordsTheStateTheRunFoundAndTheSeedItRead) {
    SessionUnderTest w;
    w.clock.seed = 0x47000000u;
    w.start();
    GenerationState expected;
    startup(expected, w.clock.seed);
    const RunRecord& record = w->lastRun();
    EXPECT_TRUE(record.made);
    EXPECT_TRUE(sameState(record.recipe.before, expected));
    EXPECT_EQ(record.recipe.seed, 0x47000000u);
    EXPECT_EQ(record.recipe.moment.second, 53);

    // The record makes the picture again.
    GenerationState again = record.recipe.before;
    Canvas picture;
    TestClock clock;
    clock.seed = record.recipe.seed;
    clock.time = record.recipe.moment;
    QtTextPrinter printer;
    RunHost host{clock, &printer, nullptr};
    makeimage(again, picture, host);
    EXPECT_EQ(differingPixels(picture, w->picture()), 0);
    EXPECT_TRUE(sameState(again, w->state()));
}

TEST(WindowStartUp, HappensOnce) {
    SessionUnderTest w;
    w.start();
    const int reads = w.clock.seedReads;
    w.start();
    EXPECT_EQ(w->runsMade(), 1);
    EXPECT_EQ(w.clock.seedReads, reads);
}

TEST(WindowRepeat, FirstAfterStartUpKeepsTheTypeAndItsPreset) {
    WindowUnderTest w;
    w.start();
    const GenerationState first = w.session().state();
    w.clock.seed = 0x46A00000u;
    w.clock.time.second = 54;
    click(w, "Command4");

    const GenerationState& s = w.session().state();
    EXPECT_EQ(s.izbors, 1);
    EXPECT_EQ(s.izbor, first.izbor);
    EXPECT_EQ(s.barve, first.barve);
    EXPECT_EQ(s.nac, first.nac);
    EXPECT_EQ(s.nacin, first.nacin);
    EXPECT_EQ(s.negat, first.negat);
    EXPECT_EQ(s.kriz, first.kriz);
    EXPECT_EQ(s.imeslike, "T20261207081454");
    EXPECT_EQ(w.session().lastRun().recipe.seed, 0x46A00000u);
    EXPECT_EQ(w.session().lastRun().recipe.before.izbors, 1);
}

TEST(WindowRepeat, KeepsTheTypeOverSeveralPicturesAndCarriesTheStateOn) {
    SessionUnderTest w;
    w.start();
    EngineSequence engine;
    TestClock clock = w.clock;
    engine.startUp(clock);
    const double type = w->state().izbor;
    for (std::uint32_t seed : {0x45000000u, 0x46000000u, 0x47000000u}) {
        w.clock.seed = clock.seed = seed;
        w.carry(WindowAction::RepeatType);
        engine.run(clock, 1);
        EXPECT_EQ(w->state().izbor, type);
        // Nothing is reset between pictures: the window's pictures are the
        // engine's with one state kept throughout.
        EXPECT_TRUE(sameState(w->state(), engine.state));
        EXPECT_EQ(differingPixels(w->picture(), *engine.canvas), 0);
    }
}

TEST(WindowNewImage, TakesTheNewSeedAndMakesAnotherPicture) {
    WindowUnderTest w;
    w.start();
    PictureSession& s = w.session();
    const Canvas first = s.picture();
    w.clock.seed = 0x46C35000u;
    click(w, "Command5");
    EXPECT_EQ(s.state().izbors, 0);
    EXPECT_EQ(s.runsMade(), 2);
    EXPECT_EQ(s.lastRun().recipe.seed, 0x46C35000u);
    EXPECT_GT(differingPixels(s.picture(), first), 0);

    EngineSequence engine;
    TestClock clock;
    engine.startUp(clock);
    clock.seed = 0x46C35000u;
    engine.run(clock, 0);
    EXPECT_TRUE(sameState(s.state(), engine.state));
    EXPECT_EQ(differingPixels(s.picture(), *engine.canvas), 0);
}

TEST(WindowNewImage, AfterARepeatDrawsTheTypeAgain) {
    SessionUnderTest w;
    w.start();
    w.carry(WindowAction::RepeatType);
    w.clock.seed = 0x45800000u;
    w.carry(WindowAction::NewImage);

    EngineSequence engine;
    TestClock clock;
    engine.startUp(clock);
    engine.run(clock, 1);
    clock.seed = 0x45800000u;
    engine.run(clock, 0);
    EXPECT_EQ(w->state().izbors, 0);
    EXPECT_TRUE(sameState(w->state(), engine.state));
    EXPECT_EQ(differingPixels(w->picture(), *engine.canvas), 0);
}

TEST(WindowWideButtons, ChangeNothing) {
    WindowUnderTest w;
    w.start();
    PictureSession& s = w.session();
    w.session().perform(WindowAction::SaveOnD);  // so that the progress mark is up too
    settle(s);
    const GenerationState state = s.state();
    const Canvas picture = s.picture();
    const Canvas exported = s.exportCanvas();
    const QImage shown = w->pictureView().shown();
    const QImage client = w->client().grab().toImage();
    const int reads = w.clock.seedReads;

    for (const char* name : {"Command1", "Command2", "Command3"}) {
        ASSERT_NE(button(*w, name), nullptr);
        click(w, name);
    }

    EXPECT_TRUE(sameState(s.state(), state));
    EXPECT_EQ(differingPixels(s.picture(), picture), 0);
    EXPECT_EQ(differingPixels(s.exportCanvas(), exported), 0);
    EXPECT_EQ(w->pictureView().shown(), shown);
    EXPECT_EQ(s.runsMade(), 1);
    EXPECT_EQ(w.clock.seedReads, reads);
    EXPECT_TRUE(s.progressMark().finished());
    EXPECT_FALSE(s.exited());
    // The window looks as before, apart from which button has the focus.
    w->setFocus();
    QCoreApplication::processEvents();
    const QImage after = w->client().grab().toImage();
    const QRect picture1 = w->pictureView().geometry();
    EXPECT_EQ(after.copy(picture1), client.copy(picture1));
    EXPECT_EQ(after.copy(0, 150, 720, 30), client.copy(0, 150, 720, 30));
}

TEST(WindowExit, ClearsTheWindowAsksToEndAndTakesNoMoreCommands) {
    WindowUnderTest w;
    w.start();
    PictureSession& s = w.session();
    s.perform(WindowAction::SaveOnD);
    ASSERT_TRUE(s.progressMark().visible());
    int exits = 0;
    QObject::connect(&s, &PictureSession::exitRequested, [&] { ++exits; });
    click(w, "Command6");
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(s.exited());
    EXPECT_FALSE(s.progressMark().visible());
    s.perform(WindowAction::NewImage);
    s.perform(WindowAction::Exit);
    settle(s);
    EXPECT_EQ(s.runsMade(), 1);
    EXPECT_EQ(exits, 1);
}

TEST(WindowKeys, StandForTheirButtons) {
    WindowUnderTest w;
    w.start();
    PictureSession& s = w.session();
    int exits = 0;
    QObject::connect(&s, &PictureSession::exitRequested, [&] { ++exits; });

    w.clock.seed = 0x45100000u;
    w.press(Qt::Key_N, "n");
    EXPECT_EQ(s.runsMade(), 2);
    EXPECT_EQ(s.state().izbors, 0);
    EXPECT_EQ(s.lastRun().recipe.seed, 0x45100000u);

    w.press(Qt::Key_R, "r");
    EXPECT_EQ(s.runsMade(), 3);
    EXPECT_EQ(s.state().izbors, 1);

    const QString name = QString::fromStdString(s.state().imeslike) + ".bmp";
    w.press(Qt::Key_D, "d");
    EXPECT_TRUE(QFile::exists(w.folder.filePath("d/" + name)));
    EXPECT_FALSE(QFile::exists(w.folder.filePath("c/" + name)));
    w.press(Qt::Key_C, "c");
    EXPECT_TRUE(QFile::exists(w.folder.filePath("c/" + name)));

    EXPECT_EQ(exits, 0);
    w.press(Qt::Key_Escape, QString());
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(s.runsMade(), 3);
}

// Escape cancels what runs or waits before it ends anything: the commands
// waiting their turn (the picture growing is finished), then, with nothing
// left, it is exit.
TEST(WindowKeys, EscapeDropsTheWaitingCommandsAndExitsOnlyWhenNothingRuns) {
    WindowUnderTest w(/*pace=*/0.3);
    PictureSession& s = w.session();
    auto now = std::chrono::steady_clock::time_point{};
    s.escapeRule().setClock([&] { return now; });
    int exits = 0;
    QObject::connect(&s, &PictureSession::exitRequested, [&] { ++exits; });
    s.start();
    pressKey(*w, Qt::Key_N, "n");
    pressKey(*w, Qt::Key_R, "r");
    EXPECT_TRUE(s.busy());
    EXPECT_EQ(s.waitingCommands(), 2);
    EXPECT_TRUE(w->findChild<QLabel*>("WaitingCommands")->text().startsWith("2 commands waiting"));
    pressKey(*w, Qt::Key_Escape, {});
    EXPECT_EQ(s.waitingCommands(), 0);
    EXPECT_EQ(exits, 0);
    settle(s);
    EXPECT_EQ(s.runsMade(), 1);
    EXPECT_FALSE(s.exited());
    EXPECT_TRUE(w->findChild<QLabel*>("WaitingCommands")->text().isEmpty());
    // Two seconds after the commands were dropped, Escape is exit at once.
    now += EscapeRule::kGrace;
    w.press(Qt::Key_Escape, {});
    EXPECT_EQ(exits, 1);
}

// The picture grows on a worker thread while the window stays free: the
// panel names it from its start, commands given meanwhile wait their turn
// and are carried out afterwards, in order.
TEST(WindowDuringARun, CommandsWaitTheirTurnAndThePanelNamesTheGrowingPicture) {
    WindowUnderTest w(/*pace=*/0.4);
    PictureSession& s = w.session();
    w.start();
    const std::string first = s.state().imeslike;
    w.clock.seed = 0x45200000u;
    w.clock.time.second = 59;
    s.perform(WindowAction::NewImage);
    ASSERT_TRUE(s.busy());
    const auto* position = w->findChild<QLabel*>("PicturePosition");
    EXPECT_EQ(position->text(), "picture 2 is growing (new image)");
    // The run names the picture at its start; the panel shows that name.
    QElapsedTimer waited;
    waited.start();
    while (s.growing().name.isEmpty() && waited.elapsed() < 10000) QCoreApplication::processEvents();
    EXPECT_EQ(w->findChild<QLabel*>("PictureName")->text(), "T20261207081459");
    EXPECT_NE(first, "T20261207081459");
    s.perform(WindowAction::RepeatType);
    s.perform(WindowAction::SaveOnD);
    EXPECT_EQ(s.runsMade(), 1);
    EXPECT_EQ(s.waitingCommands(), 2);
    settle(s);
    EXPECT_EQ(s.runsMade(), 3);
    EXPECT_EQ(s.state().izbors, 1);
    EXPECT_TRUE(QFile::exists(w.folder.filePath("d/" + QString::fromStdString(s.state().imeslike) + ".bmp")));
    EXPECT_EQ(position->text(), "the newest picture (3 made)");

    EngineSequence engine;
    TestClock clock;
    engine.startUp(clock);
    clock.seed = 0x45200000u;
    clock.time.second = 59;
    engine.run(clock, 0);
    engine.run(clock, 1);
    Canvas exported;
    copyForExport(engine.state, *engine.canvas, exported);
    EXPECT_TRUE(sameState(s.state(), engine.state));
    EXPECT_EQ(differingPixels(s.picture(), *engine.canvas), 0);
}

TEST(WindowDuringARun, ExitAndClosingTheWindowEndTheProgramAfterThePicture) {
    for (const bool closing : {false, true}) {
        SCOPED_TRACE(closing);
        WindowUnderTest w(/*pace=*/0.3);
        PictureSession& s = w.session();
        EngineSequence engine;
        TestClock clock;
        engine.startUp(clock);
        long runsAtExit = -1;
        QImage shownAtExit;
        QObject::connect(&s, &PictureSession::exitRequested, [&] {
            runsAtExit = s.runsMade();
            shownAtExit = w->pictureView().shown();
        });
        s.start();
        if (closing)
            EXPECT_FALSE(w->close());
        else
            s.perform(WindowAction::Exit);
        EXPECT_FALSE(s.exited());
        settle(s);
        EXPECT_EQ(runsAtExit, 1);
        EXPECT_EQ(shownAtExit, toQImage(*engine.canvas));
        EXPECT_TRUE(s.exited());
        EXPECT_TRUE(w->close());
    }
}

TEST(WindowDuringARun, PictureGrowsOverSeveralFramesAndEndsComplete) {
    SessionUnderTest w(/*pace=*/0.3);
    QList<QImage> frames;
    QObject::connect(w.session.get(), &PictureSession::shown, [&](const QImage& image) { frames << image; });
    w.start();
    EXPECT_GT(w->framesOfLastRun(), 2);
    ASSERT_GT(frames.size(), 2);
    EXPECT_EQ(frames.back(), toQImage(w->picture()));
    // The first frame shows part of the picture, not all of it.
    EXPECT_NE(frames.front(), frames.back());
    EngineSequence engine;
    TestClock clock;
    engine.startUp(clock);
    EXPECT_EQ(differingPixels(w->picture(), *engine.canvas), 0);
}

}  // namespace
}  // namespace momentart::testing
