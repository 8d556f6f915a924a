// atan x, correctly rounded: a quick evaluation in double-double arithmetic
// with a bound on its error decides all but about one call in two hundred
// (Ziv's rounding test); the accurate path (maths/accurate.h), correctly
// rounded but slower, decides the rest.
//
// Error analysis (u = 2^-53), for a = |x| in [2^-27, 2^1000].
//
// Reduction. For a < 1, v = a (vl = 0); for a >= 8, atan a = pi/2 - atan v
// with v = 1/a = vh + vl: vh = 1/a rounded, vl = (1 - vh a) vh, where
// 1 - vh a is exact (a fused multiply-add) and vl errs by below 2^-104 v.
// The cell i = nearest(128 vh), c = i/128, h = (vh - c) + vl: vh - c is
// exact (Sterbenz: vh >= c/2 from cell 1 on), so h errs by vl's error only,
// and |vh - c| <= 2^-8. Between 1 and 8, where nearly half the angles'
// quotients fall, a itself goes to cells of 64 to a binade, without a
// division (below).
//
// atan(c + h) = A0 + A1 h + h^2 (A2 + A3 h + ... + A8 h^6), the Taylor
// series at c, computed with MPFR when the program is built
// (tools/maths_tables.cpp): A0 = atan c (and pi/2 - atan c, for a >= 8)
// and A1 = 1/(1 + c^2) as double-doubles, A2..A8 as doubles. |A_k| <=
// (1 + c^2)^(-k/2) / k, so the truncation is below 2^-72 / 9 absolute, and
// atan(c + h) >= 2^-8 in cells 1 to 128: relative below 2^-67. In cell 0
// the even terms vanish and the truncation, below h^9 / 9, is relative
// below 2^-67 as well.
//
// Evaluation. A1 h: an exact product of A1's head and vh - c, and the small
// parts A1 vl and A1's tail times h. The sum of A0's head and that exact
// product is exact (a two-sum); the tails are added first, each below 2^-52
// of the result, with errors below 2^-104 of it. The polynomial part
// P = h^2 Q: Q in doubles (Estrin's scheme) at vh - c (the neglected vl
// changes it by below 2^-53 |A3|), within 2^-50 of itself (its terms do not
// cancel: |A3 h| <= |A2| / 4 from cell 1 on, A2 = 0 in cell 0); h^2 as an
// exact product plus 2 (vh - c) vl. |P| is at most 2^-15 of the result
// (cell 1: |A2| h^2 <= 2^-23 against atan(c + h) >= 2^-8; cell 0: h^2 / 3),
// so P and the last additions err by below 2^-64.5 of the result, and the
// total, truncation included, by below 2^-64; B = 2^-62 Rh leaves a factor
// 4 to spare. For a >= 8 the same terms with the opposite sign are added to
// pi/2 - atan c >= pi/4 (so its head still outweighs A1 h): the result is
// at least pi/4 and atan v at most pi/4, so the absolute error above, below
// 2^-64 pi/4, is relative below 2^-64 as well.
//
// Between 1 and 8: the cell's midpoint c has a's exponent and first six
// fraction bits, then a one; h = a - c is exact (Sterbenz) and |h| <= c /
// 128. The series at c is the same; |A_k h^k| <= (h / c)^k / k, so the
// truncation is below 2^-63 / 9, relative to the result (above pi/4) below
// 2^-66; |P| <= |A2| h^2 <= 2^-14, so P errs by below 2^-65.5 of the
// result, and the total stays below 2^-64.
//
// Outside [2^-27, 2^1000]: below, atan x = x - x^3/3 + ... rounds to x (x^2/3
// < 2^-55.5 of x, below half a unit even at a power of 2); above, infinite
// and NaN, the accurate path.
#include "maths/correctly_rounded_atan.h"

#include <cmath>

#include "maths/accurate.h"
#include "maths/atan_cells.h"
#include "maths/double_double.h"
#include "maths/quick_evaluation.h"

namespace momentart::maths {

namespace {

using atan_cells::Cell;
using atan_cells::kInnerCells;

// The series of every cell, computed with MPFR when the program was built.
constexpr atan_cells::Table kTable =
#include "maths/atan_table.inc"
    ;

// base + sign (A1 (h + vl) + A2 h^2 + ... + A8 h^8) from the cell's
// series, as a double-double: the cell's atan(c + h + vl) when base is its
// A0 and sign 1; pi/2 minus it when base is pi/2 - A0 and sign -1.
[[gnu::always_inline]] MOMENTART_WITH_FMA inline DoubleDouble series(const Cell& cell, const DoubleDouble& base,
                                                                     double sign, double h, double vl) {
    const double* a = cell.higher;  // A2 .. A8
    const double h2 = h * h, h4 = h2 * h2;
    const double q = __builtin_fma(h2, __builtin_fma(a[3], h, a[2]), __builtin_fma(a[1], h, a[0])) +
                     h4 * __builtin_fma(h2, a[6], __builtin_fma(a[5], h, a[4]));
    const DoubleDouble linear = fusedProduct(sign * cell.a1.hi, h);
    const DoubleDouble head = fastTwoSum(base.hi, linear.hi);
    const DoubleDouble square = fusedProduct(h, h);
    const double small = head.lo + base.lo + linear.lo + sign * (cell.a1.hi * vl + cell.a1.lo * h);
    const double polynomial = sign * (square.hi * q + (square.lo + 2 * h * vl) * q);
    return {head.hi, small + polynomial};
}

// R rounded, if R's error bound B = 2^-62 R decides it; otherwise NaN.
inline double rounded(DoubleDouble r) { return roundedWithin(r, r.hi * 0x1p-62); }

// The cell of width 1/128 that holds v in [0, 1], and v - c, exact.
struct InnerCell {
    int i;
    double h;
};
[[gnu::always_inline]] MOMENTART_WITH_FMA inline InnerCell innerCell(double v) {
    constexpr double kShift = 0x1.8p52;  // adding it rounds to a whole number
    const double c128 = __builtin_fma(v, kInnerCells, kShift) - kShift;  // 128 c
    return {static_cast<int>(c128), __builtin_fma(c128, -1.0 / kInnerCells, v)};
}

[[gnu::always_inline]] MOMENTART_WITH_FMA inline double quickAtan(double a) {
    if (a < 1) {
        const InnerCell cell = innerCell(a);
        return rounded(series(kTable.inner[cell.i], kTable.inner[cell.i].a0, 1, cell.h, 0));
    }
    if (a < 1 << atan_cells::kOuterBinades) {
        const Cell& cell = kTable.outer[atan_cells::outerCell(a)];
        return rounded(series(cell, cell.a0, 1, a - atan_cells::outerMidpoint(a), 0));
    }
    const double vh = 1 / a;
    const double vl = __builtin_fma(-vh, a, 1.0) * vh;
    const InnerCell cell = innerCell(vh);
    return rounded(series(kTable.inner[cell.i], kTable.complement[cell.i], -1, cell.h, vl));
}

}  // namespace

MOMENTART_WITH_FMA double correctlyRoundedAtan(double x) {
    const double a = std::fabs(x);
    if (a < 0x1p-27) return x;
    if (!(a <= 0x1p1000)) return accurate::atan(x);
    const double magnitude = quickAtan(a);
    if (std::isnan(magnitude)) return accurate::atan(x);
    return x < 0 ? -magnitude : magnitude;
}

}  // namespace momentart::maths
