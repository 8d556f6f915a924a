// The accurate path alone against MPFR, bit for bit: 100,000 inputs a
// function (MOMENTART_ACCURATE_INPUTS for more), from its formulas' ranges,
// huge, tiny and subnormal arguments, and inputs whose result lies near a
// midpoint between two doubles. Prints the inputs, the misrounded count
// (must be 0) and the time a call.
#include <mpfr.h>

#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>

#include "maths/accurate.h"
#include "maths/reference.h"
#include "random_inputs.h"

namespace momentart::maths {
namespace {

double unit(std::uint64_t& s) { return (next(s) >> 11) * 0x1p-53; }
// Any finite double of either sign, every binade alike.
double anyDouble(std::uint64_t& s) {
    for (;;) {
        const double v = std::bit_cast<double>(next(s));
        if (std::isfinite(v)) return v;
    }
}
double nearOne(std::uint64_t& s) { return 1 + std::ldexp(unit(s) - 0.5, -static_cast<int>(next(s) % 52)); }

// Whether f(x) rounded to 64 bits is a midpoint between two doubles (its
// 54th bit its last): then f(x) lies within 2^-64 relative of one, and a
// quick rounding test at 2^-64 fails.
using Input = std::pair<double, double>;  // x, and pow's exponent
bool nearMidpoint(Function f, Input in) {
    mpfr_t a, b, r;
    mpfr_inits2(64, a, b, r, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_d(a, in.first, MPFR_RNDN);
    mpfr_set_d(b, in.second, MPFR_RNDN);
    using One = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);
    constexpr One kOne[] = {mpfr_sin, mpfr_cos, mpfr_tan, mpfr_atan, mpfr_log};
    f == Function::Pow ? mpfr_pow(r, a, b, MPFR_RNDN) : kOne[static_cast<int>(f)](r, a, MPFR_RNDN);
    const bool near = mpfr_regular_p(r) && mpfr_min_prec(r) == 54;
    mpfr_clears(a, b, r, static_cast<mpfr_ptr>(nullptr));
    return near;
}

// Inputs drawn until `wanted` have a result near a midpoint (one in about
// 2^11).
using Draw = Input (*)(std::uint64_t&);
std::vector<Input> hardInputs(Function f, Draw draw, int wanted) {
    std::vector<Input> found;
    std::uint64_t seed = 2027;
    for (long tries = 0; static_cast<int>(found.size()) < wanted && tries < 200000; ++tries) {
        const Input in = draw(seed);
        if (nearMidpoint(f, in)) found.push_back(in);
    }
    return found;
}

struct Case {
    Function function;
    const char* name;
    Draw draw;
};

double accurately(Function f, Input in) {
    constexpr double (*kOne[])(double) = {accurate::sin, accurate::cos, accurate::tan, accurate::atan, accurate::log};
    return f == Function::Pow ? accurate::pow(in.first, in.second) : kOne[static_cast<int>(f)](in.first);
}

bool same(double a, double b) {
    return std::isnan(a) ? std::isnan(b) : std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

long inputsAsked() {
    const char* asked = std::getenv("MOMENTART_ACCURATE_INPUTS");
    return asked != nullptr ? std::atol(asked) : 100000;
}

// The misrounded among `inputs` drawn and the given hard ones; prints the
// counts and the time a call.
long misrounded(const Case& c, long inputs, std::vector<Input> hard, std::initializer_list<double> specials) {
    const std::size_t nearMidpoints = hard.size();
    for (const double x : specials) {
        if (c.function != Function::Pow) hard.push_back({x, 0.0});
        else for (const double y : specials) hard.push_back({x, y});
    }
    std::uint64_t seed = 27;
    std::vector<Input> xs = hard;
    while (static_cast<long>(xs.size()) < inputs) xs.push_back(c.draw(seed));
    long wrong = 0;
    std::chrono::nanoseconds spent{0};
    for (const Input& in : xs) {
        const auto start = std::chrono::steady_clock::now();
        const double ours = accurately(c.function, in);
        spent += std::chrono::steady_clock::now() - start;
        if (same(ours, reference(c.function, in.first, in.second))) continue;
        if (wrong++ < 3) ADD_FAILURE() << c.name << std::hexfloat << "(" << in.first << ", " << in.second << ") = " << ours;
    }
    std::printf("accurate %-5s %9zu inputs (%zu near midpoints), misrounded: %ld, %.0f ns a call\n", c.name,
                xs.size(), nearMidpoints, wrong, static_cast<double>(spent.count()) / static_cast<double>(xs.size()));
    return wrong;
}

double logInputValue(std::uint64_t& s) {
    switch (next(s) % 4) {
        case 0: return nearOne(s);
        case 1: return std::fabs(std::bit_cast<double>(next(s) >> 12));  // subnormals
        case 2: return std::floor(unit(s) * 1e6) + 1;
        default: return std::fabs(anyDouble(s));
    }
}

Input logInput(std::uint64_t& s) { return {logInputValue(s), 0.0}; }

TEST(Accurate, LogEqualsMpfrEverywhereAndOnHardInputs) {
    const Case log{Function::Log, "log", logInput};
    EXPECT_EQ(misrounded(log, inputsAsked(), hardInputs(Function::Log, logInput, 40),
                         {0.0, -0.0, 1.0, -1.0, HUGE_VAL, -HUGE_VAL, NAN, 0x1p-1074, 0x1.fffffffffffffp1023}),
              0);
}

// Near multiples of pi/2 (a few units away), huge, tiny, subnormal, moderate.
double trigInputValue(std::uint64_t& s) {
    switch (next(s) % 4) {
        case 0: {
            double v = std::floor((unit(s) - 0.5) * 2e6) * 1.5707963267948966;
            for (auto k = next(s) % 8; k > 0; --k) v = std::nextafter(v, HUGE_VAL);
            return v;
        }
        case 1: return anyDouble(s);
        case 2: return std::ldexp(unit(s) - 0.5, -static_cast<int>(next(s) % 1070));
        default: return (unit(s) - 0.5) * 200;
    }
}

Input trigInput(std::uint64_t& s) { return {trigInputValue(s), 0.0}; }

TEST(Accurate, TrigonometricFunctionsEqualMpfrEverywhereAndOnHardInputs) {
    for (const Case& c : {Case{Function::Sin, "sin", trigInput}, Case{Function::Cos, "cos", trigInput},
                          Case{Function::Tan, "tan", trigInput}})
        EXPECT_EQ(misrounded(c, inputsAsked(), hardInputs(c.function, trigInput, 40),
                             {0.0, -0.0, HUGE_VAL, NAN, 0x1p-1074, 0x1.fffffffffffffp1023, 0x1.921fb54442d18p0,
                              0x1.6c6cbc45dc8dep+7, 0x1.0p1023}),
                  0);
}

// Moderate, tiny to huge, subnormal.
double atanInputValue(std::uint64_t& s) {
    switch (next(s) % 3) {
        case 0: return (unit(s) - 0.5) * 8;
        case 1: return anyDouble(s);
        default: return std::ldexp(unit(s) - 0.5, -static_cast<int>(next(s) % 1070));
    }
}

Input atanInput(std::uint64_t& s) { return {atanInputValue(s), 0.0}; }

TEST(Accurate, AtanEqualsMpfrEverywhereAndOnHardInputs) {
    const Case atan{Function::Atan, "atan", atanInput};
    EXPECT_EQ(misrounded(atan, inputsAsked(), hardInputs(Function::Atan, atanInput, 40),
                         {0.0, -0.0, 1.0, -1.0, HUGE_VAL, -HUGE_VAL, NAN, 0x1p-1074, 0x1.fffffffffffffp1023}),
              0);
}

// Exact and halfway cases (whole powers, perfect squares and fourth powers
// with y = m/2 and m/4, powers of 2), results near overflow and underflow,
// bases near 1 with large exponents, moderate and any doubles.
Input powInput(std::uint64_t& s) {
    const double whole = std::floor(unit(s) * 2000) - 1000;
    switch (next(s) % 6) {
        case 0: return {whole, std::floor(unit(s) * 80) - 40};
        case 1: {
            const double root = std::floor(unit(s) * 3e4) + 1;
            const double m = std::floor(unit(s) * 16) - 8;
            return next(s) % 2 ? Input{root * root, m / 2} : Input{root * root * root * root, m / 4};
        }
        case 2: {
            const double a = 1.5 + unit(s) * 1e4;
            return {a, (next(s) % 2 ? 709.0 : -745.0) / std::log(a) + (unit(s) - 0.5) * 0.01};
        }
        case 3: return {1 + std::ldexp(unit(s) - 0.5, -static_cast<int>(next(s) % 50)), (unit(s) - 0.5) * 1e15};
        case 4: return {unit(s) * 100, (unit(s) - 0.5) * 40};
        default: return {anyDouble(s), next(s) % 2 ? anyDouble(s) : std::ldexp(unit(s) - 0.5, 8)};
    }
}

TEST(Accurate, PowEqualsMpfrEverywhereAndOnHardInputs) {
    const Case pow{Function::Pow, "pow", powInput};
    EXPECT_EQ(misrounded(pow, inputsAsked(), hardInputs(Function::Pow, powInput, 40),
                         {0.0, -0.0, 1.0, -1.0, 0.5, -0.5, 2.0, -3.0, HUGE_VAL, -HUGE_VAL, NAN, 0x1p-1074}),
              0);
}

}  // namespace
}  // namespace momentart::maths
