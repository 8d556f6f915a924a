// How often pictures are dull: renders many seeds with the engine alone, on
// every core, and prints the share of dull pictures for each image type and
// for the catalogue's own choice of type.
//
//   dull_survey [SEEDS_PER_TYPE [RANDOM_SEEDS [FIRST_SEED]]]
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "engine/generation/catalogue.h"
#include "engine/generation/run.h"
#include "engine/interest.h"
#include "engine/startup.h"

namespace momentart {
namespace {

class SeedClock final : public Clock {
public:
    explicit SeedClock(std::uint32_t seed) : seed_(seed) {}
    std::uint32_t timerSeed() override { return seed_; }
    CalendarTime now() override { return {}; }

private:
    std::uint32_t seed_;
};

struct Outcome {
    int type = 0;
    bool dull = false;
};

// One picture as `render --seed S [--type T] --no-stamp` makes it.
Outcome renderOne(std::uint32_t seed, int type) {
    GenerationState s;
    startup(s, seed);
    SeedClock clock(seed);
    Canvas canvas;
    RunHost host{clock};
    makeimage(s, canvas, host, {type});
    return {static_cast<int>(s.izbor), isDull(measureInterest(canvas))};
}

// Runs jobs 0..count-1 on every core.
template <typename Work>
void onEveryCore(int count, Work work) {
    std::atomic<int> next{0};
    const int threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t)
        pool.emplace_back([&] {
            for (int n = next++; n < count; n = next++) work(n);
        });
    for (std::thread& thread : pool) thread.join();
}

int survey(int perType, int randomSeeds, std::uint32_t first) {
    constexpr int kTypes = kLastType - kFirstType + 1;
    std::vector<Outcome> forced(static_cast<std::size_t>(kTypes) * perType);
    std::vector<Outcome> drawn(randomSeeds);
    onEveryCore(static_cast<int>(forced.size()), [&](int n) {
        forced[n] = renderOne(first + static_cast<std::uint32_t>(n % perType), kFirstType + n / perType);
    });
    onEveryCore(randomSeeds, [&](int n) { drawn[n] = renderOne(first + static_cast<std::uint32_t>(n), 0); });

    std::vector<int> dullForced(kTypes), dullDrawn(kTypes), madeDrawn(kTypes);
    for (const Outcome& o : forced) dullForced[o.type - kFirstType] += o.dull;
    int dullTotal = 0;
    for (const Outcome& o : drawn) {
        madeDrawn[o.type - kFirstType] += 1;
        dullDrawn[o.type - kFirstType] += o.dull;
        dullTotal += o.dull;
    }
    std::printf("| type | dull of %d seeds | share | dull among the %d drawn types |\n", perType,
                randomSeeds);
    std::printf("|---|---|---|---|\n");
    for (int t = 0; t < kTypes; ++t)
        std::printf("| %d | %d | %.0f %% | %d of %d |\n", kFirstType + t, dullForced[t],
                    100.0 * dullForced[t] / perType, dullDrawn[t], madeDrawn[t]);
    std::printf("all types drawn by the catalogue: %d of %d dull (%.1f %%)\n", dullTotal, randomSeeds,
                100.0 * dullTotal / std::max(randomSeeds, 1));
    return 0;
}

}  // namespace
}  // namespace momentart

int main(int argc, char** argv) {
    const int perType = argc > 1 ? std::atoi(argv[1]) : 20;
    const int randomSeeds = argc > 2 ? std::atoi(argv[2]) : 1000;
    const auto first = static_cast<std::uint32_t>(argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 1);
    if (perType < 1 || randomSeeds < 0) {
        std::fprintf(stderr, "usage: dull_survey [SEEDS_PER_TYPE [RANDOM_SEEDS [FIRST_SEED]]]\n");
        return 2;
    }
    return momentart::survey(perType, randomSeeds, first);
}
