// Reciprocals, quotients and square roots of multi-precision numbers by
// Newton's iteration, which needs only products and sums (newton.cpp gives
// their error bounds in eps(n) = 2^(2 - 32n)).
#pragma once

#include "maths/accurate/real.h"

namespace momentart::maths::accurate {

Real reciprocal(const Real& b);                 // b != 0; within 3 eps
Real quotient(const Real& a, const Real& b);   // b != 0; within 5 eps
Real squareRoot(const Real& b);                 // b > 0; within 3 eps

}  // namespace momentart::maths::accurate
