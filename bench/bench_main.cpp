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

// Keeps each benchmark's seconds per iteration (real and CPU) and its
// counters while the console shows the runs as usual.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    struct Result {
        double wall = 0, cpu = 0;
        std::map<std::string, double> counters;
    };

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            // With --benchmark_repetitions, the median of the repetitions stands
            // for the benchmark (it comes after them and replaces the last).
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if ((run.run_type != Run::RT_Iteration && !median) || run.error_occurred || run.iterations == 0) continue;
            Result& result = results[run.run_name.str()];
            result.wall = run.real_accumulated_time / static_cast<double>(run.iterations);
            result.cpu = run.cpu_accumulated_time / static_cast<double>(run.iterations);
            for (const auto& [name, counter] : run.counters) result.counters[name] = counter.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Seconds per picture (wall and CPU) of a benchmark that does `pictures`
    // pictures an iteration (1 when it has no such counter); zeros when it
    // did not run.
    struct Cost {
        double wall = 0, cpu = 0;
    };
    Cost perPicture(const std::string& name) const {
        const auto found = results.find(name);
        if (found == results.end()) return {};
        const double pictures = counter(name, "pictures");
        const double n = pictures > 0 ? pictures : 1;
        return {found->second.wall / n, found->second.cpu / n};
    }

    double counter(const std::string& name, const std::string& key) const {
        const auto found = results.find(name);
        if (found == results.end()) return 0;
        const auto value = found->second.counters.find(key);
        return value == found->second.counters.end() ? 0 : value->second;
    }

    std::map<std::string, Result> results;
};

std::string ratio(double numerator, double denominator) {
    if (numerator <= 0 || denominator <= 0) return "   -";
    char text[16];
    std::snprintf(text, sizeof text, "%6.2f", numerator / denominator);
    return text;
}

// One line: the ratio in CPU time (steady on a shared machine) and in wall
// time (what a user waits), and the goal.
void printRatio(const char* what, std::string cpu, std::string wall, const char* goal) {
    std::printf("  %-56s %8s %8s   %s\n", what, cpu.c_str(), wall.c_str(), goal);
}

void printRatio(const char* what, RatioReporter::Cost a, RatioReporter::Cost b, const char* goal) {
    printRatio(what, ratio(a.cpu, b.cpu), ratio(a.wall, b.wall), goal);
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

    const auto cost = [&](const char* name) { return reporter.perPicture(name); };
    const auto engine = cost("EnginePictures/rounded:1/real_time");
    const auto geometry = cost("GeometryOnly/real_time");
    const auto png = cost("PngWrite/real_time");
    const auto qtPng = cost("QtPngWrite/real_time");
    const auto bitmap = cost("BitmapWrite/real_time");
    const auto oneJob = cost("Batch/1/iterations:3/process_time/real_time");
    const auto everyCore = cost("Batch/0/iterations:3/process_time/real_time");
    auto process = cost("SingleRenderProcess/real_time");
    process.cpu = reporter.counter("SingleRenderProcess/real_time", "process cpu s");
    const auto computing = cost("SingleRenderComputing/real_time");

    std::printf("\nCPU ms a picture: engine %.1f, geometry only %.1f, PNG write %.1f (Qt's writer "
                "%.1f), bitmap write %.1f, batch on one job %.1f\n",
                engine.cpu * 1e3, geometry.cpu * 1e3, png.cpu * 1e3, qtPng.cpu * 1e3,
                bitmap.cpu * 1e3, oneJob.cpu * 1e3);
    std::printf("PNG bytes a picture: %.0f (Qt's writer %.0f)\n",
                reporter.counter("PngWrite/real_time", "bytes/picture"),
                reporter.counter("QtPngWrite/real_time", "bytes/picture"));
    std::printf("Ratios measured in this run:%31s %8s %8s\n", "", "cpu", "wall");
    printRatio("PNG write / engine picture", png, engine, "goal <= 0.2");
    printRatio("PNG bytes / Qt writer's bytes",
               ratio(reporter.counter("PngWrite/real_time", "bytes/picture"),
                     reporter.counter("QtPngWrite/real_time", "bytes/picture")),
               "", "goal <= 1.10");
    printRatio("Qt's PNG writer / engine picture", qtPng, engine, "(the route before)");
    printRatio("bitmap write / engine picture", bitmap, engine, "");
    printRatio("PNG write at scale 4, one thread / two threads", "",
               ratio(cost("LargePngWrite/jobs:1/real_time").wall, cost("LargePngWrite/jobs:2/real_time").wall),
               "2 on two free cores");
    printRatio("render --no-stamp, process start to exit / computing", process, computing,
               "goal <= 2");
    printRatio("batch of 32 on one job, per picture / engine picture", oneJob, engine, "goal <= 1.5");
    printRatio("batch of 32 on one job, per picture / geometry only", oneJob, geometry, "goal <= 2.5");
    printRatio("pictures per second, every core / one job", "", ratio(oneJob.wall, everyCore.wall),
               "goal >= 1.9 on 2 cores");

    // The art frame's picture (scale 2) against the window's, in wall time:
    // from the key to its first pixels on screen, and to the picture done.
    for (const char* pace : {"0", "2"}) {
        const std::string iterations = std::string(pace) == "0" ? "16" : "2";
        const std::string window = "WindowPicture/pace:" + std::string(pace) + "/iterations:" + iterations +
                                   "/manual_time";
        for (const char* jobs : {"1", "2"}) {
            const std::string frame = "FramePicture/jobs:" + std::string(jobs) + "/pace:" + pace +
                                      "/iterations:" + iterations + "/manual_time";
            for (const char* figure : {"first s", "done s"}) {
                const std::string what = std::string("frame K=2, ") + jobs + " job" +
                                         (std::string(jobs) == "1" ? ", " : "s, ") + "pace " + pace + ": " +
                                         (std::string(figure) == "first s" ? "to first pixels" : "done") +
                                         " / window's";
                printRatio(what.c_str(), "",
                           ratio(reporter.counter(frame, figure), reporter.counter(window, figure)), "");
            }
        }
    }
    printRatio("engine picture, correctly rounded / C library's maths", engine,
               cost("EnginePictures/rounded:0/real_time"), "goal <= 1.15");
    for (const char* type : {"9", "10", "13", "25"}) {
        const std::string name = std::string("TypeMaths/type:") + type + "/rounded:";
        const std::string what = std::string("  type ") + type + ", correctly rounded / C library's";
        printRatio(what.c_str(), cost((name + "1/real_time").c_str()), cost((name + "0/real_time").c_str()), "");
    }
    const char* functions[] = {"sin", "cos", "tan", "atan", "log", "pow(x, 3)", "pow(x, 1/3)"};
    for (int f = 0; f < 7; ++f) {
        const std::string name = "MathsFunction/function:" + std::to_string(f) + "/rounded:";
        const std::string what = std::string("correctly rounded ") + functions[f] + " / C library's";
        printRatio(what.c_str(), cost((name + "1").c_str()), cost((name + "0").c_str()), "");
    }
    printRatio("MP4 film (4 s + 2 s at 30 fps) / its picture, one job", cost("Film/format:0/jobs:1/process_time/real_time"),
               cost("FilmPicture/jobs:1/process_time/real_time"), "goal <= 8");
    printRatio("MP4 film (4 s + 2 s at 30 fps) / its picture, two jobs", cost("Film/format:0/jobs:2/process_time/real_time"),
               cost("FilmPicture/jobs:2/process_time/real_time"), "goal <= 8");
    std::printf("Bytes of a film, 600 x 450, 4 s + 2 s at 30 fps, default quality:");
    const char* const formats[] = {"MP4", "WebM", "APNG", "WebP"};
    for (int format = 0; format < 4; ++format)
        std::printf(" %s %.0f KB%s", formats[format],
                    reporter.counter("Film/format:" + std::to_string(format) + "/jobs:2/process_time/real_time", "bytes/film") / 1024,
                    format < 3 ? "," : "\n");
    // Process to process, in wall time, beside what the second core gave.
    const auto scaled = [&](const char* key) {
        return reporter.counter("ScaledRenderJobs/iterations:5/real_time", key);
    };
    if (scaled("one job s") > 0) {
        std::printf("render --scale 4, process start to exit (medians): one job %.2f s, two jobs %.2f s, "
                    "two one-job renders at once %.2f s\n",
                    scaled("one job s"), scaled("two jobs s"), scaled("two at once s"));
        printRatio("render --scale 4, one job / two jobs", "", ratio(scaled("speed-up"), 1), "goal >= 1.75");
        printRatio("  capacity of the two cores (2 t1 / two at once)", "", ratio(scaled("capacity"), 1),
                   "1: one core, 2: two");
        printRatio("  speed-up / capacity", "", ratio(scaled("of capacity"), 1), "goal >= 0.875");
    }
    return 0;
}
