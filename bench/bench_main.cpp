// Runs every benchmark, then prints the ratios the costs are judged by, all
// measured in this one run (the machine is shared, so single figures drift;
// ratios of neighbours drift less).
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include <benchmark/benchmark.h>

namespace {

// Keeps each benchmark's real seconds per iteration and its counters while
// the console shows the runs as usual.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    struct Result {
        double seconds = 0;
        std::map<std::string, double> counters;
    };

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0) continue;
            Result& result = results[run.benchmark_name()];
            result.seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
            for (const auto& [name, counter] : run.counters) result.counters[name] = counter.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    std::map<std::string, Result> results;
};

// Seconds per picture of a benchmark that does `pictures` pictures an
// iteration (1 when it has no such counter); 0 when it did not run.
double perPicture(const RatioReporter& reporter, const std::string& name) {
    const auto found = reporter.results.find(name);
    if (found == reporter.results.end()) return 0;
    const auto pictures = found->second.counters.find("pictures");
    return found->second.seconds / (pictures == found->second.counters.end() ? 1 : pictures->second);
}

double counter(const RatioReporter& reporter, const std::string& name, const std::string& key) {
    const auto found = reporter.results.find(name);
    if (found == reporter.results.end()) return 0;
    const auto value = found->second.counters.find(key);
    return value == found->second.counters.end() ? 0 : value->second;
}

void printRatio(const char* what, double numerator, double denominator, const char* goal) {
    if (numerator <= 0 || denominator <= 0) {
        std::printf("  %-58s (not measured)\n", what);
        return;
    }
    std::printf("  %-58s %6.2f   %s\n", what, numerator / denominator, goal);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const double engine = perPicture(reporter, "EnginePictures/real_time");
    const double geometry = perPicture(reporter, "GeometryOnly/real_time");
    const double png = perPicture(reporter, "PngWrite/real_time");
    const double qtPng = perPicture(reporter, "QtPngWrite/real_time");
    const double bitmap = perPicture(reporter, "BitmapWrite/real_time");
    const double oneJob = perPicture(reporter, "Batch/1/iterations:3/real_time");
    const double everyCore = perPicture(reporter, "Batch/0/iterations:3/real_time");
    std::printf("\nPer picture (ms): engine %.1f, geometry only %.1f, PNG write %.1f "
                "(Qt's writer %.1f), bitmap write %.1f, batch on one job %.1f\n",
                engine * 1e3, geometry * 1e3, png * 1e3, qtPng * 1e3, bitmap * 1e3, oneJob * 1e3);
    std::printf("Ratios, measured in this run:\n");
    printRatio("PNG write / engine picture", png, engine, "goal <= 0.25");
    printRatio("PNG bytes / Qt writer's bytes", counter(reporter, "PngWrite/real_time", "bytes/picture"),
               counter(reporter, "QtPngWrite/real_time", "bytes/picture"), "goal <= 1.10");
    printRatio("Qt's PNG writer / engine picture", qtPng, engine, "(the route before)");
    printRatio("bitmap write / engine picture", bitmap, engine, "");
    printRatio("single render --no-stamp, process start to exit / computing",
               perPicture(reporter, "SingleRenderProcess/real_time"),
               perPicture(reporter, "SingleRenderComputing/real_time"), "goal <= 2");
    printRatio("batch of 32 on one job, per picture / engine picture", oneJob, engine, "goal <= 1.5");
    printRatio("batch of 32 on one job, per picture / geometry only", oneJob, geometry, "");
    printRatio("pictures per second, every core / one job", oneJob, everyCore,
               "goal >= 1.9 on 2 cores");
    return 0;
}
