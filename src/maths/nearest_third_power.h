// x to the power 1/3 rounded to a double, the one power the formulas take,
// correctly rounded and quickly.
#pragma once

namespace momentart::maths {

// 1/3 rounded to a double.
inline constexpr double kNearestThird = 1.0 / 3;

// x^kNearestThird, correctly rounded; NaN outside [2^-600, 2^600] and in the
// rare cases it cannot decide, which the general power then decides. Uses
// LLVM's C library and fused multiply-adds, so needs a processor with AVX
// and FMA.
double nearestThirdPower(double x);

}  // namespace momentart::maths
