// x to the power y, correctly rounded, in double-double arithmetic; the few
// results it cannot decide come from the reference (MPFR).
#pragma once

namespace momentart::maths {

double correctlyRoundedPow(double x, double y);

}  // namespace momentart::maths
