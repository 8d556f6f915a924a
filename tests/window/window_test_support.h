// Helpers of the window tests: a clock the test sets, the engine's own
// sequence of pictures to compare the window with, and a captured report.
#pragma once

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>

#include "engine/generation/run.h"
#include "engine/canvas.h"
#include "engine/host.h"
#include "platform/image_convert.h"
#include "window/main_window.h"
#include "platform/qt_text_printer.h"
#include "engine/startup.h"
#include "engine/state.h"

namespace momentart::testing {

// Gives the seed and the moment the test sets.
class TestClock final : public Clock {
public:
    std::uint32_t seed = 0x4630E800u;  // 11322 seconds as a float
    CalendarTime time{2026, 12, 7, 8, 14, 53};
    int seedReads = 0;

    std::uint32_t timerSeed() override {
        ++seedReads;
        return seed;
    }
    CalendarTime now() override { return time; }
};

// Every field of two states, and the generator, bit for bit.
inline bool sameState(const GenerationState& a, const GenerationState& b) {
    if (a.imeslike != b.imeslike || a.tekst1 != b.tekst1 || a.tekst2 != b.tekst2) return false;
    // The numbers and the generator follow the three texts to the end.
    const auto* from = reinterpret_cast<const unsigned char*>(&a.izbors);
    const auto size = static_cast<std::size_t>(reinterpret_cast<const unsigned char*>(&a) + sizeof a - from);
    return std::memcmp(from, &b.izbors, size) == 0;
}

// The engine used directly, the way the window should use it: one state
// kept from picture to picture.
class EngineSequence {
public:
    GenerationState state;
    std::unique_ptr<Canvas> canvas = std::make_unique<Canvas>();

    void startUp(TestClock& clock) {
        startup(state, clock.timerSeed());
        run(clock, 0);
    }
    void run(TestClock& clock, double izbors, bool stamp = true) {
        state.izbors = izbors;
        QtTextPrinter printer;
        RunHost host{clock, stamp ? &printer : nullptr, nullptr};
        makeimage(state, *canvas, host);
    }
};

// Remembers failed saves instead of showing a message box.
class CapturedReports final : public SaveReporter {
public:
    QStringList paths;
    QStringList messages;
    QStringList savedPaths;
    QStringList alreadySavedPaths;
    void saveFailed(const QString& path, const QString& message) override {
        paths << path;
        messages << message;
    }
    void saved(const QString& path) override { savedPaths << path; }
    void alreadySaved(const QString& path) override { alreadySavedPaths << path; }
};

// The number of pixels where two canvases differ.
inline long differingPixels(const Canvas& a, const Canvas& b) {
    long count = 0;
    for (int row = 0; row < Canvas::kHeight; ++row)
        for (int column = 0; column < Canvas::kWidth; ++column)
            if (a.at(column, row) != b.at(column, row)) ++count;
    return count;
}

// A key pressed and released in the active window, through Qt's shortcut
// handling as a real key would go.
inline void pressKey(MainWindow& window, int key, const QString& text,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &window;
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

// Lets the session finish what it is doing on other threads (a picture
// growing or made again, recipes written to the history) and carry out
// what waited meanwhile.
inline void settle(const PictureSession& session) {
    QElapsedTimer waited;
    waited.start();
    while ((session.busy() || session.waitingCommands() > 0 || session.historyWritesPending() > 0) &&
           !session.exited() && waited.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
}

// Lets the window's event loop run while `running` says so, for at most
// `seconds`; whether it stopped.
inline bool waitWhile(const std::function<bool()>& running, int seconds) {
    QElapsedTimer timer;
    timer.start();
    while (running() && timer.elapsed() < seconds * 1000) QApplication::processEvents(QEventLoop::AllEvents, 50);
    QApplication::processEvents();
    return !running();
}

// The real program run on the offscreen platform: its exit status and what
// it printed.
struct ProgramRun {
    int status = -1;
    QString out, err;
};

inline ProgramRun runProgram(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.start(MOMENTART_BINARY, arguments);
    ProgramRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

// Settings for a session under test: a fast pace, folders of its own for
// D:, C: and the history.
inline WindowSettings testSettings(const QTemporaryDir& folder, double pace, const QString& open, int largeScale) {
    WindowSettings settings;
    settings.pace = pace;
    settings.largeScale = largeScale;
    settings.drives.d = folder.filePath("d");
    settings.drives.c = folder.filePath("c");
    settings.historyFolder = folder.filePath("history");
    settings.open = open;
    QDir(folder.path()).mkpath("d");
    QDir(folder.path()).mkpath("c");
    return settings;
}

// What a session under test has of its own: folders, a clock it sets, the
// reports of its saves.
struct TestSurroundings {
    QTemporaryDir folder;
    TestClock clock;
    CapturedReports reports;
};

// A picture session without widgets, the way most tests drive the window.
struct SessionUnderTest : TestSurroundings {
    std::unique_ptr<PictureSession> session;

    explicit SessionUnderTest(double pace = 0, const QString& open = {}, int largeScale = 4)
        : session(std::make_unique<PictureSession>(clock, testSettings(folder, pace, open, largeScale), 1.0 / 60)) {
        session->setSaveReporter(&reports);
    }
    // Start-up, waited for.
    void start() {
        session->start();
        settle(*session);
    }
    // A command, carried out to its end.
    void carry(WindowAction action) {
        session->perform(action);
        settle(*session);
    }
    PictureSession& operator*() { return *session; }
    PictureSession* operator->() { return session.get(); }
};

// The whole window, for what only the widgets do (layout, keys, grid).
struct WindowUnderTest : TestSurroundings {
    std::unique_ptr<MainWindow> window;

    explicit WindowUnderTest(double pace = 0, const QString& open = {}, int largeScale = 4)
        : window(std::make_unique<MainWindow>(clock, testSettings(folder, pace, open, largeScale))) {
        session().setSaveReporter(&reports);
        window->show();
    }
    PictureSession& session() { return window->session(); }
    // Start-up, waited for.
    void start() {
        session().start();
        settle(session());
    }
    // A key, carried out to its end.
    void press(int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        pressKey(*window, key, text, modifiers);
        settle(session());
    }
    MainWindow& operator*() { return *window; }
    MainWindow* operator->() { return window.get(); }
};

}  // namespace momentart::testing
