// Whole pictures against the geometry-only floor (the six distances and
// angles and fifteen sums for every pixel, with nothing else), and pictures
// split across threads.
#include <benchmark/benchmark.h>

#include "batch_pictures.h"
#include "engine/generation/geometry.h"
#include "engine/generation/run.h"
#include "engine/generation/visiting_orders.h"
#include "engine/interest.h"
#include "engine/startup.h"

namespace momentart {
namespace {

class BenchClock final : public Clock {
public:
    explicit BenchClock(std::uint32_t seed = 20261208) : seed_(seed) {}
    std::uint32_t timerSeed() override { return seed_; }
    CalendarTime now() override { return {}; }

private:
    std::uint32_t seed_;
};

// The full geometry of every pixel in column order, as mode 1 visits them.
void GeometryOnly(benchmark::State& state) {
    GenerationState s;
    startup(s, 1);
    BenchClock clock;
    const RunPlan plan = planRun(s, clock, {9});
    for (auto _ : state) {
        for (int i = 0; i <= 600; ++i) {
            for (int j = 0; j <= 450; ++j) {
                s.i = i;
                s.j = j;
                s.x = plan.frame.worldX(i);
                s.y = plan.frame.worldY(j);
                pixelGeometry(s, plan.frame);
            }
        }
        benchmark::DoNotOptimize(s.ob78);
    }
}
BENCHMARK(GeometryOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

// One whole picture of the given type (no stamp, no observer).
void WholePicture(benchmark::State& state) {
    const int type = static_cast<int>(state.range(0));
    BenchClock clock;
    Canvas canvas;
    RunHost host{clock};
    for (auto _ : state) {
        GenerationState s;
        startup(s, 1);
        makeimage(s, canvas, host, {type});
        benchmark::DoNotOptimize(canvas.data());
    }
}
// A few types of each drawing mode (1, 3, 12, 13, 17), each family, and the
// feedback groups.
BENCHMARK(WholePicture)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->ArgName("type")
    ->Args({9})->Args({11})->Args({23})->Args({25})->Args({66})   // mode 1
    ->Args({32})->Args({33})                                        // mode 3
    ->Args({30})->Args({38})->Args({62})                            // mode 12
    ->Args({43})->Args({53})->Args({61})                            // mode 13
    ->Args({50})->Args({59});                                       // mode 17

// The batch's pictures computed one after another, as a single render of
// each seed computes it: the engine's share of a batch. Argument 1: with the
// correctly rounded maths of every new picture; 0: with the C library's, as
// an old recipe is made (and as every picture was before).
// The pictures of `count` seeds from `first`, one after another.
void renderSeeds(benchmark::State& state, const RunOptions& options, std::uint32_t first, int count) {
    Canvas canvas;
    for (auto _ : state) {
        for (int n = 0; n < count; ++n) {
            const std::uint32_t seed = first + static_cast<std::uint32_t>(n);
            BenchClock clock(seed);
            RunHost host{clock};
            GenerationState s;
            startup(s, seed);
            makeimage(s, canvas, host, options);
            benchmark::DoNotOptimize(canvas.data());
        }
    }
    state.counters["pictures"] = count;
}

void EnginePictures(benchmark::State& state) {
    RunOptions options;
    options.maths = state.range(0) == 1 ? Maths::CorrectlyRounded : Maths::CLibrary;
    renderSeeds(state, options, bench::kBatchFirstSeed, bench::kBatchPictures);
}
BENCHMARK(EnginePictures)->Unit(benchmark::kMillisecond)->UseRealTime()->ArgName("rounded")->Arg(1)->Arg(0);

// Four seeds of one type with either maths: the types whose formulas call
// the maths functions most (angles on every pixel, sines, cube roots) pay
// the most for correct rounding.
void TypeMaths(benchmark::State& state) {
    RunOptions options(static_cast<int>(state.range(0)));
    options.maths = state.range(1) == 1 ? Maths::CorrectlyRounded : Maths::CLibrary;
    renderSeeds(state, options, 1, 4);
}
BENCHMARK(TypeMaths)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->ArgNames({"type", "rounded"})
    ->Apply([](benchmark::internal::Benchmark* b) {
        for (int type : {9, 10, 13, 25}) b->Args({type, 1})->Args({type, 0});  // each pair side by side
    });

// The dullness measure of one finished picture, which every PNG written
// and every picture of a batch that skips dull ones pays for.
void MeasureInterest(benchmark::State& state) {
    BenchClock clock;
    Canvas canvas;
    RunHost host{clock};
    GenerationState s;
    startup(s, 1);
    makeimage(s, canvas, host, {9});
    for (auto _ : state) benchmark::DoNotOptimize(measureInterest(canvas));
}
BENCHMARK(MeasureInterest)->Unit(benchmark::kMillisecond);

// One picture split across threads against one thread, in wall-clock time:
// compare the jobs:2 and jobs:1 lines of the same type and scale, measured in
// one run. Type 9 (formula group 8, mode 1) carries nothing from pixel to
// pixel; type 46 (feedback group 15) carries `ba` and never converges, so its
// split ends as the work of one thread.
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
    ->Args({46, 4, 1})->Args({46, 4, 2})   // feedback, print size
    ->Args({9, 1, 1})->Args({9, 1, 2})     // the standard size
    ->Args({61, 1, 1})->Args({61, 1, 2});

}  // namespace
}  // namespace momentart
