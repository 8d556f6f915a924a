// x^y, correctly rounded for every pair of doubles.
//
// The inputs whose result is fixed first (pow_fixed_results.h), then |x|^y, its sign that of x
// for a negative x and an odd y. Then the exact cases: |x| = mo 2^eo with
// mo odd, y = Y 2^-k with Y odd (k >= 1) or y whole (k = 0). While k > 0,
// |x|^y is rational only if |x| is a square (mo a square and eo even):
// otherwise |x|^(1/2^k) is irrational, and so is its odd power Y (from
// a^Y and a^(2^k) rational, gcd(Y, 2^k) = 1 gives a rational); so the
// square root is taken, exactly, and k lowered. At k = 0, z^Y with z = mo
// 2^eo: for mo = 1 it is 2^(eo Y), exact; for mo > 1 and Y < 0 it is not a
// dyadic fraction; for Y > 0 mo^Y is odd, exact if below 2^64 and rounded
// once, otherwise of more than 64 bits. Every case not decided so is
// neither a double nor a midpoint between two (they have at most 54
// significant bits, subnormals and the overflow threshold included), so
// Ziv's loop on exp(y log |x|) ends.
//
// Error analysis (n limbs, eps = 2^(2 - 32n)): log |x| within 2^(16 - 32n)
// (logarithm.h), t = y log |x| one eps more: 2^(16.1 - 32n) relative. For
// |t| >= 2^11 the result is far beyond the largest double or below half
// the least subnormal. Else k = nearest(t / ln 2) (|k| <= 2955) and r = t
// - k ln 2, |r| < 0.35: t's error is below 2^(27.1 - 32n) absolute, k ln 2
// errs by 2 eps |k ln 2| < 2^(14.6 - 32n), the difference by eps |r|: r
// within 2^(27.2 - 32n) absolute, hence exp r within as much relative.
// exp r = (exp(r / 2^8))^(2^8): the series of exp at |s| < 2^-9.5 adds one
// eps a term and eps a power (its terms fall by 2^9.5 each, at most 82
// terms), below 2^7 eps; eight squarings double a relative error and add
// eps each: below 2^(15) eps + 2^8 eps < 2^(17.1 - 32n); times 2^k, exact.
// In all below 2^(27.3 - 32n): errorBits 29. The series stops when a term
// falls below 2^(-32n - 8), the rest below eps / 1000.
#include <bit>
#include <cmath>
#include <cstdint>

#include "maths/accurate.h"
#include "maths/accurate/calls.h"
#include "maths/accurate/constant_values.h"
#include "maths/accurate/logarithm.h"
#include "maths/pow_fixed_results.h"

namespace momentart::maths::accurate {

namespace {

constexpr int kExactLimbs = 4;

// 2^p rounded: infinity above the largest double, zero below half the
// least subnormal (2^-1075 itself is a midpoint, to the even zero).
double powerOfTwo(double p) {
    if (p > 2000) return HUGE_VAL;
    if (p < -2000) return 0.0;
    return Real::fromInteger(1, static_cast<std::int64_t>(p), kExactLimbs).rounded();
}

// |x|^y when it is a dyadic fraction of at most 64 significant bits;
// `exact` tells.
double exactPower(double a, double y, bool& exact) {
    exact = false;
    const auto bits = std::bit_cast<std::uint64_t>(a);
    const int biased = static_cast<int>(bits >> 52);
    std::uint64_t mo = biased == 0 ? bits : (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    std::int64_t eo = biased == 0 ? -1074 : biased - 1075;
    const int zeros = std::countr_zero(mo);
    mo >>= zeros;
    eo += zeros;
    // y = Y 2^-k.
    double whole = y;
    int k = 0;
    while (!isWhole(whole)) {
        whole *= 2;  // exact: y is finite and not whole, so |y| < 2^52
        ++k;
    }
    for (; k > 0; --k) {
        if (eo % 2 != 0) return 0;
        auto root = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(mo)));
        while (root * root > mo) --root;
        while ((root + 1) * (root + 1) <= mo) ++root;
        if (root * root != mo) return 0;
        mo = root;
        eo /= 2;
    }
    if (mo == 1) {
        exact = true;
        return powerOfTwo(static_cast<double>(eo) * whole);  // rounded only far beyond +-2000
    }
    if (whole < 0 || whole > 64) return 0;  // beyond 64: 3^65 > 2^64
    std::uint64_t power = 1;
    for (int i = 0; i < static_cast<int>(whole); ++i) {
        if (power > UINT64_MAX / mo) return 0;
        power *= mo;
    }
    exact = true;
    return Real::fromInteger(power, eo * static_cast<std::int64_t>(whole), kExactLimbs).rounded();
}

// exp(y log a), a > 0 finite, not 1.
Approximation power(double a, double y, int limbs) {
    const Approximation log = logarithm(a, limbs);
    const Real t = log.value * Real::fromDouble(y, limbs);
    if (t.exponent() > 11) return {t.isNegative() ? Real(limbs) : Real::fromInteger(1, 2000, limbs), 29};
    const Real ln2 = Real::fromLimbs(kConstants.ln2, kConstantLimbs, 0, limbs);
    const double k = std::nearbyint(t.approximate() / 0.6931471805599453);
    const Real kLn2 = ln2.times(static_cast<std::uint32_t>(std::fabs(k)));
    const Real s = (k < 0 ? t + kLn2 : t - kLn2).scaled(-8);
    const std::int64_t last = -32 * limbs - 8;
    Real sum = Real::fromInteger(1, 0, limbs), term = sum;
    for (std::uint32_t j = 1; !term.isZero() && term.exponent() >= last; ++j) {
        term = (term * s).dividedBy(j);
        sum = sum + term;
    }
    for (int i = 0; i < 8; ++i) sum = sum * sum;
    return {sum.scaled(static_cast<std::int64_t>(k)), 29};
}

}  // namespace

double pow(double x, double y) {
    counted(gCounters.pow);
    double fixed = 0;
    if (powFixedResult(x, y, fixed)) return fixed;
    const double a = std::fabs(x);
    double magnitude = 1.0;
    if (a != 1) {
        bool exact = false;
        magnitude = exactPower(a, y, exact);
        if (!exact) magnitude = untilDecided([a, y](int limbs) { return power(a, y, limbs); });
    }
    return x < 0 && isOdd(y) ? -magnitude : magnitude;
}

}  // namespace momentart::maths::accurate
