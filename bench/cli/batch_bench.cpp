// Batches of 32 pictures, written as PNG files with their recipes, on one
// worker and on every core: pictures per second and the speed-up.
#include <QGuiApplication>
#include <QTemporaryDir>
#include <atomic>
#include <cstdlib>

#include <benchmark/benchmark.h>

#include "cli/batch_render.h"
#include "platform/worker_pool.h"

namespace momentart {
namespace {

constexpr int kPictures = 32;

void Batch(benchmark::State& state) {
    const int jobs = state.range(0) == 0 ? everyCore() : static_cast<int>(state.range(0));
    const std::atomic<bool> stop{false};
    int written = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        BatchPlan plan;
        plan.firstSeed = 0x46A0E000u;
        plan.count = kPictures;
        plan.jobs = jobs;
        plan.folder = dir.path();
        state.ResumeTiming();
        written += runBatch(plan, stop).written;
        state.PauseTiming();
        dir.remove();
        state.ResumeTiming();
    }
    state.counters["jobs"] = jobs;
    state.counters["pictures/s"] = benchmark::Counter(written, benchmark::Counter::kIsRate);
}
// 0 stands for every core.
BENCHMARK(Batch)->Arg(1)->Arg(0)->Iterations(3)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
}  // namespace momentart

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
