// Ziv's strategy: evaluate at a working precision, and if the error bound
// does not decide the rounding, again at a higher one.
#pragma once

#include "maths/accurate/real.h"

namespace momentart::maths::accurate {

// A value and a bound on its relative error: below 2^(errorBits - 32n)
// for n limbs.
struct Approximation {
    Real value;
    int errorBits;
};

// The working precisions, in limbs: 128 bits decide all but about one
// value in 2^(75 - errorBits); the last, 768 bits, is far beyond the
// closest approach to a midpoint known for these functions (about 2^-120
// relative).
inline constexpr int kSchedule[] = {4, 8, 16, kMaxLimbs};

// The value rounded to the nearest double, if every value within its error
// bound rounds alike; `decided` tells.
double roundedWithin(const Approximation& a, bool& decided);

// The correctly rounded double of the exact value `evaluate` approximates
// (it must be neither a double nor a midpoint between two, unless an
// approximation is exact, errorBits < -32n).
template <class Evaluate>
double untilDecided(Evaluate evaluate) {
    double result = 0;
    for (const int limbs : kSchedule) {
        bool decided = false;
        result = roundedWithin(evaluate(limbs), decided);
        if (decided) break;
    }
    return result;  // at 768 bits, the nearest to the best approximation
}

}  // namespace momentart::maths::accurate
