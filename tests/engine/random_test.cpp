#include "engine/generation/random.h"

#include <gtest/gtest.h>

namespace momentart {
namespace {

TEST(Random, SeedFortyTwoGivesThePublishedReferenceOutputs) {
    Pcg32 g;
    g.seed(42);
    EXPECT_EQ(g.next(), 0xa15c02b7u);
    EXPECT_EQ(g.next(), 0x7b47f409u);
    EXPECT_EQ(g.next(), 0xba1d3330u);
}

TEST(Random, RndTakesTheTopTwentyFourBitsInSinglePrecision) {
    Pcg32 raw, g;
    raw.seed(7);
    g.seed(7);
    for (int n = 0; n < 1000; ++n) {
        const std::uint32_t bits = raw.next();
        const float u = g.rnd();
        EXPECT_EQ(u, static_cast<float>(bits >> 8) / 16777216.0f);
        EXPECT_GE(u, 0.0f);
        EXPECT_LT(u, 1.0f);
    }
}

TEST(Random, ReseedingRestartsTheSequence) {
    Pcg32 g;
    g.seed(123456);
    const std::uint32_t first = g.next();
    g.next();
    g.seed(123456);
    EXPECT_EQ(g.next(), first);
    g.seed(123457);
    EXPECT_NE(g.next(), first);
}

TEST(Random, JumpingAheadLandsWhereThatManyDrawsWould) {
    for (std::uint32_t seed : {1u, 99u, 4000000000u}) {
        Pcg32 stepped, jumped;
        stepped.seed(seed);
        jumped.seed(seed);
        std::uint64_t done = 0;
        for (std::uint64_t draws : {0ULL, 1ULL, 2ULL, 7ULL, 64ULL, 1000ULL, 123457ULL}) {
            for (std::uint64_t n = 0; n < draws; ++n) stepped.next();
            jumped.advance(draws);
            done += draws;
            EXPECT_EQ(jumped.rawState(), stepped.rawState()) << "after " << done;
            EXPECT_EQ(jumped.next(), stepped.next());
        }
    }
}

}  // namespace
}  // namespace momentart
