// Batches of the 32 pictures, without the stamp, written as PNG files with
// their recipes, on one worker and on every core: pictures per second.
#include <QTemporaryDir>
#include <atomic>

#include <benchmark/benchmark.h>

#include "batch_pictures.h"
#include "cli/batch_render.h"
#include "platform/worker_pool.h"

namespace momentart {
namespace {

void Batch(benchmark::State& state) {
    const int jobs = state.range(0) == 0 ? everyCore() : static_cast<int>(state.range(0));
    const std::atomic<bool> stop{false};
    int written = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        BatchPlan plan;
        plan.firstSeed = bench::kBatchFirstSeed;
        plan.count = bench::kBatchPictures;
        plan.stamp = false;
        plan.jobs = jobs;
        plan.folder = dir.path();
        state.ResumeTiming();
        written += runBatch(plan, stop).written;
        state.PauseTiming();
        dir.remove();
        state.ResumeTiming();
    }
    state.counters["jobs"] = jobs;
    state.counters["pictures"] = bench::kBatchPictures;
    state.counters["pictures/s"] = benchmark::Counter(written, benchmark::Counter::kIsRate);
}
// 0 stands for every core.
// CPU time counts the workers too.
BENCHMARK(Batch)->Arg(1)->Arg(0)->Iterations(3)->Unit(benchmark::kSecond)->UseRealTime()->MeasureProcessCPUTime();

}  // namespace
}  // namespace momentart
