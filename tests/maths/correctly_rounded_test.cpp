// Every function against MPFR, bit for bit, on inputs from the regions the
// formulas reach and each function's hard ones: 1,000,000 in all, or
// MOMENTART_MATHS_INPUTS per function (scripts/check-maths.sh). Prints how
// many results were misrounded, by ours and by the C library's.
#include <mpfr.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

#include <gtest/gtest.h>

#include "maths/accurate.h"
#include "maths/correctly_rounded.h"
#include "maths/reference.h"
#include "random_inputs.h"

namespace momentart::maths {
namespace {

double uniform(std::uint64_t& s, double low, double high) { return low + (high - low) * (next(s) >> 11) * 0x1p-53; }
double whole(std::uint64_t& s, double low, double high) { return std::floor(uniform(s, low, high + 1)); }
double anySign(std::uint64_t& s, double v) { return next(s) & 1 ? -v : v; }
// Spread evenly over the binades from low to high.
double binades(std::uint64_t& s, double low, double high) { return std::exp(uniform(s, std::log(low), std::log(high))); }
double nearMultipleOfHalfPi(std::uint64_t& s) {
    double v = whole(s, -1e5, 1e5) * (std::numbers::pi / 2);
    for (auto steps = next(s) % 4; steps > 0; --steps) v = std::nextafter(v, HUGE_VAL);
    return v;
}
double special(std::uint64_t& s) {
    constexpr double kValues[] = {0.0, -0.0, 1.0, -1.0, 0.5, -0.5, 2.0, -3.0, HUGE_VAL, -HUGE_VAL, NAN};
    return kValues[next(s) % std::size(kValues)];
}

using Input = std::pair<double, double>;  // x, and pow's exponent
struct Region {
    Function function;
    const char* name;
    double share;  // of the function's inputs
    Input (*draw)(std::uint64_t& s);
};
#define X(expression) [](std::uint64_t& s) { return Input{(expression), 0.0}; }
#define XY(x, y) [](std::uint64_t& s) { const double a = (x); return Input{a, (y)}; }
// Positions, distances, angles, whole numbers, and large field values after feedback.
#define TRIGONOMETRIC(f)                                                                                   \
    {f, "moderate", 0.3, X(uniform(s, -100, 100))}, {f, "whole numbers", 0.15, X(whole(s, -1e6, 1e6))},    \
        {f, "near multiples of pi/2", 0.25, X(nearMultipleOfHalfPi(s))},                                   \
        {f, "large", 0.15, X(anySign(s, binades(s, 1e3, 1e300)))}, {f, "tiny", 0.15, X(anySign(s, binades(s, 1e-300, 1e-3)))}
const Region kRegions[] = {
    TRIGONOMETRIC(Function::Sin), TRIGONOMETRIC(Function::Cos), TRIGONOMETRIC(Function::Tan),
    {Function::Atan, "moderate", 0.5, X(uniform(s, -4, 4))},
    {Function::Atan, "tiny to huge", 0.5, X(anySign(s, binades(s, 1e-300, 1e300)))},
    {Function::Log, "near 1", 0.4, X(1 + anySign(s, binades(s, 1e-16, 1e-2)))},
    {Function::Log, "every binade, subnormals too", 0.4, X(std::fabs(std::bit_cast<double>(next(s))))},
    {Function::Log, "whole numbers", 0.2, X(whole(s, 1, 1e6))},
    {Function::Pow, "moderate", 0.15, XY(binades(s, 1e-10, 1e10), uniform(s, -20, 20))},
    {Function::Pow, "cubes", 0.15, XY(anySign(s, binades(s, 1e-100, 1e100)), 3.0)},
    {Function::Pow, "cube roots", 0.15, XY(binades(s, 1e-190, 1e190), 1.0 / 3.0)},
    {Function::Pow, "bases near 1, large exponents", 0.15,
     XY(1 + anySign(s, binades(s, 1e-15, 1e-3)), anySign(s, binades(s, 1, 1e15)))},
    {Function::Pow, "results near overflow", 0.1, XY(binades(s, 1.5, 1e10), uniform(s, 705, 712) / std::log(a))},
    {Function::Pow, "results near underflow", 0.1, XY(binades(s, 1.5, 1e10), -uniform(s, 700, 750) / std::log(a))},
    {Function::Pow, "whole numbers: exact, halfway", 0.1, XY(whole(s, -1000, 1000), whole(s, -30, 30))},
    {Function::Pow, "any doubles", 0.08, XY(std::bit_cast<double>(next(s)), std::bit_cast<double>(next(s)))},
    {Function::Pow, "special values", 0.02, XY(special(s), special(s))},
};
constexpr const char* kNames[] = {"sin", "cos", "tan", "atan", "log", "pow"};

// f(x) computed to 256 bits and rounded once by mpfr_get_d (subnormals too):
// another way than the library's reference.
double exact(Function f, Input in) {
    mpfr_t a, b, r;
    mpfr_inits2(256, a, b, r, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_d(a, in.first, MPFR_RNDN);
    mpfr_set_d(b, in.second, MPFR_RNDN);
    using One = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);
    constexpr One kOne[] = {mpfr_sin, mpfr_cos, mpfr_tan, mpfr_atan, mpfr_log};
    f == Function::Pow ? mpfr_pow(r, a, b, MPFR_RNDN) : kOne[static_cast<int>(f)](r, a, MPFR_RNDN);
    const double d = mpfr_get_d(r, MPFR_RNDN);
    mpfr_clears(a, b, r, static_cast<mpfr_ptr>(nullptr));
    return d;
}

double evaluated(Function f, Input in, bool library) {
    constexpr double (*kOurs[])(double) = {maths::sin, maths::cos, maths::tan, maths::atan, maths::log};
    constexpr double (*kLibrary[])(double) = {std::sin, std::cos, std::tan, std::atan, std::log};
    if (f == Function::Pow) return library ? std::pow(in.first, in.second) : maths::pow(in.first, in.second);
    return (library ? kLibrary : kOurs)[static_cast<int>(f)](in.first);
}

// Equal to the last bit, the sign of zero included; any NaN equals any NaN.
bool same(double a, double b) { return std::isnan(a) ? std::isnan(b) : std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

// Our misrounded results among the region's `inputs` first inputs.
long misrounded(const Region& region, long inputs, std::uint64_t seed) {
    long ours = 0, library = 0;
    for (long n = 0; n < inputs; ++n) {
        const Input in = region.draw(seed);
        const double want = exact(region.function, in);
        library += !same(evaluated(region.function, in, true), want);
        if (same(evaluated(region.function, in, false), want)) continue;
        if (ours++ == 0) ADD_FAILURE() << kNames[static_cast<int>(region.function)] << "(" << in.first << ", " << in.second << ")";
    }
    std::printf("%-5s %-32s %9ld inputs, misrounded: %ld ours, %ld the C library's\n",
                kNames[static_cast<int>(region.function)], region.name, inputs, ours, library);
    return ours;
}

class CorrectlyRounded : public ::testing::TestWithParam<Function> {};

TEST_P(CorrectlyRounded, EqualsTheExactResultRoundedToNearestInEveryRegion) {
    // 1,000,000 in all: pow has the most hard regions.
    const char* asked = std::getenv("MOMENTART_MATHS_INPUTS");
    const long inputs = asked != nullptr ? std::atol(asked) : GetParam() == Function::Pow ? 350000 : GetParam() >= Function::Atan ? 100000 : 150000;
    const auto accurateCalls = [] {
        const accurate::Calls c = accurate::calls();
        return std::array{c.sin, c.cos, c.tan, c.atan, c.log, c.pow}[static_cast<int>(GetParam())];
    };
    const unsigned long long before = accurateCalls();
    for (const Region& region : kRegions) {
        if (region.function != GetParam()) continue;
        EXPECT_EQ(misrounded(region, static_cast<long>(region.share * inputs), 21), 0) << region.name;
    }
    std::printf("%-5s the accurate path decided %llu of them\n", kNames[static_cast<int>(GetParam())], accurateCalls() - before);
}

INSTANTIATE_TEST_SUITE_P(Functions, CorrectlyRounded,
                         ::testing::Values(Function::Sin, Function::Cos, Function::Tan, Function::Atan, Function::Log, Function::Pow),
                         [](const auto& info) { return std::string(kNames[static_cast<int>(info.param)]); });

// The path of a processor without AVX and fused multiply-adds: MPFR alone.
TEST(ReferenceOnly, GivesTheSameResultsInEveryRegion) {
    useReferenceOnly(true);
    for (const Region& region : kRegions) EXPECT_EQ(misrounded(region, 1000, 5), 0) << region.name;
    useReferenceOnly(false);
}

}  // namespace
}  // namespace momentart::maths
