#include "sweep.h"

#include <mpfr.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <numbers>

#include "maths/correctly_rounded.h"

namespace momentart::maths::sweep {

namespace {

std::uint64_t next(std::uint64_t& state) {  // splitmix64
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}
double uniform(std::uint64_t& s, double low, double high) {
    return low + (high - low) * static_cast<double>(next(s) >> 11) * 0x1p-53;
}
double signedOf(std::uint64_t& s, double v) { return next(s) & 1 ? -v : v; }
// Spread evenly over the binades from low to high.
double logUniform(std::uint64_t& s, double low, double high) {
    return std::exp(uniform(s, std::log(low), std::log(high)));
}
double anyBits(std::uint64_t& s) { return std::bit_cast<double>(next(s)); }
// One of the values with special cases of their own.
double special(std::uint64_t& s) {
    constexpr double kValues[] = {0.0, -0.0, 1.0, -1.0, 0.5, -0.5, 2.0, -2.0, 3.0, -3.0, HUGE_VAL, -HUGE_VAL, NAN};
    return kValues[next(s) % std::size(kValues)];
}
double whole(std::uint64_t& s, double low, double high) { return std::floor(uniform(s, low, high + 1)); }
// Within a few units in the last place of v.
double nudged(std::uint64_t& s, double v) {
    const auto steps = static_cast<int>(next(s) % 7) - 3;
    for (int n = 0; n < std::abs(steps); ++n) v = std::nextafter(v, steps < 0 ? -HUGE_VAL : HUGE_VAL);
    return v;
}

using Input = std::pair<double, double>;
#define ONE(expression) [](std::uint64_t& s) { return Input{(expression), 0.0}; }
#define TWO(x, y) [](std::uint64_t& s) { const double a = (x); return Input{a, (y)}; }

// The trigonometric functions read positions, distances, angles and field
// values: moderate arguments, whole numbers, and large ones after feedback.
#define TRIGONOMETRIC(f)                                                                                \
    {f, "moderate", 0.3, ONE(uniform(s, -100, 100))},                                                   \
    {f, "whole numbers", 0.15, ONE(whole(s, -1e6, 1e6))},                                               \
    {f, "near multiples of pi/2", 0.25, ONE(nudged(s, whole(s, -1e5, 1e5) * (std::numbers::pi / 2)))},  \
    {f, "large", 0.15, ONE(signedOf(s, logUniform(s, 1e3, 1e300)))},                                    \
    {f, "tiny", 0.15, ONE(signedOf(s, logUniform(s, 1e-300, 1e-3)))}

const Region kRegions[] = {
    TRIGONOMETRIC(Function::Sin),
    TRIGONOMETRIC(Function::Cos),
    TRIGONOMETRIC(Function::Tan),
    {Function::Atan, "moderate", 0.5, ONE(uniform(s, -4, 4))},
    {Function::Atan, "tiny to huge", 0.5, ONE(signedOf(s, logUniform(s, 1e-300, 1e300)))},
    {Function::Log, "near 1", 0.4, ONE(1 + signedOf(s, logUniform(s, 1e-16, 1e-2)))},
    {Function::Log, "every binade, subnormals too", 0.4, ONE(std::fabs(anyBits(s)))},
    {Function::Log, "whole numbers", 0.2, ONE(whole(s, 1, 1e6))},
    {Function::Pow, "moderate", 0.15, TWO(logUniform(s, 1e-10, 1e10), uniform(s, -20, 20))},
    {Function::Pow, "cubes", 0.15, TWO(uniform(s, -1e3, 1e3), 3.0)},
    {Function::Pow, "cube roots", 0.15, TWO(logUniform(s, 1e-10, 1e10), 1.0 / 3.0)},
    {Function::Pow, "bases near 1, large exponents", 0.15,
     TWO(1 + signedOf(s, logUniform(s, 1e-15, 1e-3)), signedOf(s, logUniform(s, 1, 1e15)))},
    {Function::Pow, "results near overflow", 0.1, TWO(logUniform(s, 1.5, 1e10), uniform(s, 705, 712) / std::log(a))},
    {Function::Pow, "results near underflow", 0.1,
     TWO(logUniform(s, 1.5, 1e10), -uniform(s, 700, 750) / std::log(a))},
    {Function::Pow, "whole numbers: exact results, halfway cases", 0.1, TWO(whole(s, -1000, 1000), whole(s, -30, 30))},
    {Function::Pow, "any doubles", 0.08, TWO(anyBits(s), anyBits(s))},
    {Function::Pow, "special values", 0.02, TWO(special(s), special(s))},
};

// f(x) rounded once from 256 bits; a double's exponent range by
// mpfr_get_d's own rounding (subnormals included).
double exact(Function f, double x, double y) {
    mpfr_t a, b, r;
    mpfr_inits2(256, a, b, r, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_d(a, x, MPFR_RNDN);
    mpfr_set_d(b, y, MPFR_RNDN);
    switch (f) {
        case Function::Sin: mpfr_sin(r, a, MPFR_RNDN); break;
        case Function::Cos: mpfr_cos(r, a, MPFR_RNDN); break;
        case Function::Tan: mpfr_tan(r, a, MPFR_RNDN); break;
        case Function::Atan: mpfr_atan(r, a, MPFR_RNDN); break;
        case Function::Log: mpfr_log(r, a, MPFR_RNDN); break;
        case Function::Pow: mpfr_pow(r, a, b, MPFR_RNDN); break;
    }
    const double d = mpfr_get_d(r, MPFR_RNDN);
    mpfr_clears(a, b, r, static_cast<mpfr_ptr>(nullptr));
    return d;
}

double ours(Function f, double x, double y) {
    constexpr double (*kOne[])(double) = {maths::sin, maths::cos, maths::tan, maths::atan, maths::log};
    return f == Function::Pow ? maths::pow(x, y) : kOne[static_cast<int>(f)](x);
}
double library(Function f, double x, double y) {
    constexpr double (*kOne[])(double) = {std::sin, std::cos, std::tan, std::atan, std::log};
    return f == Function::Pow ? std::pow(x, y) : kOne[static_cast<int>(f)](x);
}

// Equal to the last bit, the sign of zero included; any NaN equals any NaN.
bool same(double a, double b) { return std::isnan(a) ? std::isnan(b) : std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

}  // namespace

std::span<const Region> regions() { return kRegions; }

const char* functionName(Function f) {
    constexpr const char* kNames[] = {"sin", "cos", "tan", "atan", "log", "pow"};
    return kNames[static_cast<int>(f)];
}

Count sweep(const Region& region, long inputs, std::uint64_t seed) {
    Count count;
    std::uint64_t state = seed;
    for (; count.inputs < inputs; ++count.inputs) {
        const auto [x, y] = region.draw(state);
        const double want = exact(region.function, x, y);
        const double got = ours(region.function, x, y);
        count.libraryMisrounded += !same(library(region.function, x, y), want);
        if (same(got, want)) continue;
        if (count.misrounded++ == 0) {
            char text[160];
            std::snprintf(text, sizeof text, "%s(%a, %a) = %a, exact %a", functionName(region.function), x, y, got, want);
            count.firstMiss = text;
        }
    }
    return count;
}

}  // namespace momentart::maths::sweep
