// What the window does for its history after each picture, against what
// showing an earlier picture costs (making it again): describing it,
// writing its recipe into a history of 10,000 files (the oldest removed),
// and the first write of a session, which reads the folder.
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include "engine/picture_summary.h"
#include "platform/history_store.h"
#include "platform/renderer.h"

namespace momentart {
namespace {

const RenderedPicture& aPicture() {
    static const RenderedPicture picture = [] {
        RenderSettings settings;
        settings.seed = 0x46A0E000u;
        settings.moment = CalendarTime{2026, 12, 8, 10, 0, 0};
        return renderFresh(settings);
    }();
    return picture;
}

// A history folder already holding `kHistoryKeep` pictures.
QString fullHistory(const QTemporaryDir& dir) {
    const QString folder = dir.filePath("history");
    HistoryStore store(folder, kHistoryKeep);
    for (int n = 0; n < kHistoryKeep; ++n) store.add(aPicture().recipe, "T20261208100000");
    return folder;
}

void RemakeEarlierPicture(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(renderFromRecipe(aPicture().recipe).canvas->at(0, 0));
}
BENCHMARK(RemakeEarlierPicture)->Unit(benchmark::kMillisecond);

void SummarizePicture(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(summarizePicture(aPicture().recipe).type);
}
BENCHMARK(SummarizePicture)->Unit(benchmark::kMillisecond);

void AddToAFullHistory(benchmark::State& state) {
    QTemporaryDir dir;
    HistoryStore store(fullHistory(dir), kHistoryKeep);
    store.add(aPicture().recipe, "T20261208100000");  // the folder is read once per session
    for (auto _ : state) benchmark::DoNotOptimize(store.add(aPicture().recipe, "T20261208100000").path);
}
BENCHMARK(AddToAFullHistory)->Unit(benchmark::kMillisecond);

void FirstAddOfASession(benchmark::State& state) {
    QTemporaryDir dir;
    const QString folder = fullHistory(dir);
    for (auto _ : state) {
        HistoryStore store(folder, kHistoryKeep);
        benchmark::DoNotOptimize(store.add(aPicture().recipe, "T20261208100000").path);
    }
}
BENCHMARK(FirstAddOfASession)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
}  // namespace momentart
