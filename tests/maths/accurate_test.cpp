// The accurate path alone against MPFR, bit for bit: 100,000 inputs a
// function (MOMENTART_MATHS_INPUTS for more), from its formulas' ranges,
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

namespace momentart::maths {
namespace {

std::uint64_t next(std::uint64_t& state) {  // splitmix64
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}
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
bool nearMidpoint(Function f, double x) {
    mpfr_t a, r;
    mpfr_inits2(64, a, r, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_d(a, x, MPFR_RNDN);
    using One = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);
    constexpr One kOne[] = {mpfr_sin, mpfr_cos, mpfr_tan, mpfr_atan, mpfr_log};
    kOne[static_cast<int>(f)](r, a, MPFR_RNDN);
    const bool near = mpfr_min_prec(r) == 54;
    mpfr_clears(a, r, static_cast<mpfr_ptr>(nullptr));
    return near;
}

// Inputs drawn until `wanted` have a result near a midpoint (one in about
// 2^11).
std::vector<double> hardInputs(Function f, double (*draw)(std::uint64_t&), int wanted) {
    std::vector<double> found;
    std::uint64_t seed = 2027;
    for (long tries = 0; static_cast<int>(found.size()) < wanted && tries < 200000; ++tries) {
        const double x = draw(seed);
        if (nearMidpoint(f, x)) found.push_back(x);
    }
    return found;
}

using Accurate = double (*)(double);
struct Case {
    Function function;
    const char* name;
    Accurate accurate;
    double (*draw)(std::uint64_t&);
};

bool same(double a, double b) {
    return std::isnan(a) ? std::isnan(b) : std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

long inputsAsked() {
    const char* asked = std::getenv("MOMENTART_MATHS_INPUTS");
    return asked != nullptr ? std::atol(asked) : 100000;
}

// The misrounded among `inputs` drawn and the given hard ones; prints the
// counts and the time a call.
long misrounded(const Case& c, long inputs, const std::vector<double>& hard) {
    std::uint64_t seed = 27;
    std::vector<double> xs = hard;
    while (static_cast<long>(xs.size()) < inputs) xs.push_back(c.draw(seed));
    long wrong = 0;
    std::chrono::nanoseconds spent{0};
    for (const double x : xs) {
        const auto start = std::chrono::steady_clock::now();
        const double ours = c.accurate(x);
        spent += std::chrono::steady_clock::now() - start;
        if (same(ours, reference(c.function, x))) continue;
        if (wrong++ < 3) ADD_FAILURE() << c.name << "(" << std::hexfloat << x << ") = " << ours;
    }
    std::printf("accurate %-5s %9zu inputs (%zu hard), misrounded: %ld, %.0f ns a call\n", c.name, xs.size(),
                hard.size(), wrong, static_cast<double>(spent.count()) / static_cast<double>(xs.size()));
    return wrong;
}

double logInput(std::uint64_t& s) {
    switch (next(s) % 4) {
        case 0: return nearOne(s);
        case 1: return std::fabs(std::bit_cast<double>(next(s) >> 12));  // subnormals
        case 2: return std::floor(unit(s) * 1e6) + 1;
        default: return std::fabs(anyDouble(s));
    }
}

TEST(Accurate, LogEqualsMpfrEverywhereAndOnHardInputs) {
    std::vector<double> hard = hardInputs(Function::Log, logInput, 40);
    for (const double special : {0.0, -0.0, 1.0, -1.0, HUGE_VAL, -HUGE_VAL, double{NAN}, 0x1p-1074, 0x1.fffffffffffffp1023})
        hard.push_back(special);
    EXPECT_EQ(misrounded({Function::Log, "log", accurate::log, logInput}, inputsAsked(), hard), 0);
}

// Near multiples of pi/2 (a few units away), huge, tiny, subnormal, moderate.
double trigInput(std::uint64_t& s) {
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

TEST(Accurate, TrigonometricFunctionsEqualMpfrEverywhereAndOnHardInputs) {
    const Case cases[] = {{Function::Sin, "sin", accurate::sin, trigInput},
                          {Function::Cos, "cos", accurate::cos, trigInput},
                          {Function::Tan, "tan", accurate::tan, trigInput}};
    for (const Case& c : cases) {
        std::vector<double> hard = hardInputs(c.function, trigInput, 40);
        for (const double special : {0.0, -0.0, HUGE_VAL, double{NAN}, 0x1p-1074, 0x1.fffffffffffffp1023,
                                     0x1.921fb54442d18p0, 0x1.6c6cbc45dc8dep+7, 0x1.0p1023})
            hard.push_back(special);
        EXPECT_EQ(misrounded(c, inputsAsked(), hard), 0);
    }
}

// Moderate, tiny to huge, subnormal.
double atanInput(std::uint64_t& s) {
    switch (next(s) % 3) {
        case 0: return (unit(s) - 0.5) * 8;
        case 1: return anyDouble(s);
        default: return std::ldexp(unit(s) - 0.5, -static_cast<int>(next(s) % 1070));
    }
}

TEST(Accurate, AtanEqualsMpfrEverywhereAndOnHardInputs) {
    std::vector<double> hard = hardInputs(Function::Atan, atanInput, 40);
    for (const double special : {0.0, -0.0, 1.0, -1.0, HUGE_VAL, -HUGE_VAL, double{NAN}, 0x1p-1074, 0x1.fffffffffffffp1023})
        hard.push_back(special);
    EXPECT_EQ(misrounded({Function::Atan, "atan", accurate::atan, atanInput}, inputsAsked(), hard), 0);
}

}  // namespace
}  // namespace momentart::maths
