// The dispatch over all 240 formulas: for pixel geometries as a generation run
// makes them, and for degenerate ones, the bank stores exactly the finite
// results of the preamble and the formula and keeps the old values otherwise.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <utility>
#include <vector>

#include "formula_test_geometry.h"
#include "engine/formulas/bank.h"

namespace momentart {
namespace {

using testing::Centres;
using testing::formula;
using testing::placePixel;
using testing::randomPixels;

std::vector<GenerationState> degeneratePixels() {
    std::vector<GenerationState> out;
    Centres c;
    c.cx = {-3.5, 1.25, 4.0, -0.5, 2.75, -4.25};
    c.cy = {2.0, -1.5, 3.25, -4.0, 0.75, 1.0};
    for (auto [x, y] : {std::pair{0.0, 1.3}, {-2.2, 0.0}, {0.0, 0.0}, {-3.5, 2.0}, {1.25, 0.8}}) {
        GenerationState s;
        placePixel(s, x, y, c);  // (-3.5, 2) sits on centre 3: r3 = 0
        out.push_back(s);
    }
    out[4].r4 = 1.0;
    GenerationState same;  // every centre on one point, the pixel on it
    placePixel(same, 0.5, 0.5,
               Centres{{0.5, 0.5, 0.5, 0.5, 0.5, 0.5}, {0.5, 0.5, 0.5, 0.5, 0.5, 0.5}});
    out.push_back(same);
    for (double big : {1e300, -1e300, 1e-300}) {
        GenerationState s = out[1];
        s.x = big, s.y = -big;
        for (double* r : {&s.r3, &s.r4, &s.r5, &s.r6, &s.r7, &s.r8, &s.rmax, &s.ob67})
            *r = std::fabs(big);
        s.dx3 = s.dx4 = s.dx5 = s.dy3 = s.dy4 = std::fabs(big);
        out.push_back(s);
    }
    return out;
}

// Calls the bank for every group and formula on every pixel and checks what
// it stored against the preamble's and the formula's own values.
TEST(FormulaBankSweep, StoresExactlyTheFiniteResults) {
    std::vector<GenerationState> pixels = randomPixels(400, 2024);
    const std::size_t random_count = pixels.size();
    for (const GenerationState& s : degeneratePixels()) pixels.push_back(s);

    std::mt19937_64 gen(99);
    std::uniform_real_distribution<double> entry(-5.0, 5.0);
    int successes[17][16] = {};
    int errors = 0, failures = 0;
    for (std::size_t n = 0; n < pixels.size(); ++n) {
        const double ba0 = n % 5 == 0 ? 0.0 : entry(gen);
        const double izraz0 = entry(gen);
        for (int g = 1; g <= 16; ++g)
            for (int k = 1; k <= 15; ++k) {
                GenerationState s = pixels[n];
                s.v1 = g, s.v2 = k, s.ba = ba0, s.izraz = izraz0;
                double izraz = izraz0;
                if (g == 11 || g == 12) {
                    const double p = g == 11 ? preamble11(s).v : preamble12(s).v;
                    if (std::isfinite(p)) izraz = p;
                }
                GenerationState ref = s;
                ref.izraz = izraz;
                const double f = formula(ref, g, k);
                const double ba = std::isfinite(f) ? f : ba0;
                if (std::isfinite(f) && n < random_count) ++successes[g][k];
                failures += !std::isfinite(f);

                barvanivo1(s);
                const bool ok =
                    std::isfinite(s.ba) && std::isfinite(s.izraz) && s.ba == ba && s.izraz == izraz;
                if (!ok) {
                    ADD_FAILURE() << "pixel " << n << " group " << g << " formula " << k << ": ba "
                                  << s.ba << " (expected " << ba << "), izraz " << s.izraz
                                  << " (expected " << izraz << ")";
                    if (++errors > 20) return;
                }
            }
    }
    EXPECT_GT(failures, 1000);  // the keep-the-old-value path is exercised too
    // No formula fails everywhere: each one succeeds on some ordinary pixel.
    for (int g = 1; g <= 16; ++g)
        for (int k = 1; k <= 15; ++k)
            EXPECT_GT(successes[g][k], 0) << "group " << g << " formula " << k;
}

TEST(FormulaBankSweep, SelectorsOutsideTheBankStoreNothing) {
    for (const GenerationState& pixel : randomPixels(20, 7)) {
        for (int v1 : {-1, 0, 17, 40}) {
            GenerationState s = pixel;
            s.v1 = v1, s.v2 = 3, s.ba = 1.75, s.izraz = -0.5;
            barvanivo1(s);
            EXPECT_EQ(s.ba, 1.75) << v1;
            EXPECT_EQ(s.izraz, -0.5) << v1;
        }
        for (int g = 1; g <= 16; ++g)
            for (int v2 : {0, 16, -2}) {
                GenerationState s = pixel;
                s.v1 = g, s.v2 = v2, s.ba = 1.75;
                barvanivo1(s);
                EXPECT_EQ(s.ba, 1.75) << g << " " << v2;
                EXPECT_FALSE(std::isfinite(formula(s, g, v2)));
            }
    }
}

// Only the feedback groups 14 to 16 read ba, and only groups 11 and 12 read
// izraz; every formula of those groups does.
TEST(FormulaBankSweep, BaAndIzrazAreReadExactlyWhereTheGroupsUseThem) {
    bool reads_ba[17][16] = {}, reads_izraz[17][16] = {};
    for (const GenerationState& pixel : randomPixels(60, 31)) {
        for (int g = 1; g <= 16; ++g)
            for (int k = 1; k <= 15; ++k) {
                GenerationState a = pixel;
                a.ba = 0.5, a.izraz = 1.5;
                GenerationState other_ba = a, other_izraz = a;
                other_ba.ba = -2.25;
                other_izraz.izraz = 3.75;
                const double f = formula(a, g, k);
                reads_ba[g][k] |= !testing::sameOutcome(f, formula(other_ba, g, k));
                reads_izraz[g][k] |= !testing::sameOutcome(f, formula(other_izraz, g, k));
            }
    }
    for (int g = 1; g <= 16; ++g)
        for (int k = 1; k <= 15; ++k) {
            EXPECT_EQ(reads_ba[g][k], g >= 14) << "group " << g << " formula " << k;
            EXPECT_EQ(reads_izraz[g][k], g == 11 || g == 12) << "group " << g << " formula " << k;
        }
}

}  // namespace
}  // namespace momentart
