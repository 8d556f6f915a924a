// What the quick evaluations (atan, the general power, the quick powers)
// share: products made exact by fused multiply-adds, and Ziv's rounding test
// that proves their result or hands the call on.
#pragma once

#include <limits>

#include "maths/double_double.h"

// Compiles a function with fused multiply-adds; it may run only where the
// processor has them (correctly_rounded.cpp checks before calling).
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define MOMENTART_WITH_FMA __attribute__((target("fma")))
#else
#define MOMENTART_WITH_FMA
#endif

namespace momentart::maths {

// a * b exactly, by a fused multiply-add.
[[gnu::always_inline]] MOMENTART_WITH_FMA inline DoubleDouble fusedProduct(double a, double b) {
    const double p = a * b;
    return {p, __builtin_fma(a, b, -p)};
}

// The double R = Rh + Rl rounds to, if every value within `bound` of R
// rounds alike, so that the exact result, known to lie that near, rounds to
// it too; otherwise NaN (undecided).
inline double roundedWithin(DoubleDouble r, double bound) {
    const double below = r.hi + (r.lo - bound);
    const double above = r.hi + (r.lo + bound);
    return below == above ? below : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace momentart::maths
