// How many pictures the correctly rounded maths changes: renders seeds of
// every type with the engine alone, once with the C library's maths and
// once correctly rounded, on every core, and prints for each type how many
// pictures differ and by how many pixels.
//
//   maths_survey [SEEDS_PER_TYPE [FIRST_SEED]]
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "engine/generation/catalogue.h"
#include "engine/generation/run.h"
#include "engine/recipe.h"
#include "engine/startup.h"

namespace momentart {
namespace {

// Pixels that differ between the picture of each maths, as `render --seed S
// --type T --no-stamp` makes it.
long differingPixels(std::uint32_t seed, int type) {
    Canvas pictures[2];
    for (int n = 0; n < 2; ++n) {
        GenerationState s;
        startup(s, seed);
        FixedMomentClock clock(seed, {});
        RunHost host{clock};
        RunOptions options(type);
        options.maths = n == 0 ? Maths::CLibrary : Maths::CorrectlyRounded;
        makeimage(s, pictures[n], host, options);
    }
    long differing = 0;
    for (std::size_t p = 0; p < std::size_t{Canvas::kWidth} * Canvas::kHeight; ++p)
        differing += pictures[0].data()[p] != pictures[1].data()[p];
    return differing;
}

}  // namespace
}  // namespace momentart

int main(int argc, char** argv) {
    using namespace momentart;
    const int seeds = argc > 1 ? std::atoi(argv[1]) : 6;
    const std::uint32_t first = argc > 2 ? static_cast<std::uint32_t>(std::atol(argv[2])) : 1;
    const int types = kLastType - kFirstType + 1;
    std::vector<long> pixels(static_cast<std::size_t>(types * seeds));
    std::atomic<int> next{0};
    std::vector<std::thread> workers;
    for (unsigned w = 0; w < std::max(1u, std::thread::hardware_concurrency()); ++w)
        workers.emplace_back([&] {
            for (int n; (n = next++) < types * seeds;)
                pixels[static_cast<std::size_t>(n)] =
                    differingPixels(first + static_cast<std::uint32_t>(n % seeds), kFirstType + n / seeds);
        });
    for (std::thread& worker : workers) worker.join();
    int changed = 0;
    std::printf("type  changed of %d  pixels (mean of the changed)\n", seeds);
    for (int t = 0; t < types; ++t) {
        int pictures = 0;
        long sum = 0;
        for (int n = 0; n < seeds; ++n) {
            const long p = pixels[static_cast<std::size_t>(t * seeds + n)];
            pictures += p > 0;
            sum += p;
        }
        changed += pictures;
        if (pictures > 0) std::printf("%4d  %10d  %8ld\n", kFirstType + t, pictures, sum / pictures);
    }
    std::printf("%d of %d pictures changed (%.1f %%), seeds %u..%u of every type\n", changed, types * seeds,
                100.0 * changed / (types * seeds), first, first + static_cast<std::uint32_t>(seeds) - 1);
    return 0;
}
