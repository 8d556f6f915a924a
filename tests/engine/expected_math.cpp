#include "expected_math.h"

#include <cmath>

#include "maths/correctly_rounded.h"

namespace momentart::expected {

double sin(double v) { return maths::sin(v); }
double cos(double v) { return maths::cos(v); }
double tan(double v) { return maths::tan(v); }
double atan(double v) { return maths::atan(v); }
double log(double v) { return maths::log(v); }
double sqrt(double v) { return std::sqrt(v); }
double pow(double base, double exponent) { return maths::pow(base, exponent); }

}  // namespace momentart::expected
