// The window's options: --pace, --drive-d, --drive-c, --help; bad values
// stop the program with one line and status 2. Also the pacing of a run.
#include <QElapsedTimer>
#include <QProcess>

#include <gtest/gtest.h>

#include "session/pacing_observer.h"
#include "file_support.h"
#include "window/picture_view.h"
#include "window/window_main.h"
#include "window_test_support.h"

namespace momentart::testing {
namespace {

QString read(const QStringList& arguments, WindowSettings& settings, bool& help) {
    return readWindowSettings(arguments, settings, help);
}

TEST(WindowOptions, DefaultsAndGivenValues) {
    WindowSettings settings;
    bool help = false;
    EXPECT_TRUE(read({}, settings, help).isEmpty());
    EXPECT_EQ(settings.pace, 2.0);
    EXPECT_FALSE(help);
    EXPECT_EQ(settings.drives.c, defaultDriveRoots().c);
    EXPECT_EQ(settings.drives.d, defaultDriveRoots().d);

    EXPECT_TRUE(read({"--pace", "0", "--drive-d", "/tmp/dd", "--drive-c=/tmp/cc"}, settings, help).isEmpty());
    EXPECT_EQ(settings.pace, 0.0);
    EXPECT_EQ(settings.drives.d, "/tmp/dd");
    EXPECT_EQ(settings.drives.c, "/tmp/cc");
    EXPECT_TRUE(read({"--pace=0.75"}, settings, help).isEmpty());
    EXPECT_EQ(settings.pace, 0.75);
    EXPECT_TRUE(read({"--help"}, settings, help).isEmpty());
    EXPECT_TRUE(help);
}

TEST(WindowOptions, BadValuesAreRefused) {
    for (const QStringList& arguments :
         {QStringList{"--pace", "-1"}, QStringList{"--pace", "soon"}, QStringList{"--pace", "nan"},
          QStringList{"--pace", "inf"}, QStringList{"--pace", ""}, QStringList{"--pace"},
          QStringList{"--drive-d", ""}, QStringList{"--colour", "red"}, QStringList{"picture"}}) {
        WindowSettings settings;
        bool help = false;
        EXPECT_FALSE(read(arguments, settings, help).isEmpty()) << arguments.join(' ').toStdString();
    }
}

// A file of another kind, opened from a file manager, is refused as a picture
// that cannot be opened is (so a display shows it in a message box).
TEST(WindowOptions, AFileThatIsNoPictureIsRefusedByName) {
    const QString notes = QDir(QDir::tempPath()).filePath("momentart-notes.txt");
    writeFile(notes, "not a picture\n");
    WindowSettings settings;
    bool help = false;
    bool refused = false;
    const QString error = readWindowSettings({"--pace", "0", notes}, settings, help, &refused);
    QFile::remove(notes);
    EXPECT_TRUE(refused);
    EXPECT_TRUE(error.startsWith(notes + ": not a picture momentart can open")) << error.toStdString();
    // A word that names no file is still an unexpected argument, said on the terminal only.
    refused = false;
    EXPECT_TRUE(readWindowSettings({"picture"}, settings, help, &refused).contains("unexpected argument"));
    EXPECT_FALSE(refused);
}

TEST(WindowOptions, HelpListsEveryOption) {
    const QString help = windowHelp();
    for (const char* option : {"--pace SECONDS", "--drive-d DIR", "--drive-c DIR", "--help"})
        EXPECT_TRUE(help.contains(option)) << option;
    for (const char* key : {"N new image", "R repeat the same type", "D save on D:", "C save on C:", "Esc cancel or exit",
                            "Left Back", "Right Forward", "Ctrl+S Keep"})
        EXPECT_TRUE(help.simplified().contains(key)) << key;
}

TEST(WindowProgram, BadPaceStopsWithOneLineAndStatus2) {
    for (const QStringList& arguments : {QStringList{"--pace", "-1"}, QStringList{"--pace", "later"}}) {
        const ProgramRun run = runProgram(arguments);
        EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("--pace")) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST(WindowProgram, HelpAfterAnOptionShowsTheWindowsOptions) {
    const ProgramRun run = runProgram({"--pace", "1", "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.contains("--drive-d DIR"));
    EXPECT_TRUE(run.out.contains("--pace SECONDS"));
}

// The pacing observer, told of lines of a run by hand.
TEST(WindowPacing, ShowsEveryLineWhenFramesAreDueAndTheLastAlways) {
    QImage shown;
    const auto show = [&](const Canvas& canvas) { shown = toQImage(canvas); };
    Canvas canvas;
    {
        PacingObserver observer(0, 0, show);
        for (int line = 1; line <= 5; ++line) {
            canvas.set(line, 0, colourOf(255, line, 0));
            observer.progress(canvas, line, 5);
            EXPECT_EQ(shown, toQImage(canvas)) << "line " << line;
        }
        EXPECT_EQ(observer.frames(), 5);
    }
    {
        // Frames a day apart: the first line and the last are shown.
        PacingObserver observer(0, 86400, show);
        for (int line = 1; line <= 5; ++line) {
            canvas.set(line, 1, colourOf(0, 255, line));
            observer.progress(canvas, line, 5);
            if (line < 5) {
                EXPECT_EQ(observer.frames(), 1);
            }
        }
        EXPECT_EQ(observer.frames(), 2);
        EXPECT_EQ(shown, toQImage(canvas));
    }
}

TEST(WindowPacing, ShowsAFractionOfThePictureNoEarlierThanItsShareOfThePace) {
    Canvas canvas;
    QElapsedTimer timer;
    timer.start();
    PacingObserver observer(0.2, 0.01, {});
    observer.progress(canvas, 1, 4);
    EXPECT_GE(timer.nsecsElapsed(), 50'000'000);
    observer.progress(canvas, 4, 4);
    EXPECT_GE(timer.nsecsElapsed(), 200'000'000);
}

}  // namespace
}  // namespace momentart::testing
