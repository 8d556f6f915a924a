// A print-size render (`render --scale 4`) on two jobs against one, process
// start to exit, and what the machine's second core gave meanwhile: two
// one-job renders at once. The three are timed in turn in every iteration,
// so a shared machine's drift touches them alike; the speed-up is judged
// against that capacity.
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <vector>

#include <benchmark/benchmark.h>

namespace momentart {
namespace {

constexpr int kType = 9;  // nothing carried from pixel to pixel
constexpr int kScale = 4;

QStringList renderArguments(int jobs, const QString& out) {
    return {"render", "--no-stamp", "--seed", "20261208", "--type", QString::number(kType),
            "--scale", QString::number(kScale), "--jobs", QString::number(jobs), "--out", out,
            "--force", "--quiet"};
}

// Seconds from starting the renders to the last one's exit; false when
// one failed.
bool timeRenders(const std::vector<QStringList>& renders, double& seconds) {
    std::vector<std::unique_ptr<QProcess>> processes;
    const auto start = std::chrono::steady_clock::now();
    for (const QStringList& arguments : renders) {
        processes.push_back(std::make_unique<QProcess>());
        processes.back()->start(MOMENTART_BINARY, arguments);
    }
    bool ok = true;
    for (const auto& process : processes)
        ok = process->waitForFinished(300000) && process->exitStatus() == QProcess::NormalExit &&
             process->exitCode() == 0 && ok;
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return ok;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void ScaledRenderJobs(benchmark::State& state) {
    QTemporaryDir dir;
    const QString one = dir.filePath("one.png"), two = dir.filePath("two.png");
    std::vector<double> oneJob, twoJobs, pair;
    for (auto _ : state) {
        double a = 0, b = 0, c = 0;
        const std::vector<QStringList> atOnce = {renderArguments(1, dir.filePath("p1.png")),
                                                 renderArguments(1, dir.filePath("p2.png"))};
        if (!timeRenders({renderArguments(1, one)}, a) || !timeRenders({renderArguments(2, two)}, b) ||
            !timeRenders(atOnce, c)) {
            state.SkipWithError("a render failed");
            return;
        }
        oneJob.push_back(a);
        twoJobs.push_back(b);
        pair.push_back(c);
    }
    if (QImage(one) != QImage(two)) state.SkipWithError("two jobs made other pixels than one");
    const double t1 = median(oneJob), t2 = median(twoJobs), together = median(pair);
    // Capacity: 1 when the second core gave nothing, 2 when it gave a whole core.
    const double capacity = 2 * t1 / together;
    state.counters["one job s"] = t1;
    state.counters["two jobs s"] = t2;
    state.counters["two at once s"] = together;
    state.counters["speed-up"] = t1 / t2;
    state.counters["capacity"] = capacity;
    state.counters["of capacity"] = t1 / t2 / capacity;
}
BENCHMARK(ScaledRenderJobs)->Iterations(5)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace
}  // namespace momentart
