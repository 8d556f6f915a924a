// Form1's commands: start-up, "new image", "repeat the same type", the wide
// buttons, "exit", the keys, and commands given while a picture grows.
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "window/picture_view.h"
#include "window_test_support.h"

namespace momentart::testing {
namespace {

QPushButton* button(MainWindow& window, const char* name) {
    return window.client().findChild<QPushButton*>(name);
}

TEST(WindowStartUp, LeavesACompleteStampedPictureAndIzborsZero) {
    WindowUnderTest w;
    w->start();
    EngineSequence engine;
    engine.startUp(w.clock);

    EXPECT_EQ(w->state().izbors, 0);
    EXPECT_EQ(w->runsMade(), 1);
    EXPECT_TRUE(sameState(w->state(), engine.state));
    EXPECT_EQ(differingPixels(w->picture(), *engine.canvas), 0);
    // What is on screen is the finished picture.
    EXPECT_EQ(w->pictureView().shown(), toQImage(w->picture()));

    // The stamp: the same run without it differs only along the bottom.
    EngineSequence unstamped;
    startup(unstamped.state, w.clock.timerSeed());
    unstamped.run(w.clock, 0, /*stamp=*/false);
    long aboveStamp = 0, inStamp = 0;
    for (int row = 0; row < Canvas::kHeight; ++row)
        for (int column = 0; column < Canvas::kWidth; ++column)
            if (w->picture().at(column, row) != unstamped.canvas->at(column, row)) ++(row < 425 ? aboveStamp : inStamp);
    EXPECT_EQ(aboveStamp, 0);
    EXPECT_GT(inStamp, 0);

    EXPECT_EQ(w->state().tekst1, kAuthorWeb);
    EXPECT_EQ(w->state().tekst2, kAttribution);
    EXPECT_EQ(w->state().imeslike, "T20261207081453");
}

TEST(WindowStartUp, RecordsTheStateTheRunFoundAndTheSeedItRead) {
    WindowUnderTest w;
    w.clock.seed = 0x47000000u;
    w->start();
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
    WindowUnderTest w;
    w->start();
    const int reads = w.clock.seedReads;
    w->start();
    EXPECT_EQ(w->runsMade(), 1);
    EXPECT_EQ(w.clock.seedReads, reads);
}

TEST(WindowRepeat, FirstAfterStartUpKeepsTheTypeAndItsPreset) {
    WindowUnderTest w;
    w->start();
    const GenerationState first = w->state();
    w.clock.seed = 0x46A00000u;
    w.clock.time.second = 54;
    button(*w, "Command4")->click();

    const GenerationState& s = w->state();
    EXPECT_EQ(s.izbors, 1);
    EXPECT_EQ(s.izbor, first.izbor);
    EXPECT_EQ(s.barve, first.barve);
    EXPECT_EQ(s.nac, first.nac);
    EXPECT_EQ(s.nacin, first.nacin);
    EXPECT_EQ(s.negat, first.negat);
    EXPECT_EQ(s.kriz, first.kriz);
    EXPECT_EQ(s.imeslike, "T20261207081454");
    EXPECT_EQ(w->lastRun().recipe.seed, 0x46A00000u);
    EXPECT_EQ(w->lastRun().recipe.before.izbors, 1);
}

TEST(WindowRepeat, KeepsTheTypeOverSeveralPicturesAndCarriesTheStateOn) {
    WindowUnderTest w;
    w->start();
    EngineSequence engine;
    TestClock clock = w.clock;
    engine.startUp(clock);
    const double type = w->state().izbor;
    for (std::uint32_t seed : {0x45000000u, 0x46000000u, 0x47000000u}) {
        w.clock.seed = clock.seed = seed;
        w->perform(WindowAction::RepeatType);
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
    w->start();
    const Canvas first = w->picture();
    w.clock.seed = 0x46C35000u;
    button(*w, "Command5")->click();
    EXPECT_EQ(w->state().izbors, 0);
    EXPECT_EQ(w->runsMade(), 2);
    EXPECT_EQ(w->lastRun().recipe.seed, 0x46C35000u);
    EXPECT_GT(differingPixels(w->picture(), first), 0);

    EngineSequence engine;
    TestClock clock;
    engine.startUp(clock);
    clock.seed = 0x46C35000u;
    engine.run(clock, 0);
    EXPECT_TRUE(sameState(w->state(), engine.state));
    EXPECT_EQ(differingPixels(w->picture(), *engine.canvas), 0);
}

TEST(WindowNewImage, AfterARepeatDrawsTheTypeAgain) {
    WindowUnderTest w;
    w->start();
    w->perform(WindowAction::RepeatType);
    w.clock.seed = 0x45800000u;
    w->perform(WindowAction::NewImage);

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
    w->start();
    w->perform(WindowAction::SaveOnD);  // so that the progress mark is up too
    const GenerationState state = w->state();
    const Canvas picture = w->picture();
    const Canvas exported = w->exportCanvas();
    const QImage shown = w->pictureView().shown();
    const QImage client = w->client().grab().toImage();
    const int reads = w.clock.seedReads;

    for (const char* name : {"Command1", "Command2", "Command3"}) {
        ASSERT_NE(button(*w, name), nullptr);
        button(*w, name)->click();
    }
    QCoreApplication::processEvents();

    EXPECT_TRUE(sameState(w->state(), state));
    EXPECT_EQ(differingPixels(w->picture(), picture), 0);
    EXPECT_EQ(differingPixels(w->exportCanvas(), exported), 0);
    EXPECT_EQ(w->pictureView().shown(), shown);
    EXPECT_EQ(w->runsMade(), 1);
    EXPECT_EQ(w.clock.seedReads, reads);
    EXPECT_TRUE(w->progressMark().finished());
    EXPECT_FALSE(w->exited());
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
    w->start();
    w->perform(WindowAction::SaveOnD);
    ASSERT_TRUE(w->progressMark().visible());
    int exits = 0;
    QObject::connect(w.window.get(), &MainWindow::exitRequested, [&] { ++exits; });
    button(*w, "Command6")->click();
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(w->exited());
    EXPECT_FALSE(w->progressMark().visible());
    w->perform(WindowAction::NewImage);
    w->perform(WindowAction::Exit);
    EXPECT_EQ(w->runsMade(), 1);
    EXPECT_EQ(exits, 1);
}

TEST(WindowKeys, StandForTheirButtons) {
    WindowUnderTest w;
    w->start();
    int exits = 0;
    QObject::connect(w.window.get(), &MainWindow::exitRequested, [&] { ++exits; });

    w.clock.seed = 0x45100000u;
    pressKey(*w, Qt::Key_N, "n");
    EXPECT_EQ(w->runsMade(), 2);
    EXPECT_EQ(w->state().izbors, 0);
    EXPECT_EQ(w->lastRun().recipe.seed, 0x45100000u);

    pressKey(*w, Qt::Key_R, "r");
    EXPECT_EQ(w->runsMade(), 3);
    EXPECT_EQ(w->state().izbors, 1);

    const QString name = QString::fromStdString(w->state().imeslike) + ".bmp";
    pressKey(*w, Qt::Key_D, "d");
    EXPECT_TRUE(QFile::exists(w.folder.filePath("d/" + name)));
    EXPECT_FALSE(QFile::exists(w.folder.filePath("c/" + name)));
    pressKey(*w, Qt::Key_C, "c");
    EXPECT_TRUE(QFile::exists(w.folder.filePath("c/" + name)));

    EXPECT_EQ(exits, 0);
    pressKey(*w, Qt::Key_Escape, QString());
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(w->runsMade(), 3);
}

// Commands that arrive while a picture grows (the window repaints between
// lines, so timers and the like do run) wait for the run to end.
TEST(WindowDuringARun, ACommandWaitsUntilThePictureIsDone) {
    WindowUnderTest w(/*pace=*/0.3);
    bool busyWhenGiven = false;
    long runsWhenGiven = -1;
    QTimer::singleShot(30, w.window.get(), [&] {
        busyWhenGiven = w->busy();
        runsWhenGiven = w->runsMade();
        w.clock.seed = 0x45200000u;
        w->perform(WindowAction::NewImage);
    });
    w->start();
    EXPECT_TRUE(busyWhenGiven);
    EXPECT_EQ(runsWhenGiven, 0);
    EXPECT_EQ(w->runsMade(), 2);

    EngineSequence engine;
    TestClock clock;
    engine.startUp(clock);
    clock.seed = 0x45200000u;
    engine.run(clock, 0);
    EXPECT_TRUE(sameState(w->state(), engine.state));
    EXPECT_EQ(differingPixels(w->picture(), *engine.canvas), 0);
}

TEST(WindowDuringARun, ExitEndsTheProgramAfterTheRun) {
    WindowUnderTest w(/*pace=*/0.3);
    EngineSequence engine;
    TestClock clock;
    engine.startUp(clock);
    long runsAtExit = -1;
    bool finishedPictureShown = false;
    QObject::connect(w.window.get(), &MainWindow::exitRequested, [&] {
        runsAtExit = w->runsMade();
        finishedPictureShown = w->pictureView().shown() == toQImage(*engine.canvas);
    });
    QTimer::singleShot(30, w.window.get(), [&] { w->perform(WindowAction::Exit); });
    w->start();
    EXPECT_EQ(runsAtExit, 1);
    EXPECT_TRUE(finishedPictureShown);
    EXPECT_TRUE(w->exited());
}

TEST(WindowDuringARun, ClosingTheWindowWaitsForThePicture) {
    WindowUnderTest w(/*pace=*/0.3);
    bool closedDuringRun = true;
    long runsAtExit = -1;
    QObject::connect(w.window.get(), &MainWindow::exitRequested, [&] { runsAtExit = w->runsMade(); });
    QTimer::singleShot(30, w.window.get(), [&] { closedDuringRun = w->close(); });
    w->start();
    EXPECT_FALSE(closedDuringRun);
    EXPECT_EQ(runsAtExit, 1);
    EXPECT_TRUE(w->close());
}

TEST(WindowDuringARun, PictureGrowsOverSeveralFramesAndEndsComplete) {
    WindowUnderTest w(/*pace=*/0.3);
    w->start();
    EXPECT_GT(w->framesOfLastRun(), 2);
    EXPECT_EQ(w->pictureView().shown(), toQImage(w->picture()));
    EngineSequence engine;
    TestClock clock;
    engine.startUp(clock);
    EXPECT_EQ(differingPixels(w->picture(), *engine.canvas), 0);
}

}  // namespace
}  // namespace momentart::testing
