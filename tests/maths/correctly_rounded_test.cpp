// Every function against MPFR, bit for bit, on 1,000,000 inputs in all;
// scripts/check-maths.sh runs the same sweep on many more.
#include <gtest/gtest.h>

#include "maths/correctly_rounded.h"
#include "sweep.h"

namespace momentart::maths::sweep {
namespace {

long inputsOf(Function f) {
    switch (f) {
        case Function::Pow: return 350000;
        case Function::Atan:
        case Function::Log: return 100000;
        default: return 150000;
    }
}

class CorrectlyRounded : public ::testing::TestWithParam<Function> {};

TEST_P(CorrectlyRounded, EqualsTheExactResultRoundedToNearestInEveryRegion) {
    long total = 0;
    for (const Region& region : regions()) {
        if (region.function != GetParam()) continue;
        const Count count = sweep(region, static_cast<long>(region.share * inputsOf(GetParam())), 21);
        total += count.inputs;
        EXPECT_EQ(count.misrounded, 0) << region.name << " of " << count.inputs << ", first " << count.firstMiss;
    }
    EXPECT_EQ(total, inputsOf(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Functions, CorrectlyRounded,
                         ::testing::Values(Function::Sin, Function::Cos, Function::Tan, Function::Atan,
                                           Function::Log, Function::Pow),
                         [](const auto& info) { return std::string(functionName(info.param)); });

// The path of a processor without AVX and fused multiply-adds: the same
// results from MPFR alone.
TEST(ReferenceOnly, GivesTheSameResultsInEveryRegion) {
    useReferenceOnly(true);
    for (const Region& region : regions()) {
        const Count count = sweep(region, 1000, 5);
        EXPECT_EQ(count.misrounded, 0) << functionName(region.function) << ", " << region.name << ": " << count.firstMiss;
    }
    useReferenceOnly(false);
}

}  // namespace
}  // namespace momentart::maths::sweep
