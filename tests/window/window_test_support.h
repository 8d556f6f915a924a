// Helpers of the window tests: a clock the test sets, the engine's own
// sequence of pictures to compare the window with, and a captured report.
#pragma once

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <cstring>
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
    void saveFailed(const QString& path, const QString& message) override {
        paths << path;
        messages << message;
    }
    void saved(const QString& path) override { savedPaths << path; }
};

// The number of pixels where two canvases differ.
inline long differingPixels(const Canvas& a, const Canvas& b) {
    long count = 0;
    for (int row = 0; row < Canvas::kHeight; ++row)
        for (int column = 0; column < Canvas::kWidth; ++column)
            if (a.at(column, row) != b.at(column, row)) ++count;
    return count;
}

// A window that tests drive: a fast pace, folders of its own for D: and C:.
struct WindowUnderTest {
    QTemporaryDir folder;
    TestClock clock;
    CapturedReports reports;
    std::unique_ptr<MainWindow> window;

    explicit WindowUnderTest(double pace = 0, int largeScale = 4) {
        WindowSettings settings;
        settings.pace = pace;
        settings.largeScale = largeScale;
        settings.drives.d = folder.filePath("d");
        settings.drives.c = folder.filePath("c");
        QDir(folder.path()).mkpath("d");
        QDir(folder.path()).mkpath("c");
        window = std::make_unique<MainWindow>(clock, settings);
        window->setSaveReporter(&reports);
        window->show();
    }
    MainWindow& operator*() { return *window; }
    MainWindow* operator->() { return window.get(); }
};

}  // namespace momentart::testing
