// One picture split across threads against one thread, in wall-clock time:
// compare the jobs:2 and jobs:1 lines of the same type and scale, measured
// in one run. Type 9 (formula group 8, mode 1) carries nothing from pixel to
// pixel; type 27 (feedback group 15) carries `ba` and never converges, so
// its split falls back to the work of one thread.
#include <benchmark/benchmark.h>

#include "engine/generation/run.h"
#include "engine/startup.h"

namespace momentart {
namespace {

class BenchClock final : public Clock {
public:
    std::uint32_t timerSeed() override { return 20261208; }
    CalendarTime now() override { return {}; }
};

void SplitPicture(benchmark::State& state) {
    RunOptions options;
    options.forcedType = static_cast<int>(state.range(0));
    options.scale = static_cast<int>(state.range(1));
    options.jobs = static_cast<int>(state.range(2));
    BenchClock clock;
    Canvas canvas(Canvas::kWidth * options.scale, Canvas::kHeight * options.scale);
    RunHost host{clock};
    for (auto _ : state) {
        GenerationState s;
        startup(s, 1);
        makeimage(s, canvas, host, options);
        benchmark::DoNotOptimize(canvas.data());
    }
}
BENCHMARK(SplitPicture)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->ArgNames({"type", "scale", "jobs"})
    ->Args({9, 4, 1})->Args({9, 4, 2})     // no feedback, print size
    ->Args({27, 4, 1})->Args({27, 4, 2})   // feedback, print size
    ->Args({9, 1, 1})->Args({9, 1, 2})     // the standard size
    ->Args({61, 1, 1})->Args({61, 1, 2});

}  // namespace
}  // namespace momentart
