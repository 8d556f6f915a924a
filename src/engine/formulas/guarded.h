// Guarded arithmetic for the formula bank and the colouring stage.
//
// A statement that hits a logarithm of a non-positive number, a square root of
// a negative number, a division by zero, a power that is not a real number, or
// any value beyond the double range must store nothing. Rather than testing
// the floating-point exception flags (costly), every guarded operation turns
// its failure into a NaN, NaN flows through the rest of the expression, and
// the statement stores its result only when it is finite (`stored`).
//
// An infinity is itself a failure (an overflow already happened), so the
// operations that could turn an infinite operand back into a finite value
// (division, power, arctangent) treat a non-finite operand as a failure.
//
// `Num` wraps a double so that a formula reads as it is written down:
// `x * x / r3 + y * y / r4` groups left to right exactly as written, and `/`
// is the guarded division.
#pragma once

#include <cmath>
#include <limits>

#include "engine/exact_arithmetic.h"
#include "engine/run_maths.h"

namespace momentart {

inline constexpr double kFail = std::numeric_limits<double>::quiet_NaN();

// True where |v| is a real number within the double range.
inline bool finite(double v) { return std::isfinite(v); }

// Stores `value` into `target` unless the statement failed.
inline void stored(double& target, double value) {
    if (finite(value)) target = value;
}

struct Num {
    double v;
    constexpr Num(double value) : v(value) {}  // NOLINT: implicit, so literals mix in
};

inline void stored(double& target, Num value) { stored(target, value.v); }

inline Num operator+(Num a, Num b) { return a.v + b.v; }
inline Num operator-(Num a, Num b) { return a.v - b.v; }
inline Num operator-(Num a) { return -a.v; }
inline Num operator*(Num a, Num b) { return a.v * b.v; }
inline Num operator/(Num a, Num b) {
    const double q = a.v / b.v;
    return (b.v != 0.0 && std::isfinite(b.v)) ? q : kFail;
}

// Guarded forms of the functions the formulas use, in the run's maths
// (run_maths.h); sqrt and fabs are exact everywhere.
inline Num ln(Num a) { return a.v > 0.0 ? runmaths::log(a.v) : kFail; }
inline Num sqrt(Num a) { return a.v >= 0.0 ? std::sqrt(a.v) : kFail; }
inline Num abs(Num a) { return std::fabs(a.v); }
inline Num sin(Num a) { return runmaths::sin(a.v); }
inline Num cos(Num a) { return runmaths::cos(a.v); }
inline Num tan(Num a) { return runmaths::tan(a.v); }
inline Num atan(Num a) { return std::isfinite(a.v) ? runmaths::atan(a.v) : kFail; }

// a ^ b on doubles, always the run's pow, also for the exponents 2 and 3: a
// negative base with an exponent that is not whole, zero to a negative
// power, and non-finite operands fail.
inline Num pow(Num a, Num b) {
    if (!std::isfinite(a.v) || !std::isfinite(b.v)) return kFail;
    if (a.v < 0.0 && b.v != std::trunc(b.v)) return kFail;
    if (a.v == 0.0 && b.v < 0.0) return kFail;
    return runmaths::pow(a.v, b.v);
}

// v rounded to the nearest whole number, halves to the even one (as the
// conversions to integers do), without touching the floating-point
// environment: adding 2^52 to |v| leaves no fraction bits, so the hardware's
// round-to-nearest-even does the work.
inline double roundHalfEven(double v) {
    const double magnitude = std::fabs(v);
    if (!(magnitude < 0x1p52)) return v;  // already whole, or not finite
    return std::copysign((magnitude + 0x1p52) - 0x1p52, v);
}

// Int(v): rounds down.
inline Num Int(Num a) { return std::floor(a.v); }

}  // namespace momentart
