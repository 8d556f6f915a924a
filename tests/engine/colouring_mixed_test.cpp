// Colouring family 5: a fresh coin per pixel between schemes 6 and 13.
#include <cmath>
#include <numbers>

#include "colouring_support.h"

namespace momentart::colour_tests {
namespace {

struct ColourMixed : ColourStage {
    ColourMixed() {
        use(5, 62);
        s.rnd.seed(2024);
    }
    // Scheme 6 paints (100, 50, 20); scheme 13 paints (0.03, 0.6, 0.075) -> (0, 1, 0).
    void distinctSchemes() {
        s.ba = 1, s.ba1 = 1, s.f1 = s.f2 = s.f3 = 1, s.f06 = 1000;
        s.fi3 = s.fi4 = s.fi5 = std::numbers::pi / 2;
        s.r3 = 100, s.r4 = 50, s.r5 = 20, s.r6 = s.r7 = s.r8 = 1;
        s.fre = s.fgr = s.fbl = 1, s.bamax = 10000;
    }
    static double coin(float u) { return std::floor(2.0f * u + 1.0f); }
};

TEST_F(ColourMixed, EveryPixelDrawsOneCoinEvenWhenLeftUnpainted) {
    setLevels(-5, -5, -5);  // both schemes fail every level, so nothing is painted
    s.ba = 1, s.ba1 = 1;
    for (int n = 0; n < 50; ++n) {
        Pcg32 expected = s.rnd;
        const double typ = coin(expected.rnd());
        run();
        EXPECT_EQ(s.rnd.rawState(), expected.rawState());
        EXPECT_EQ(s.typ, typ);
        EXPECT_TRUE(s.typ == 1 || s.typ == 2);
    }
    EXPECT_EQ(pixel(), kMarker);
}

TEST_F(ColourMixed, AboutHalfThePixelsComeFromEachSchemeAsTheCoinSays) {
    distinctSchemes();
    int fromScheme6 = 0;
    for (int n = 0; n < 2000; ++n) {
        Pcg32 expected = s.rnd;
        const bool six = coin(expected.rnd()) == 1;
        run();
        fromScheme6 += six;
        ASSERT_EQ(pixel(), six ? colourOf(100, 50, 20) : colourOf(0, 1, 0)) << n;
    }
    EXPECT_GT(fromScheme6, 900);
    EXPECT_LT(fromScheme6, 1100);
}

TEST_F(ColourMixed, TheLargestRndRoundsTheSinglePrecisionCoinUpToThree) {
    distinctSchemes();
    // A generator state whose next Rnd is 1 - 2^-24 (no rotation, top 24 output bits set).
    s.rnd.restore((1ULL << 59) - (1ULL << 41), Pcg32::kIncrement);
    Pcg32 probe = s.rnd;
    ASSERT_EQ(probe.rnd(), 1.0f - 0x1p-24f);
    run();
    EXPECT_EQ(s.typ, 3);
    EXPECT_EQ(pixel(), colourOf(0, 1, 0));
}

}  // namespace
}  // namespace momentart::colour_tests
