// The C library's functions for expected values, always called at run time.
// A compiler computes std::sin(1.5) or std::pow(x, 2.0) of known arguments
// itself, correctly rounded, while the engine calls the library, which may
// differ in the last bit; an expected value folded at compile time tests the
// compiler, not the code. These bodies live in another translation unit, so
// every call reaches the library.
#pragma once

namespace momentart::library {

double sin(double v);
double cos(double v);
double tan(double v);
double atan(double v);
double log(double v);
double sqrt(double v);
double pow(double base, double exponent);

}  // namespace momentart::library
