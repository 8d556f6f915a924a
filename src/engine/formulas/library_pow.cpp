#include "engine/formulas/library_pow.h"

#include <cmath>

namespace momentart {

// The exponent is a run-time value here, so the call stays a call.
double libraryPow(double base, double exponent) { return std::pow(base, exponent); }

}  // namespace momentart
