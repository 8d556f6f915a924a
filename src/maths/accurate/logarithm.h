// The natural logarithm of a positive double as a multi-precision number,
// for log itself and for pow.
#pragma once

#include "maths/accurate/ziv.h"

namespace momentart::maths::accurate {

// x finite, positive and not 1.
Approximation logarithm(double x, int limbs);

}  // namespace momentart::maths::accurate
