// One `momentart render --no-stamp` from process start to exit, against
// computing that picture inside this process.
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "platform/renderer.h"

namespace momentart {
namespace {

constexpr std::uint32_t kSeed = 20261208;
constexpr int kType = 9;

void SingleRenderProcess(benchmark::State& state) {
    QTemporaryDir dir;
    const QStringList arguments = {"render",  "--no-stamp", "--seed", QString::number(kSeed),
                                   "--type",  QString::number(kType), "--out",
                                   dir.filePath("p.bmp"), "--force", "--quiet"};
    for (auto _ : state) {
        QProcess process;
        process.start(MOMENTART_BINARY, arguments);
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            state.SkipWithError("the render failed");
    }
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
