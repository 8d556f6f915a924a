// log x, correctly rounded for every double x.
//
// Exact cases first: log 1 = 0, log 0 = -inf, log inf = inf, and NaN for
// x < 0 or NaN. Every other x is a positive double other than 1, so log x
// is transcendental (were it algebraic, x = e^(log x) would not be, by
// Lindemann): never a double nor a midpoint between two, and Ziv's loop
// ends as soon as the precision outgrows the distance.
//
// Error analysis (n limbs, eps = 2^(2 - 32n), real.h). x = 2^e m with m in
// [sqrt(1/2), sqrt 2): m - 1 is exact (Sterbenz) and m + 1 exact in n >= 2
// limbs; z = (m - 1)/(m + 1) within 5 eps (newton.h), |z| <= 0.1716.
// log m = 2 atanh z = 2 (z + z^3/3 + z^5/5 + ...): z^2 within 11 eps, the
// k-th power within (5 + 12k) eps and its term one eps more; the terms
// have one sign, so the sum errs by at most its largest relative error plus
// one eps a term. The series stops when a power falls below 2^(-32n - 4)
// |z|: the rest, below 1.04 times it, is below eps/64 of the sum. With at
// most (32n + 6)/5.08 <= 153 terms, log m errs by below 2^11 eps. e ln 2:
// ln 2 truncated (eps) times |e| (eps). For e != 0, |e ln 2| >= 0.693 >
// 2 |log m|, so the sum is at least half of either part and errs by below
// 2^12.1 eps + eps = 2^(14.2 - 32n): errorBits 16.
#include "maths/accurate.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "maths/accurate/calls.h"
#include "maths/accurate/constant_values.h"
#include "maths/accurate/logarithm.h"
#include "maths/accurate/newton.h"

namespace momentart::maths::accurate {

Approximation logarithm(double x, int limbs) {
    const Real one = Real::fromInteger(1, 0, limbs);
    int e = 0;
    if (x < 0x1p-1022) {  // subnormal: into the normal range, exactly
        x *= 0x1p64;
        e = -64;
    }
    const auto bits = std::bit_cast<std::uint64_t>(x);
    e += static_cast<int>(bits >> 52) - 1023;
    double m = std::bit_cast<double>((bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1023} << 52));
    if (m > 1.4142135623730951) {  // any bound near sqrt 2 serves
        m *= 0.5;
        ++e;
    }
    Real sum(limbs);
    if (m != 1) {
        const Real z = quotient(Real::fromDouble(m - 1, limbs), Real::fromDouble(m, limbs) + one);
        const Real z2 = z * z;
        const std::int64_t last = z.exponent() - 32 * limbs - 4;
        sum = z;
        Real power = z;
        for (std::uint32_t k = 1; power.exponent() >= last; ++k) {
            power = power * z2;
            sum = sum + power.dividedBy(2 * k + 1);
        }
        sum = sum.scaled(1);
    }
    if (e != 0) {
        const Real ln2 = Real::fromLimbs(kConstants.ln2, kConstantLimbs, 0, limbs);
        const Real scaled = ln2.times(static_cast<std::uint32_t>(e < 0 ? -e : e));
        sum = sum + (e < 0 ? -scaled : scaled);
    }
    return {sum, 16};
}

double log(double x) {
    counted(gCounters.log);
    if (std::isnan(x)) return x;
    if (x < 0) return std::numeric_limits<double>::quiet_NaN();
    if (x == 0) return -HUGE_VAL;
    if (std::isinf(x)) return x;
    if (x == 1) return 0.0;
    return untilDecided([x](int limbs) { return logarithm(x, limbs); });
}

}  // namespace momentart::maths::accurate
