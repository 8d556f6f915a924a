// The maths of every new picture: sin, cos, tan, atan, log and pow that
// return the correctly rounded double of the exact result (round to nearest,
// ties to even) on every machine, whatever C library the process has. A
// recipe promises the same picture bit for bit; a C library's functions
// round differently from one library (and version) to the next.
#pragma once

namespace momentart::maths {

double sin(double x);
double cos(double x);
double tan(double x);
double atan(double x);
double log(double x);
// x to the power y, with the C library's special cases (pow(x, 0) = 1,
// a negative x with an odd whole y keeps its sign, a negative x with a y
// that is not whole is NaN, ...).
double pow(double x, double y);

// Tests only: with `on` every function is evaluated by its reference (MPFR),
// as all but pow are on a processor without AVX and fused multiply-adds.
void useReferenceOnly(bool on);

}  // namespace momentart::maths
