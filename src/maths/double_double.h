// Double-double arithmetic: a number held as the unevaluated sum hi + lo of
// two doubles, about 106 bits. The error-free transformations below rely on
// every operation being rounded on its own, to nearest (no fused
// multiply-add, no excess precision: the checks below and the build's
// -ffp-contract=off), and on no intermediate result overflowing or falling
// below 2^-969.
#pragma once

#include <cfloat>

#ifdef __FAST_MATH__
#error "momentart's maths must not be built with -ffast-math: double-double arithmetic needs every rounding"
#endif
static_assert(FLT_EVAL_METHOD == 0, "momentart's maths needs every double operation rounded to double");

namespace momentart::maths {

struct DoubleDouble {
    double hi = 0, lo = 0;  // the value hi + lo, |lo| <= ulp(hi) / 2 when normalised
};

// a + b exactly (Knuth's two-sum).
inline DoubleDouble twoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// a + b exactly, for |a| >= |b| or a = 0 (Dekker's fast two-sum).
inline DoubleDouble fastTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// a cut into a high half of 26 bits and the rest (Veltkamp).
inline DoubleDouble split(double a) {
    const double t = 134217729.0 * a;  // 2^27 + 1
    const double hi = t - (t - a);
    return {hi, a - hi};
}

// a * b exactly (Dekker's two-product, for |a|, |b| below 2^995).
inline DoubleDouble twoProduct(double a, double b) {
    const double p = a * b;
    const DoubleDouble as = split(a), bs = split(b);
    return {p, ((as.hi * bs.hi - p) + as.hi * bs.lo + as.lo * bs.hi) + as.lo * bs.lo};
}

// The three operations below are Joldes, Muller and Popescu's (2017), with
// their proven relative error bounds, u = 2^-53; each is below 2^-102.

// a + b, relative error below 3u^2 + 13u^3, also when the two cancel.
inline DoubleDouble operator+(DoubleDouble a, DoubleDouble b) {
    const DoubleDouble s = twoSum(a.hi, b.hi);
    const DoubleDouble t = twoSum(a.lo, b.lo);
    const DoubleDouble u = fastTwoSum(s.hi, s.lo + t.hi);
    return fastTwoSum(u.hi, u.lo + t.lo);
}

// a * b, relative error below 7u^2.
inline DoubleDouble operator*(DoubleDouble a, DoubleDouble b) {
    const DoubleDouble p = twoProduct(a.hi, b.hi);
    return fastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

// a * b for a double b, relative error below 3u^2 + O(u^3) (their 2u^2
// and one more rounding, of a.lo * b, without a fused multiply-add).
inline DoubleDouble operator*(DoubleDouble a, double b) {
    const DoubleDouble p = twoProduct(a.hi, b);
    return fastTwoSum(p.hi, p.lo + a.lo * b);
}

}  // namespace momentart::maths
