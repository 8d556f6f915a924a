// atan x, correctly rounded for every double x.
//
// Exact cases first: atan(+-0) = +-0, NaN stays NaN; atan(+-inf) = +-pi/2
// rounded. For any other x, atan x is transcendental (tan of a nonzero
// algebraic number is, by Lindemann), never a double nor a midpoint, so
// Ziv's loop ends; so is pi/2.
//
// Error analysis (n limbs, eps = 2^(2 - 32n)). a = |x|; v = a, exact, or
// for a > 1 v = 1/a within 3 eps (newton.h), with atan a = pi/2 - atan v.
// Two halvings y' = y / (1 + sqrt(1 + y^2)) (atan y = 2 atan y') bring v
// <= 1 below tan(pi/16) < 0.199. A halving's relative sensitivity to its
// input is below 1, and its own operations (square, two sums of positive
// terms, root within 3 eps, quotient within 5 eps) add below 11 eps: y
// errs by below 3 eps + 2 * 11 eps = 25 eps. atan y = y - y^3/3 + ...:
// the sensitivity to y is below 1; the k-th power errs by 2k eps and its
// term one more, weighted by the terms' fast fall (y^2 < 0.04) to below
// 1.2 eps |y|; at most 170 partial sums (4.6 bits a term) add eps |y|
// each; against atan y >= 0.987 |y|, below 200 eps; times 4, exactly. For
// a > 1 the difference from pi/2 (pi/4's eps) is at least pi/4, while atan
// v <= pi/4: below 2^8 eps = 2^(10 - 32n) in all: errorBits 12. The series
// stops when a power falls below 2^(-32n - 8) |y|, the rest below eps/1000.
#include <cmath>

#include "maths/accurate.h"
#include "maths/accurate/calls.h"
#include "maths/accurate/constant_values.h"
#include "maths/accurate/newton.h"
#include "maths/accurate/ziv.h"

namespace momentart::maths::accurate {

namespace {

Real halfPi(int limbs) { return Real::fromLimbs(kConstants.piOverFour, kConstantLimbs, 1, limbs); }

// atan a for a finite a > 0.
Approximation magnitude(double a, int limbs) {
    const Real one = Real::fromInteger(1, 0, limbs);
    Real y = Real::fromDouble(a, limbs);
    if (a > 1) y = reciprocal(y);
    for (int k = 0; k < 2; ++k) y = quotient(y, one + squareRoot(one + y * y));
    const Real y2 = y * y;
    const std::int64_t last = y.exponent() - 32 * limbs - 8;
    Real sum = y, power = y;
    for (std::uint32_t j = 3; power.exponent() >= last; j += 2) {
        power = -(power * y2);
        sum = sum + power.dividedBy(j);
    }
    sum = sum.scaled(2);
    return {a > 1 ? halfPi(limbs) - sum : sum, 12};
}

}  // namespace

double atan(double x) {
    counted(gCounters.atan);
    if (std::isnan(x) || x == 0) return x;
    const double a = std::fabs(x);
    const double result = std::isinf(a) ? untilDecided([](int limbs) { return Approximation{halfPi(limbs), 4}; })
                                        : untilDecided([a](int limbs) { return magnitude(a, limbs); });
    return x < 0 ? -result : result;
}

}  // namespace momentart::maths::accurate
