// The powers the formulas take most, x^3 and x to the power 1/3 rounded to
// a double, correctly rounded and quickly. Each returns NaN outside its range
// and in the rare cases it cannot decide, which the general power then
// decides. Both need a processor with AVX and fused multiply-adds.
#pragma once

namespace momentart::maths {

// 1/3 rounded to a double.
inline constexpr double kNearestThird = 1.0 / 3;

// x^3 for |x| in [2^-300, 2^300].
double cube(double x);

// x^kNearestThird for x in [2^-600, 2^600]; uses LLVM's C library.
double nearestThirdPower(double x);

}  // namespace momentart::maths
