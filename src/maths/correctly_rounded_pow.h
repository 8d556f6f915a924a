// x to the power y, correctly rounded, in double-double arithmetic; the few
// results it cannot decide come from the reference (MPFR).
#pragma once

namespace momentart::maths {

double correctlyRoundedPow(double x, double y);

// The exponent the formulas use: 1/3 rounded to a double.
inline constexpr double kNearestThird = 1.0 / 3;

// x^kNearestThird, correctly rounded, quickly; NaN outside [2^-600, 2^600]
// and in the rare cases it cannot decide. Uses LLVM's C library, so needs a
// processor with AVX and fused multiply-adds.
double nearestThirdPower(double x);

}  // namespace momentart::maths
