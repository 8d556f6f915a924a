#include "engine/formulas/guarded.h"

#include <cfloat>
#include <cmath>

#include <gtest/gtest.h>

namespace momentart {
namespace {

TEST(Guarded, RoundHalfEvenMatchesTheLibraryInEveryRange) {
    for (double v : {0.5, 1.5, 2.5, -0.5, -1.5, -2.5, 254.5, 255.5, 32767.5, -32768.5, 0.49999999999999994,
                     1e15 + 0.5, 4503599627370495.5, 4503599627370497.0, 1e300, -7.25, 0.0, -0.0}) {
        EXPECT_EQ(roundHalfEven(v), std::nearbyint(v)) << v;
        EXPECT_EQ(std::signbit(roundHalfEven(v)), std::signbit(std::nearbyint(v))) << v;
    }
    EXPECT_TRUE(std::isnan(roundHalfEven(kFail)));
    EXPECT_EQ(roundHalfEven(HUGE_VAL), HUGE_VAL);
}

TEST(Guarded, FailuresBecomeNaNAndAreNotStored) {
    EXPECT_TRUE(std::isnan((Num(1) / 0.0).v));
    EXPECT_TRUE(std::isnan((Num(0) / 0.0).v));
    EXPECT_TRUE(std::isnan(ln(0.0).v));
    EXPECT_TRUE(std::isnan(ln(-1.0).v));
    EXPECT_TRUE(std::isnan(sqrt(-1e-300).v));
    EXPECT_EQ(sqrt(0.0).v, 0.0);
    EXPECT_TRUE(std::isnan(pow(-8.0, 1.0 / 3.0).v));
    EXPECT_TRUE(std::isnan(pow(0.0, -1.0).v));
    EXPECT_EQ(pow(-2.0, 3.0).v, -8.0);
    EXPECT_EQ(pow(0.0, 0.0).v, 1.0);
    // An overflow that a later division would hide still fails.
    const Num huge = Num(DBL_MAX) * 2.0;
    EXPECT_TRUE(std::isnan((Num(1) / huge).v));
    EXPECT_TRUE(std::isnan(pow(huge, 0.0).v));
    EXPECT_TRUE(std::isnan(atan(huge).v));
    double target = 3;
    stored(target, huge);
    stored(target, ln(0.0));
    EXPECT_EQ(target, 3);
    stored(target, Num(6) / 4.0);
    EXPECT_EQ(target, 1.5);
}

}  // namespace
}  // namespace momentart
