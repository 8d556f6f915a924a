// x^y = exp(y log x), correctly rounded.
//
// log x and exp are evaluated to a relative error far below a double's half
// unit, 2^-54. The result R = Rh + Rl then comes with a bound B on its
// error; when Rh + Rl - B and Rh + Rl + B round to the same double, so does
// the exact x^y, and that double is the answer (Ziv's rounding test). A
// quick evaluation (about 2^-64) decides all but about one call in a
// thousand; an accurate one in double-double arithmetic (about 2^-74)
// decides those but about one in 2^18 of them, and results exactly halfway
// between two doubles; the accurate path (maths/accurate.h) decides the rest.
//
// Error analysis (u = 2^-53; each double-double operation is within a
// relative 2^-100, see double_double.h).
//
// Reduction of log x. x = 2^e m, m in [1, 2). The top 8 bits of m's
// fraction pick a cell i of width 2^-8 and its c, a 12-bit approximation
// of 1/m (c = 1 in cell 0, c = 1/2 in cell 255, so that nothing cancels
// near x = 1). Then log x = e' ln 2 + T + log1p(r), where r = m c - 1 and,
// in the cells with m >= sqrt 2, e' = e + 1 and T = -log(2c); elsewhere
// e' = e and T = -log c.
//  - r is exact: m with its low 12 fraction bits cleared, times c, has at
//    most 53 bits, and minus 1 is exact (Sterbenz); the cleared bits times
//    c have at most 24; their two-sum is r = rh + rl exactly. |r| < 2^-8
//    (cell 0), otherwise below 2^-9 + 2^-12 < 2^-8.8, and |rl| < 2^-61.
//  - T (from MPFR) and ln 2 are held as a multiple of 2^-42 plus a double:
//    e' ln2_hi + T_hi (|e'| <= 1075) is exact, and the rest errs by less
//    than 2^-85 in all.
//  - In cells 0 and 255 with e' = 0, log x is log1p(r) itself; elsewhere
//    |log x| >= 2^-8 and |T| >= 2^-8 > |r|.
//
// Quick log: H + L with H = e' ln2_hi + T_hi + rh - rh^2/2 by exact
// two-sums (rh^2 by an exact product), and in L their errors, the low
// parts and r^3 (1/3 - r/4 + ... + r^6/9) (truncation below 2^-75 |r|).
// L is at most 2^-25.5 |log x|-ish (r^3/3 and units of H): its seven
// roundings and the tail's own stay below 2^-75.5 absolute where |log x| >=
// 2^-8, and scale with r in cells 0 and 255: relative error below 2^-67.
// Quick exp: t = y (H + L) by an exact product, error 2^-67 |t| + 2^-104
// |t|; the reduction below; exp r = (1 + rh) + (rh^2/2 + rh^3 (1/6 + ... +
// rh^3/720) + rl (1 + rh)), truncation 2^-71.8, the low sum's roundings
// below 2^-70 (it is at most 2^-17.9); times 2^(j/128) by an exact product
// and a low part rounded at most twice more at 2^-17.9: 2^-69. So the quick
// R errs by less than (2^-66.9 |t| + 2^-67) R: B = (2^-64 |t| + 2^-64) Rh.
//
// Accurate log: in double-double, log1p(r) = r - r^2/2 + r^3/3 - r^4/4 +
// ... up to r^10: r^2/2 and r^3/3 in double-double, the tail r^4 (-1/4 +
// r/5 - ...) in doubles. Truncation below 2^-83 |r|; the tail (at most
// 2^-25.9 |r|) carries a relative error below 2^-50.4, so below 2^-76.3 |r|;
// rl enters as rl (1 - rh + rh^2), error below 2^-88 |r|. Relative error
// below 2^-76 in cells 0 and 255, and where |log x| >= 2^-8 (every error
// above below 2^-84 absolute) as well. t = y log x: error 2^-104 |t| more,
// so |t - y log x| < 2^-75.9 |t|.
//
// Reduction of exp t. k = nearest(t 128 / ln 2), t = k ln2 / 128 + r,
// |r| <= 2^-8.5, exp t = 2^(k >> 7) 2^((k & 127) / 128) exp r. ln2/128 is
// held as a 36-bit double (|k| < 2^17, so k times it is exact and t_hi
// minus it is exact by Sterbenz) plus a double: errors below 2^-78 absolute
// in r. 2^(j/128) from MPFR as a double-double: 2^-106.
//
// Accurate exp: expm1 r = r + r^2/2 + r^3 (1/6 + r/24 + ... + r^4/5040):
// r^2/2 in double-double, the rest in doubles, error below 2^-80;
// truncation below 2^-83. So exp r 2^(j/128) within a relative 2^-77 of
// exp of the reduced t, and |R - x^y / 2^(k >> 7)| < (2^-75.9 |t| + 2^-77)
// R: B = (2^-74 |t| + 2^-74) Rh.
//
// |t| <= 709 is checked first, so 2^(k >> 7) times the rounded R is a
// normal double and the scaling is exact; outside, the result overflows,
// underflows or is near either, and is decided accordingly or by the
// accurate path.
#include "maths/correctly_rounded_pow.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "maths/accurate.h"
#include "maths/double_double.h"
#include "maths/pow_table.h"
#include "maths/pow_fixed_results.h"
#include "maths/quick_evaluation.h"

namespace momentart::maths {

namespace {

constexpr double kUndecided = std::numeric_limits<double>::quiet_NaN();
using pow_table::kExpCells;
using pow_table::kFirstHalvedCell;
using Tables = pow_table::Table;

// Computed with MPFR when the program was built.
constexpr Tables kTables =
#include "maths/pow_table.inc"
    ;

std::uint64_t bitsOf(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

double fromBits(std::uint64_t bits) {
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

// log x = scale ln 2 + T[cell] + log1p(r), r exact.
struct LogReduction {
    double scale;  // e'
    int cell;
    DoubleDouble r;
};

LogReduction reduceLog(double a, const Tables& t) {
    int e = 0;
    if (a < 0x1p-1022) {  // subnormal: bring it into the normal range
        a *= 0x1p64;
        e = -64;
    }
    const std::uint64_t bits = bitsOf(a);
    e += static_cast<int>(bits >> 52) - 1023;
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    const int cell = static_cast<int>(fraction >> 44);
    const double m = fromBits(fraction | (std::uint64_t{1023} << 52));
    const double mHigh = fromBits(bitsOf(m) & ~std::uint64_t{0xfff});
    const double c = t.c[cell];
    return {static_cast<double>(e + (cell >= kFirstHalvedCell ? 1 : 0)), cell,
            twoSum(mHigh * c - 1, (m - mHigh) * c)};
}

// exp t = 2^exponent 2^(j/128) exp r.
struct ExpReduction {
    int exponent, j;
    DoubleDouble r;
};

ExpReduction reduceExp(DoubleDouble t, const Tables& tb) {
    constexpr double kShift = 0x1.8p52;  // adding it rounds to a whole number
    const double kd = (t.hi * (kExpCells / 0.6931471805599453) + kShift) - kShift;
    const int k = static_cast<int>(kd);
    const int j = k & (kExpCells - 1);
    return {(k - j) / kExpCells, j, twoSum(t.hi - kd * tb.ln2By128Hi, t.lo - kd * tb.ln2By128Lo)};
}

// y log x as a double-double t, from log x as a double-double.
DoubleDouble timesY(double y, DoubleDouble log) {
    const DoubleDouble p = twoProduct(y, log.hi);
    return fastTwoSum(p.hi, p.lo + y * log.lo);
}

// The quick log: H + L.
DoubleDouble quickLog(const LogReduction& reduced, const Tables& t) {
    const double rh = reduced.r.hi, rl = reduced.r.lo;
    const DoubleDouble& minusLogC = t.minusLogC[reduced.cell];
    const DoubleDouble head = fastTwoSum(reduced.scale * t.ln2Hi + minusLogC.hi, rh);
    const DoubleDouble square = twoProduct(rh, rh);
    const DoubleDouble h = twoSum(head.hi, -0.5 * square.hi);
    const double tail =
        rh * square.hi *
        (1.0 / 3 + rh * (-0.25 + rh * (0.2 + rh * (-1.0 / 6 + rh * (1.0 / 7 + rh * (-0.125 + rh / 9))))));
    const double low = head.lo + h.lo + minusLogC.lo + reduced.scale * t.ln2Lo + rl * (1 - rh) -
                       0.5 * square.lo + tail;
    return {h.hi, low};
}

// The quick exp of the reduced t: Rh + Rl.
DoubleDouble quickExp(const ExpReduction& reduced, const Tables& t) {
    const double rh = reduced.r.hi, rl = reduced.r.lo;
    const DoubleDouble head = fastTwoSum(1.0, rh);
    const double tail = rh * rh * rh * (1.0 / 6 + rh * (1.0 / 24 + rh * (1.0 / 120 + rh / 720)));
    const double low = head.lo + rl * (1 + rh) + 0.5 * rh * rh + tail;
    const DoubleDouble& power = t.exp2[reduced.j];
    const DoubleDouble p = twoProduct(power.hi, head.hi);
    return fastTwoSum(p.hi, p.lo + (power.hi * low + power.lo * head.hi));
}

// log1p(rh + rl) for the exact r = rh + rl of a cell, in double-double.
DoubleDouble accurateLog1p(double rh, double rl, const Tables& t) {
    const DoubleDouble square = twoProduct(rh, rh);
    const DoubleDouble cubeThird = (square * rh) * t.third;
    const double tail =
        square.hi * square.hi *
        (-0.25 + rh * (0.2 + rh * (-1.0 / 6 + rh * (1.0 / 7 + rh * (-0.125 + rh * (1.0 / 9 - rh * 0.1))))));
    const DoubleDouble halfSquare{-0.5 * square.hi, -0.5 * square.lo};
    return DoubleDouble{rh, 0} + (halfSquare + (cubeThird + DoubleDouble{tail + rl * (1 - rh + rh * rh), 0}));
}

DoubleDouble accurateLog(const LogReduction& reduced, const Tables& t) {
    const DoubleDouble scaledLn2 = fastTwoSum(reduced.scale * t.ln2Hi, reduced.scale * t.ln2Lo);
    return (scaledLn2 + t.minusLogC[reduced.cell]) + accurateLog1p(reduced.r.hi, reduced.r.lo, t);
}

DoubleDouble accurateExp(const ExpReduction& reduced, const Tables& t) {
    const DoubleDouble& r = reduced.r;
    const DoubleDouble square = twoProduct(r.hi, r.hi);
    const DoubleDouble halfSquare{0.5 * square.hi, 0.5 * (square.lo + 2 * r.hi * r.lo)};
    const double tail = r.hi * square.hi *
                        (1.0 / 6 + r.hi * (1.0 / 24 + r.hi * (1.0 / 120 + r.hi * (1.0 / 720 + r.hi / 5040))));
    const DoubleDouble expm1 = r + (halfSquare + DoubleDouble{tail, 0});
    return t.exp2[reduced.j] * (DoubleDouble{1, 0} + expm1);
}

// 2^exponent times the double Rh + Rl rounds to, if every value within
// `relativeBound` Rh of it rounds alike; otherwise NaN.
double rounded(DoubleDouble r, double relativeBound, int exponent) {
    const double decided = roundedWithin(r, r.hi * relativeBound);
    return decided * fromBits(static_cast<std::uint64_t>(exponent + 1023) << 52);  // NaN stays NaN
}


// |x|^y for finite x != 0, |x| != 1 and finite y != 0; NaN when undecided.
double magnitudePower(double a, double y) {
    if (std::fabs(y) > 0x1p64) return (a > 1) == (y > 0) ? HUGE_VAL : 0.0;  // |t| > 2^11
    const Tables& tb = kTables;
    const LogReduction log = reduceLog(a, tb);
    const DoubleDouble t = timesY(y, quickLog(log, tb));
    if (std::fabs(t.hi) < 0x1p-60) return 1.0;  // within 2^-59 of 1
    if (t.hi > 710) return HUGE_VAL;            // above e^709.99 > the largest double
    if (t.hi < -746) return 0.0;                // below half the smallest subnormal, e^-745.13
    if (t.hi > 709 || t.hi < -708) return kUndecided;  // near overflow or subnormal
    const ExpReduction exp = reduceExp(t, tb);
    const double quick = rounded(quickExp(exp, tb), std::fabs(t.hi) * 0x1p-64 + 0x1p-64, exp.exponent);
    if (!std::isnan(quick)) return quick;
    const DoubleDouble accurateT = timesY(y, accurateLog(log, tb));
    const ExpReduction accurate = reduceExp(accurateT, tb);
    return rounded(accurateExp(accurate, tb), std::fabs(accurateT.hi) * 0x1p-74 + 0x1p-74, accurate.exponent);
}

}  // namespace

double correctlyRoundedPow(double x, double y) {
    double fixed = 0;
    if (powFixedResult(x, y, fixed)) return fixed;
    // Exact or correctly rounded by one operation.
    if (y == 1) return x;
    if (y == 2) return x * x;
    if (y == -1) return 1 / x;
    if (y == 0.5 && x > 0) return std::sqrt(x);
    const double magnitude = std::fabs(x) == 1 ? 1.0 : magnitudePower(std::fabs(x), y);
    if (std::isnan(magnitude)) return accurate::pow(x, y);
    return x < 0 && isOdd(y) ? -magnitude : magnitude;
}

}  // namespace momentart::maths
