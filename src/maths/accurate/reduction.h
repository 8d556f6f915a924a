// x reduced by multiples of pi/2: x = q pi/2 + r with |r| <= pi/4 (a little
// more), exact for every double, from the bits of 2/pi.
#pragma once

#include "maths/accurate/ziv.h"

namespace momentart::maths::accurate {

struct Reduced {
    int quadrant;  // q mod 4
    Approximation r;
};

// x finite.
Reduced reducedByHalfPi(double x, int limbs);

}  // namespace momentart::maths::accurate
