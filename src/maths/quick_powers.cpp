// x^3: x^2 = s + e and x^3 = s x + e x, each product exact by a fused
// multiply-add, so x^3 is the exact sum q + f + g + k of four doubles (q =
// s x rounded, f its error, g = e x rounded, k its error), |f| <= 2^-53 |q|,
// |g| < 2^-52 |q|, |k| < 2^-105 |q|, and none of them falls among the
// subnormals for |x| in [2^-300, 2^300]. R = q + ((f + g) + k) errs by the
// two roundings of the low sum, below 2^-104 |q|: B = 2^-100 |q|. Ziv's
// rounding test decides all but the cubes within B of a midpoint between
// two doubles, such as exact midpoints.
//
// x^y for y = 1/3 rounded to a double: x^y = cbrt(x) exp(-D ln x), where
// D = 1/3 - y = 2^-54 / 3 (3y = 1 - 2^-54 exactly).
//
// Error analysis, for x in [2^-600, 2^600] (no product below overflows or
// falls among the subnormals). r0, LLVM's cube root of x, is within half a
// unit of cbrt x. The residual d = x - r0^3 comes from exact products (r0^2
// and its two parts times r0) and four subtractions, the first exact
// (Sterbenz), the others below 2^-102 x in all; |d / r0^3| < 2^-50. The
// Newton step c = d / (3 r0^2) then gives cbrt x = r0 + c within 2^-100 r0:
// the step's neglected second order is below 2^-103 r0, c's own roundings
// below 2^-101 r0. |D ln x| < 2^-46.9 for x in the range, so exp(-D ln x) =
// 1 - D ln x within 2^-93.8; ln x comes from our log (any error below 2^-40
// of it would do), and r0 D ln x is rounded twice. R = r0 + (c - r0 D ln x)
// errs by below 2^-93 R; B = 2^-90 r0, and Ziv's rounding test decides
// unless x^y lies within B of a midpoint between two doubles.
#include "maths/quick_powers.h"

#include <cmath>
#include <limits>

#include "maths/quick_evaluation.h"

extern "C" {
double momentart_llvmlibc_cbrt(double);
double momentart_llvmlibc_log(double);
}

namespace momentart::maths {

namespace {

constexpr double kShortfall = 0x1p-54 / 3;  // D = 1/3 - kNearestThird, rounded

// x^3 exactly, as q + f + g + k: x^2 = s + e, q + f = s x and g + k = e x.
struct ExactCube {
    double square;  // s
    double q, f, g, k;
};
[[gnu::always_inline]] MOMENTART_WITH_FMA inline ExactCube exactCube(double x) {
    const DoubleDouble square = fusedProduct(x, x);
    const DoubleDouble head = fusedProduct(square.hi, x);
    const DoubleDouble tail = fusedProduct(square.lo, x);
    return {square.hi, head.hi, head.lo, tail.hi, tail.lo};
}

}  // namespace

MOMENTART_WITH_FMA double cube(double x) {
    const double a = std::fabs(x);
    if (!(a >= 0x1p-300 && a <= 0x1p300)) return std::numeric_limits<double>::quiet_NaN();
    const ExactCube c = exactCube(x);
    return roundedWithin({c.q, (c.f + c.g) + c.k}, std::fabs(c.q) * 0x1p-100);
}

MOMENTART_WITH_FMA double nearestThirdPower(double x) {
    if (!(x >= 0x1p-600 && x <= 0x1p600)) return std::numeric_limits<double>::quiet_NaN();
    const double r0 = momentart_llvmlibc_cbrt(x);
    const ExactCube c = exactCube(r0);
    const double residual = (((x - c.q) - c.f) - c.g) - c.k;
    const double step = residual / (3 * c.square);
    const double correction = step - r0 * (kShortfall * momentart_llvmlibc_log(x));
    return roundedWithin({r0, correction}, r0 * 0x1p-90);
}

}  // namespace momentart::maths
