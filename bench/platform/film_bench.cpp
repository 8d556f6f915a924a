// Films of a picture growing (600 x 450, 4 s growing and 2 s held at 30 fps,
// as `momentart film` makes them by default) against computing the same
// pictures once, on one and on two jobs; and the bytes of each format.
#include <QTemporaryDir>
#include <QFileInfo>
#include <vector>

#include <benchmark/benchmark.h>

#include "batch_pictures.h"
#include "platform/film_maker.h"
#include "platform/renderer.h"

namespace momentart {
namespace {

// The first pictures of the batch, stamped as films are by default.
const std::vector<Recipe>& filmRecipes() {
    static const std::vector<Recipe> recipes = [] {
        std::vector<Recipe> made;
        for (int n = 0; n < 4; ++n) {
            RenderSettings settings;
            settings.seed = bench::kBatchFirstSeed + static_cast<std::uint32_t>(n);
            made.push_back(freshRecipe(settings));
        }
        return made;
    }();
    return recipes;
}

void FilmPicture(benchmark::State& state) {
    const int jobs = static_cast<int>(state.range(0));
    for (auto _ : state)
        for (const Recipe& recipe : filmRecipes())
            benchmark::DoNotOptimize(renderFromRecipe(recipe, nullptr, jobs).canvas->data());
    state.counters["pictures"] = static_cast<double>(filmRecipes().size());
}
BENCHMARK(FilmPicture)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->ArgName("jobs")->Arg(1)->Arg(2);

class Silent final : public FilmProgress {
    void framesWritten(int, int) override {}
    bool cancelled() override { return false; }
};

const char* const kExtensions[] = {"mp4", "webm", "apng", "webp"};

void Film(benchmark::State& state) {
    const char* extension = kExtensions[state.range(0)];
    QTemporaryDir dir;
    Silent silent;
    double bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (const Recipe& recipe : filmRecipes()) {
            FilmPlan plan;
            plan.recipe = recipe;
            plan.jobs = static_cast<int>(state.range(1));
            const QString path = dir.filePath(QString("film.") + extension);
            if (makeFilm(plan, path, IfTaken::Replace, silent).result != FilmOutcome::Result::Written)
                state.SkipWithError("the film failed");
            bytes += static_cast<double>(QFileInfo(path).size());
        }
    }
    state.counters["pictures"] = static_cast<double>(filmRecipes().size());
    state.counters["bytes/film"] = bytes / static_cast<double>(filmRecipes().size());
}
BENCHMARK(Film)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->ArgNames({"format", "jobs"})
    ->Args({0, 1})
    ->Args({0, 2})
    ->Args({1, 2})
    ->Args({2, 2})
    ->Args({3, 2});

}  // namespace
}  // namespace momentart
