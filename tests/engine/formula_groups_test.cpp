// Worked values, failures and identities of formula groups 2 to 16.
// Expected values are either worked by hand or computed with the correctly
// rounded functions in the order the formula evaluates (called at run time
// through expected_math.h, as the engine calls them), so that bit-exact
// equality is the right check.
#include <gtest/gtest.h>

#include <cmath>

#include "formula_test_geometry.h"
#include "expected_math.h"
#include "engine/formulas/bank.h"

namespace momentart {
namespace {

using testing::formula;
using testing::randomPixels;
using testing::sameOutcome;

// Runs the bank with formula (v1, v2) and returns the stored field value.
double bank(GenerationState& s, int v1, int v2) {
    s.v1 = v1;
    s.v2 = v2;
    barvanivo1(s);
    return s.ba;
}

TEST(FormulaGroup2, Formula1IsZeroWhereXYIsOneAndFailsAtXZero) {
    GenerationState s;
    s.x = 2.0, s.y = 0.5, s.ba = 7.0;
    EXPECT_EQ(bank(s, 2, 1), 0.0);  // x * sin(ln 1)
    s.x = 0.0, s.ba = 7.0;
    EXPECT_EQ(bank(s, 2, 1), 7.0);  // ln 0: ba keeps its value
}

TEST(FormulaGroup3, VSinVSumsVanishAtZeroDistances) {
    GenerationState s;
    s.x = 1.7, s.y = -0.9, s.r3 = 0.0, s.r4 = 0.0;
    EXPECT_EQ(formula(s, 3, 9), 0.0);
    EXPECT_EQ(formula(s, 3, 10), 0.0);  // sqrt(0) is 0, not a failure
    s.r3 = 1.5, s.r4 = 2.25;
    EXPECT_EQ(formula(s, 3, 10),
              1.5 * expected::sin(1.5) + 2.25 * expected::cos(2.25) + expected::sqrt(1.5 * 2.25));
}

TEST(FormulaGroup3, Formula13AddsDy3AndItsSineWhereFormula14Multiplies) {
    GenerationState s;
    EXPECT_EQ(formula(s, 3, 13), 0.0);
    s.dy3 = 1.0;
    EXPECT_EQ(formula(s, 3, 13), 1.0 + expected::sin(1.0));
    EXPECT_EQ(formula(s, 3, 14), expected::sin(1.0));
    s.dx3 = 0.5, s.dx4 = 2.0, s.dy3 = 3.0, s.dy4 = 0.25;
    EXPECT_EQ(formula(s, 3, 13), 0.5 * expected::sin(0.5) + 2.0 * expected::sin(2.0) + 3.0 + expected::sin(3.0) +
                                     0.25 * expected::sin(0.25));
}

TEST(FormulaGroup5, Formula4FailsOnDivisionByLnOne) {
    GenerationState s;
    s.x = 0.7, s.y = 1.3, s.fi3 = 0.4, s.fi4 = 0.0, s.r4 = 2.0, s.r3 = 1.0, s.ba = 3.0;
    EXPECT_EQ(bank(s, 5, 4), 3.0);  // |r3 cos(fi4)| = 1
    s.r3 = 2.0;
    EXPECT_EQ(bank(s, 5, 4), 2.0 + expected::log(std::fabs(expected::sin(0.7 * 1.3 * 0.4))) /
                                       expected::log(std::fabs(2.0 * expected::cos(0.0))));
}

TEST(FormulaGroup6, Formula13AtZeroDistancesIsLnSinTwo) {
    GenerationState s;
    s.x = 0.8, s.y = -0.8;
    const double v = formula(s, 6, 13);
    EXPECT_EQ(v, expected::log(expected::sin(2.0)));
    EXPECT_NEAR(v, -0.0951, 5e-5);
}

TEST(FormulaGroup7, SumFormulasFailWhereTheTrigonometricSumIsZero) {
    GenerationState s;
    s.x = 0.0, s.y = -M_PI / 2, s.r4 = 1.0, s.r5 = 0.0;
    ASSERT_EQ(expected::sin(s.y * s.r4) + expected::cos(s.x), 0.0);
    for (int v2 = 1; v2 <= 4; ++v2) EXPECT_FALSE(std::isfinite(formula(s, 7, v2))) << v2;
    s.r5 = 0.5;
    const double ln_root = expected::log(expected::sqrt(std::fabs(0.0 + expected::tan(0.5) + 0.0)));
    EXPECT_EQ(formula(s, 7, 1), -M_PI / 2 + ln_root);
    EXPECT_EQ(formula(s, 7, 3), -M_PI / 2 * ln_root);
}

TEST(FormulaGroup8, ParenthesisedSumsAndTheUnguardedLnR4) {
    GenerationState s;
    // At this pixel the sums formed left to right would differ in the last bit.
    s.x = -1.99, s.y = -4.69, s.r3 = 4.34, s.r4 = 2.42;
    const double x = -1.99, y = -4.69, r3 = 4.34, r4 = 2.42;
    EXPECT_EQ(formula(s, 8, 13),
              x + (expected::log(std::fabs(y * expected::cos(y))) + expected::log(std::fabs(x * expected::sin(x))) +
                   expected::log(std::fabs(r3 * expected::cos(r3)))));
    EXPECT_EQ(formula(s, 8, 15),
              expected::log(r4) * expected::sqrt(std::fabs(y * expected::sin(expected::cos(expected::tan(r3))) +
                                                 x * expected::sin(y / r3))) +
                  (y + expected::sin(r3)));
    s.r4 = 0.0;
    EXPECT_FALSE(std::isfinite(formula(s, 8, 15)));
}

TEST(FormulaGroup9, EveryFormulaFailsWhereR4IsOne) {
    GenerationState s;
    s.r3 = 2.5, s.r5 = 0.8, s.dx4 = 1.0, s.dx5 = 2.0, s.fi3 = 0.3, s.fi4 = 0.6;
    for (double x : {-3.1, -0.4, 0.9, 2.2})
        for (double y : {-1.7, 0.35, 4.4}) {
            s.x = x, s.y = y, s.r4 = 1.0;
            for (int v2 = 1; v2 <= 15; ++v2)
                EXPECT_FALSE(std::isfinite(formula(s, 9, v2))) << x << " " << y << " " << v2;
            s.r4 = 1.5;
            EXPECT_EQ(formula(s, 9, 1),
                      expected::log(std::fabs(x * expected::sin(y) * y * expected::cos(x) * expected::log(1.5))) *
                          expected::tan(0.8));
        }
}

TEST(FormulaGroup10, TheExponentIsTheDoubleThird) {
    GenerationState s;
    s.x = -2.5, s.y = 1.25, s.r5 = 1.2, s.r3 = 0.7, s.r4 = 2.0;
    const double root = expected::pow(std::fabs(expected::log(std::fabs(expected::tan(1.2)))), 1.0 / 3.0);
    EXPECT_EQ(formula(s, 10, 1), root * 2.5);
    EXPECT_EQ(formula(s, 10, 2), root + 2.5);
    EXPECT_EQ(formula(s, 10, 15), root * 1.25 + expected::log(std::fabs(0.7 * expected::sin(2.0))));
    // |ln tan(r5)| = 8 has the cube root 2.
    s.r5 = expected::atan(std::exp(8.0));
    EXPECT_NEAR(formula(s, 10, 2) - 2.5, 2.0, 1e-9);
}

TEST(FormulaGroup10, CubeRootTermVanishesNearTanOneAndFailsAtTanZero) {
    GenerationState s;
    s.x = -2.5, s.r5 = expected::atan(1.0), s.ba = 4.0;
    // tan(r5) is not exactly 1 in doubles; the root term is tiny, not a failure.
    EXPECT_NEAR(bank(s, 10, 2), 2.5, 1e-5);
    EXPECT_EQ(pow(Num(0.0), Num(1.0) / 3.0).v, 0.0);
    s.r5 = 0.0, s.ba = 4.0;
    EXPECT_EQ(bank(s, 10, 1), 4.0);
}

TEST(FormulaGroup11, PreambleIsLnR3ToTheR4OverOnePlusR5) {
    GenerationState s;
    s.x = 0.9, s.r3 = std::exp(1.0), s.r4 = 2.7, s.r5 = 0.4, s.izraz = 5.0;
    bank(s, 11, 1);
    EXPECT_DOUBLE_EQ(s.izraz, 1.0);
    s.r3 = 1.0;
    EXPECT_EQ(bank(s, 11, 1), 0.0);  // izraz = 0 ^ positive = 0
    EXPECT_EQ(s.izraz, 0.0);
    s.r3 = 4.5, s.r4 = 1.3, s.r5 = 2.2;
    EXPECT_EQ(preamble11(s).v, expected::pow(expected::log(4.5), 1.3 / (1 + 2.2)));
    s.r3 = 0.5, s.r4 = 2.0, s.r5 = 0.0;  // negative base, whole exponent
    EXPECT_EQ(preamble11(s).v, expected::pow(expected::log(0.5), 2.0));
}

TEST(FormulaGroup11, FailingPreambleKeepsIzrazAndTheFormulaStillRuns) {
    GenerationState s;
    s.x = 0.9, s.r3 = 0.5, s.r4 = 1.0, s.r5 = 1.0, s.izraz = 5.0, s.ba = -1.0;
    EXPECT_EQ(bank(s, 11, 1), 5.0 * expected::log(std::fabs(1.0 * expected::sin(0.9 * 1.0))));
    EXPECT_EQ(s.izraz, 5.0);
}

TEST(FormulaGroup11, FirstCallWithAFailingPreambleUsesIzrazZero) {
    GenerationState s;  // as after start-up
    s.x = 0.9, s.r3 = 0.5, s.r4 = 1.0, s.r5 = 1.0, s.ba = 3.0;
    EXPECT_EQ(bank(s, 11, 2), 0.0);
    EXPECT_EQ(s.izraz, 0.0);
    s.x = 0.0, s.r5 = 0.0, s.ba = 3.0;  // and ln 0 still fails
    EXPECT_EQ(bank(s, 11, 1), 3.0);
}

TEST(FormulaGroup12, LogarithmsOfIzrazTakeNoAbs) {
    GenerationState s;
    s.izraz = 1.0;
    EXPECT_EQ(formula(s, 12, 1), 1.0);
    s.izraz = -2.0;
    EXPECT_FALSE(std::isfinite(formula(s, 12, 1)));
    EXPECT_FALSE(std::isfinite(formula(s, 12, 2)));
    s.izraz = 6.0, s.r4 = 3.0;
    EXPECT_EQ(formula(s, 12, 6), 2.0);
    s.izraz = 1.5, s.x = 0.6, s.r5 = 2.0, s.r6 = 0.5, s.r7 = 1.25, s.r8 = 3.0;
    EXPECT_EQ(formula(s, 12, 5), 1.5 * expected::log(expected::pow(2.0 / 0.5, 1.25 / 3.0)) * expected::sin(0.6));
}

TEST(FormulaGroup12, PreambleThroughTheBank) {
    GenerationState s;
    s.x = std::exp(1.0), s.r4 = 2.0, s.izraz = 9.0;  // r3 = 0: izraz = ln e
    EXPECT_EQ(bank(s, 12, 1), 1.0);
    EXPECT_EQ(s.izraz, 1.0);
    s.x = 0.4, s.y = -1.1, s.r3 = 1.2, s.r5 = 0.3, s.r6 = 2.5, s.r7 = 0.8, s.r8 = 1.9;
    EXPECT_EQ(
        preamble12(s).v,
        expected::log(std::fabs(0.4 + -1.1 + 1.2 * 2.0 * expected::sin(0.3) * 2.5 * 0.8 * expected::cos(1.9))));
    // x + y + 0 = 0: the preamble fails and formula 6 divides the older izraz.
    s.x = 1.25, s.y = -1.25, s.r3 = 0.0, s.r4 = 3.0, s.izraz = 6.0;
    EXPECT_EQ(bank(s, 12, 6), 2.0);
    EXPECT_EQ(s.izraz, 6.0);
}

TEST(FormulaGroup13, NearestAndFarthestDistances) {
    GenerationState s;
    s.rmin = 2.0, s.rmax = 8.0;
    EXPECT_EQ(formula(s, 13, 4), 4.0);
    s.rmin = 0.0;
    EXPECT_FALSE(std::isfinite(formula(s, 13, 4)));
    s.rmin = 1.5, s.rmax = 6.5, s.r4 = 2.0, s.r5 = 0.7;
    const double p = 1.5 * expected::cos(6.5) * 6.5 * expected::sin(1.5);
    EXPECT_EQ(formula(s, 13, 9), expected::pow(expected::log(std::fabs(p)), 6.5 / 1.5));
    EXPECT_EQ(formula(s, 13, 11), expected::sin(0.7) * expected::tan(expected::log(expected::pow(6.5, 1.5))) *
                                      expected::sqrt(std::fabs(2.0 * 0.7)));
    // Below 1 inside the logarithm: a negative base, so only whole exponents succeed.
    s.rmin = 0.3, s.rmax = 0.5;
    EXPECT_FALSE(std::isfinite(formula(s, 13, 9)));
    s.rmin = 0.25;
    const double q = 0.25 * expected::cos(0.5) * 0.5 * expected::sin(0.25);
    EXPECT_EQ(formula(s, 13, 9), expected::pow(expected::log(std::fabs(q)), 2.0));
}

TEST(FormulaGroup14, FeedbackFromBaOnEntry) {
    int checked = 0;
    for (GenerationState s : randomPixels(200, 14)) {
        s.ba = 0.0;
        const double v7 = formula(s, 14, 7);
        EXPECT_EQ(v7, s.r3 + s.y * expected::sin(expected::cos(expected::tan(s.r3))) + s.x);
        const double v3 = formula(s, 14, 3);
        EXPECT_TRUE(sameOutcome(v3, s.r3 + expected::log(std::fabs(s.y * expected::sin(1.0) + s.r4))));
        s.ba = 0.9;
        if (std::isfinite(v3)) {
            EXPECT_NE(formula(s, 14, 3), v3);
            ++checked;
        }
    }
    EXPECT_GT(checked, 150);
}

TEST(FormulaGroup14, Formula1FailsWhereOb67IsMinusX) {
    GenerationState s;
    s.x = 1.75, s.y = 0.5, s.ob67 = -1.75, s.rmin = 0.6, s.rmax = 3.1, s.r5 = 0.2, s.ba = 2.0;
    EXPECT_EQ(bank(s, 14, 1), 2.0);
    s.ob67 = 4.0;
    EXPECT_NE(bank(s, 14, 1), 2.0);
}

TEST(FormulaGroup15, WithBaZeroFormulas1And5AreEarlierFormulas) {
    int finite = 0;
    for (GenerationState s : randomPixels(200, 15)) {
        s.ba = 0.0;
        EXPECT_TRUE(sameOutcome(formula(s, 15, 1), formula(s, 2, 3)));
        EXPECT_TRUE(sameOutcome(formula(s, 15, 5), formula(s, 8, 3)));
        if (!std::isfinite(formula(s, 15, 1)) || !std::isfinite(formula(s, 15, 5))) continue;
        ++finite;
        s.ba = -1.3;  // with another entry value they part
        EXPECT_NE(formula(s, 15, 1), formula(s, 2, 3));
        EXPECT_NE(formula(s, 15, 5), formula(s, 8, 3));
    }
    EXPECT_GT(finite, 150);
}

TEST(FormulaGroup15, BaEntersTheArgumentsOfTheSines) {
    GenerationState s;
    s.x = 1.4, s.y = -0.7, s.r3 = 2.6, s.r4 = 0.9, s.r5 = 3.3, s.fi3 = 0.45, s.ba = -0.35;
    const double x = 1.4, y = -0.7, r3 = 2.6, r4 = 0.9, r5 = 3.3, ba = -0.35;
    EXPECT_EQ(formula(s, 15, 1), x * expected::sin(expected::log(std::fabs(x * y + ba))) +
                                     y * expected::sin(0.45 + ba));
    EXPECT_EQ(formula(s, 15, 5),
              expected::log(std::fabs(expected::cos(expected::log(std::fabs(x * expected::sin(x / r3)))) * x * r3 *
                                 r4 * r5 * expected::sin(y + ba))));
    EXPECT_EQ(formula(s, 15, 6),
              expected::log(std::fabs(expected::cos(expected::log(std::fabs(x * expected::sin(ba + x / r3)))) * x *
                                 r3 * r4 * r5 * expected::sin(y + ba))));
}

TEST(FormulaGroup16, RepeatedAndReducedFormulas) {
    int finite = 0;
    for (GenerationState s : randomPixels(200, 16)) {
        s.ba = s.x * 0.3 - 0.2;
        EXPECT_TRUE(sameOutcome(formula(s, 16, 1), formula(s, 16, 11)));
        if (std::isfinite(formula(s, 16, 7))) {
            EXPECT_NE(formula(s, 16, 8), formula(s, 16, 7));
        }
        s.ba = 0.0;
        EXPECT_TRUE(sameOutcome(formula(s, 16, 8), formula(s, 16, 7)));
        finite += std::isfinite(formula(s, 16, 7)) && std::isfinite(formula(s, 16, 1));
    }
    EXPECT_GT(finite, 150);
}

TEST(FormulaGroup16, PowersAreTakenOnDoubles) {
    GenerationState s;
    s.x = -1.3, s.y = 0.8, s.r3 = 2.1, s.r4 = 1.4, s.r5 = 0.6, s.rmin = 0.9, s.ba = 0.25;
    const double x = -1.3, y = 0.8, r3 = 2.1, ba = 0.25;
    EXPECT_EQ(formula(s, 16, 12),
              expected::log(std::fabs(
                  expected::cos(expected::log(std::fabs(expected::pow(x, 2.0) * expected::sin(ba + x / (r3 + ba))))) *
                  x * r3 * expected::sin(y - ba))));
    EXPECT_EQ(formula(s, 16, 15),
              expected::log(std::fabs(expected::cos(expected::log(std::fabs(expected::pow(x, 3.0) *
                                                             expected::sin((x - ba) / (x * y * 0.9))))) *
                                 expected::sin(y - ba))));
}

TEST(FormulaGroup16, InnerZerosFail) {
    GenerationState s;
    s.x = 0.0, s.y = 0.7, s.r3 = 1.1, s.r4 = 2.0, s.r5 = 0.5, s.rmin = 0.4, s.ba = -0.6;
    EXPECT_EQ(bank(s, 16, 2), -0.6);  // x = 0: ln 0
    s.x = 1.9, s.y = 0.0;
    EXPECT_EQ(bank(s, 16, 15), -0.6);  // y = 0: division by zero
    s.y = 0.7;
    EXPECT_NE(bank(s, 16, 15), -0.6);
}

}  // namespace
}  // namespace momentart
