// One `momentart render --no-stamp` from process start to exit, against
// computing that picture inside this process. The process's own CPU time is
// counted too, as the machine may be shared.
#include <QProcess>
#include <QTemporaryDir>
#include <sys/resource.h>

#include <benchmark/benchmark.h>

#include "platform/renderer.h"

namespace momentart {
namespace {

constexpr std::uint32_t kSeed = 20261208;
constexpr int kType = 9;

double childrenCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void SingleRenderProcess(benchmark::State& state) {
    QTemporaryDir dir;
    const double cpuBefore = childrenCpuSeconds();
    const QStringList arguments = {"render",  "--no-stamp", "--seed", QString::number(kSeed),
                                   "--type",  QString::number(kType), "--out",
                                   dir.filePath("p.bmp"), "--force", "--quiet"};
    for (auto _ : state) {
        QProcess process;
        process.start(MOMENTART_BINARY, arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            state.SkipWithError("the render failed");
    }
    state.counters["process cpu s"] =
        (childrenCpuSeconds() - cpuBefore) / static_cast<double>(state.iterations());
}
BENCHMARK(SingleRenderProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void SingleRenderComputing(benchmark::State& state) {
    RenderSettings settings;
    settings.seed = kSeed;
    settings.type = kType;
    settings.stamp = false;
    for (auto _ : state) benchmark::DoNotOptimize(renderFresh(settings).canvas->data());
}
BENCHMARK(SingleRenderComputing)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace momentart
