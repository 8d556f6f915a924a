// sin, cos and tan, correctly rounded for every double x.
//
// Exact cases first: sin 0 = 0 and tan 0 = 0 (their signs kept), cos 0 =
// 1; infinities and NaN give NaN. For any other x the results are
// transcendental (Lindemann: sin, cos and tan of a nonzero algebraic number
// are), never a double nor a midpoint, so Ziv's loop ends.
//
// Error analysis (n limbs, eps = 2^(2 - 32n)): x = q pi/2 + r, r within a
// relative d = 2^(b - 32n) (reduction.cpp gives b >= 5), |r| <= 0.786.
// The series run on the computed r exactly, so d reaches the results as
// the functions' sensitivity: below 1.11 d for sin r (r cos r / sin r <= 1),
// 0.79 d for cos r (r tan r) and 1.58 d for tan r (2r / sin 2r).
// Rounding: the k-th term t_k = t_(k-1) r^2 / (j (j + 1)) errs by below
// 3k eps (r^2's eps, the product's, the quotient's); the terms' magnitudes
// sum to sinh |r| <= 1.1 |r| or cosh r <= 1.33, weighted by k to below
// |r| and 0.5 (k t_k shrinks fast); each of the at most 80 partial sums
// (|r|^2k / (2k)! < 2^-780 by k = 80) adds eps of at most sinh |r| or
// cosh r. Against sin r >= 0.9 |r| and cos r >= 0.707 that is below 2^7 eps
// for sin r and 2^7.3 eps for cos r; the series stop when a term falls
// below 2^(-32n - 8) of the first, which leaves a rest below eps / 256 of
// the result. tan = sin / cos adds 5 eps. In all, below 2 d + 2^8.2 eps <=
// 2^(max(b + 1, 10.2) + 1 - 32n): errorBits max(b + 2, 12).
#include <cmath>
#include <limits>

#include "maths/accurate.h"
#include "maths/accurate/calls.h"
#include "maths/accurate/newton.h"
#include "maths/accurate/reduction.h"

namespace momentart::maths::accurate {

namespace {

// sum of (-1)^k r^(2k + odd) / (2k + odd)!: sin r for odd 1, cos r for 0.
Real series(const Real& r, int odd) {
    const int n = r.limbs();
    const Real r2 = r * r;
    Real term = odd != 0 ? r : Real::fromInteger(1, 0, n);
    const std::int64_t last = term.exponent() - 32 * n - 8;
    Real sum = term;
    for (std::uint32_t j = static_cast<std::uint32_t>(odd) + 1; !term.isZero() && term.exponent() >= last; j += 2) {
        term = -(term * r2).dividedBy(j * (j + 1));
        sum = sum + term;
    }
    return sum;
}

int errorBits(const Reduced& reduced) { return reduced.r.errorBits + 2 > 12 ? reduced.r.errorBits + 2 : 12; }

enum class Kind { Sin, Cos, Tan };

Approximation evaluate(Kind kind, double x, int limbs) {
    const Reduced reduced = reducedByHalfPi(x, limbs);
    const Real& r = reduced.r.value;
    const int q = reduced.quadrant;
    const int bits = errorBits(reduced);
    if (kind == Kind::Tan) {
        const Real s = series(r, 1), c = series(r, 0);
        return {q % 2 == 0 ? quotient(s, c) : -quotient(c, s), bits};
    }
    // sin(q pi/2 + r) and cos(q pi/2 + r) = sin((q + 1) pi/2 + r).
    const int shifted = kind == Kind::Sin ? q : (q + 1) & 3;
    const Real v = series(r, shifted % 2 == 0 ? 1 : 0);
    return {shifted >= 2 ? -v : v, bits};
}

double evaluated(Kind kind, double x) {
    return untilDecided([kind, x](int limbs) { return evaluate(kind, x, limbs); });
}

}  // namespace

double sin(double x) {
    counted(gCounters.sin);
    if (!std::isfinite(x)) return std::numeric_limits<double>::quiet_NaN();
    return x == 0 ? x : evaluated(Kind::Sin, x);
}

double cos(double x) {
    counted(gCounters.cos);
    if (!std::isfinite(x)) return std::numeric_limits<double>::quiet_NaN();
    return x == 0 ? 1.0 : evaluated(Kind::Cos, x);
}

double tan(double x) {
    counted(gCounters.tan);
    if (!std::isfinite(x)) return std::numeric_limits<double>::quiet_NaN();
    return x == 0 ? x : evaluated(Kind::Tan, x);
}

}  // namespace momentart::maths::accurate
