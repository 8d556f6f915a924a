// The inputs whose power the C library fixes outright (C99 Annex F), shared
// by the quick and the accurate pow: zeros, infinities, NaN, x = 1, y = 0 and
// a negative x with a y that is not whole (NaN).
#pragma once

#include <cmath>
#include <limits>

namespace momentart::maths {

inline bool isWhole(double v) { return v == std::trunc(v); }
// Halving is exact, so a whole v is odd when its half is not whole.
inline bool isOdd(double v) { return isWhole(v) && !isWhole(v * 0.5); }

// True, with x^y in `result`, if the C library fixes x^y for (x, y); false
// for finite x != 0 and |x| != 1 with finite y != 0 (whole if x < 0),
// and for x = -1 with a whole y.
inline bool powFixedResult(double x, double y, double& result) {
    if (y == 0 || x == 1) return result = 1.0, true;
    if (std::isnan(x) || std::isnan(y)) return result = x + y, true;
    if (x == 0 || std::isinf(x)) {
        const bool large = (x == 0) == (y < 0);
        const double magnitude = large ? HUGE_VAL : 0.0;
        return result = isOdd(y) && std::signbit(x) ? -magnitude : magnitude, true;
    }
    if (std::isinf(y)) {
        const double a = std::fabs(x);
        if (a == 1) return result = 1.0, true;
        return result = (a > 1) == (y > 0) ? HUGE_VAL : 0.0, true;
    }
    if (x < 0 && !isWhole(y)) return result = std::numeric_limits<double>::quiet_NaN(), true;
    return false;
}

}  // namespace momentart::maths
