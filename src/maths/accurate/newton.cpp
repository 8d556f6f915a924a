// Newton's iterations on the mantissa m in [1/4, 1) of the argument, from a
// double's estimate (within 2^-52: one correctly rounded division or square
// root of m, exact in a double).
//
// Reciprocal: y' = y + y (1 - m y). With d = 1 - m y, exactly d' = d^2.
// Computed: m y errs by eps |m y| ~ eps; 1 - m y then cancels exactly into
// a number of size |d|, whose own truncation is eps |d|; y (1 - m y) and
// the last sum add eps |d| and eps: so |d'| < d^2 + 2.1 eps. From
// |d0| <= 2^-52 the steps reach 2^(-52 2^k) + 2.1 eps (1 + ...); one more
// step than 52 2^k >= 32n + 4 needs leaves |d| < 2.2 eps, and the
// reciprocal errs by below 3 eps. A quotient a (1/b) adds one product: 5 eps.
//
// Inverse square root: y' = y + y (1 - m y^2) / 2. With d = 1 - m y^2,
// exactly d' = (3/4) d^2 + d^3/4 and the roundings add below 3.2 eps, so
// the same schedule leaves |d| < 3.3 eps; sqrt = m y errs by d/2 + eps,
// below 3 eps.
#include "maths/accurate/newton.h"

#include <cmath>

namespace momentart::maths::accurate {

namespace {

// How many steps take an error of 2^-52 below the working precision's,
// and one more.
int steps(int limbs) {
    int k = 0;
    for (int bits = 52; bits < 32 * limbs + 4; bits *= 2) ++k;
    return k + 1;
}

// |b| as m 2^e with m in [1/2, 1).
Real mantissa(const Real& b) { return b.abs().scaled(-b.exponent()); }

}  // namespace

Real reciprocal(const Real& b) {
    const int n = b.limbs();
    const Real m = mantissa(b);
    const Real one = Real::fromInteger(1, 0, n);
    Real y = Real::fromDouble(1 / m.approximate(), n);
    for (int k = steps(n); k > 0; --k) y = y + y * (one - m * y);
    y = y.scaled(-b.exponent());
    return b.isNegative() ? -y : y;
}

Real quotient(const Real& a, const Real& b) { return a * reciprocal(b); }

Real squareRoot(const Real& b) {
    const int n = b.limbs();
    // An even exponent: m in [1/4, 1).
    const std::int64_t e = b.exponent() + (b.exponent() & 1);
    const Real m = b.scaled(-e);
    const Real one = Real::fromInteger(1, 0, n);
    Real y = Real::fromDouble(1 / std::sqrt(m.approximate()), n);
    for (int k = steps(n); k > 0; --k) y = y + (y * (one - m * (y * y))).scaled(-1);
    return (m * y).scaled(e / 2);
}

}  // namespace momentart::maths::accurate
