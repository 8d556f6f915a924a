#include "library_math.h"

#include <cmath>

namespace momentart::library {

double sin(double v) { return std::sin(v); }
double cos(double v) { return std::cos(v); }
double tan(double v) { return std::tan(v); }
double atan(double v) { return std::atan(v); }
double log(double v) { return std::log(v); }
double sqrt(double v) { return std::sqrt(v); }
double pow(double base, double exponent) { return std::pow(base, exponent); }

}  // namespace momentart::library
