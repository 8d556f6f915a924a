// The art frame's picture at scale 2 against the window's picture: from the
// key (start-up's first picture, the same seeds for both) to its first
// pixels on screen, and to the picture finished; as fast as computed (pace
// 0) and at the window's pace of two seconds; the frame on 1 and on 2 jobs.
#include <QEventLoop>
#include <QElapsedTimer>
#include <functional>
#include <memory>

#include <benchmark/benchmark.h>

#include "engine/recipe.h"
#include "frame/frame_session.h"
#include "window/picture_session.h"

namespace momentart {
namespace {

constexpr std::uint32_t kFirstSeed = 20261208;

// Seconds from `start` to the first `shown` and to `done` of `session`.
struct Timing {
    double first = 0, done = 0;
};

template <typename Session, typename Shown, typename Done>
Timing timePicture(Session& session, Shown shown, Done done, const std::function<void()>& start) {
    QElapsedTimer clock;
    Timing timing;
    QEventLoop loop;
    const auto seconds = [&] { return static_cast<double>(clock.nsecsElapsed()) * 1e-9; };
    const auto a = QObject::connect(&session, shown, [&] {
        if (timing.first == 0) timing.first = seconds();
    });
    const auto b = QObject::connect(&session, done, [&] {
        timing.done = seconds();
        loop.quit();
    });
    clock.start();
    start();
    loop.exec();
    QObject::disconnect(a);
    QObject::disconnect(b);
    return timing;
}

// One fresh session an iteration, made by `make` for seeds counting on from
// kFirstSeed and started: the iteration's time is its picture's, the
// counters the mean seconds to the first pixels and to done.
template <typename Session, typename Shown, typename Done>
void timeSessions(benchmark::State& state, const std::function<std::unique_ptr<Session>(std::uint32_t)>& make,
                  Shown shown, Done done) {
    Timing sum;
    std::uint32_t seed = kFirstSeed;
    for (auto _ : state) {
        const std::unique_ptr<Session> session = make(seed++);
        const Timing t = timePicture(*session, shown, done, [&] { session->start(); });
        state.SetIterationTime(t.done);
        sum.first += t.first;
        sum.done += t.done;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["first s"] = sum.first / n;
    state.counters["done s"] = sum.done / n;
}

void WindowPicture(benchmark::State& state) {
    WindowSettings settings;
    settings.pace = static_cast<double>(state.range(0));
    settings.historyFolder.clear();
    std::unique_ptr<FixedMomentClock> clock;
    timeSessions<PictureSession>(
        state,
        [&](std::uint32_t seed) {
            clock = std::make_unique<FixedMomentClock>(seed, CalendarTime{2026, 12, 8, 12, 0, 0});
            return std::make_unique<PictureSession>(*clock, settings, 1.0 / 60);
        },
        &PictureSession::shown, &PictureSession::runFinished);
}
BENCHMARK(WindowPicture)->ArgName("pace")->Arg(0)->Iterations(16)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(WindowPicture)->ArgName("pace")->Arg(2)->Iterations(2)->UseManualTime()->Unit(benchmark::kMillisecond);

void FramePicture(benchmark::State& state) {
    FrameSettings settings;
    settings.scale = 2;
    settings.jobs = static_cast<int>(state.range(0));
    settings.pace = static_cast<double>(state.range(1));
    settings.timing.every = std::chrono::hours(24);
    timeSessions<FrameSession>(
        state,
        [&](std::uint32_t seed) {
            settings.timing.seed = seed;
            return std::make_unique<FrameSession>(settings, 1.0 / 60);
        },
        &FrameSession::shown, &FrameSession::pictureShown);
}
BENCHMARK(FramePicture)->ArgNames({"jobs", "pace"})->Args({1, 0})->Args({2, 0})->Iterations(16)->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(FramePicture)->ArgNames({"jobs", "pace"})->Args({1, 2})->Args({2, 2})->Iterations(2)->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace momentart
