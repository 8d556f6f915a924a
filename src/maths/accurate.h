#pragma once

// The accurate path: sin, cos, tan, log, atan and pow correctly rounded (to
// nearest, ties to even) for every double, by multi-precision integer
// arithmetic whose precision grows until the rounding is decided. Integer
// operations only, so every machine gives the same bits. The quick
// evaluations fall back on it when their own rounding test cannot decide.
// Special values (NaN, infinities, zeros, overflow, subnormal results) are
// those of the C library.
namespace momentart::maths::accurate {

double sin(double x);
double cos(double x);
double tan(double x);
double log(double x);
double atan(double x);
// pow's special cases (zeros, infinities, NaN, negative x) as
// correctly_rounded.h documents them.
double pow(double x, double y);

// How often each ran in this process (relaxed atomic counters; the long
// sweep reports them).
struct Calls {
    unsigned long long sin, cos, tan, log, atan, pow;
};
Calls calls();

}  // namespace momentart::maths::accurate
