// The correctly rounded functions of every new picture, for expected values
// of formulas evaluated outside a run (in the correctly rounded maths).
// Called through these bodies in another translation unit, so that no
// compiler computes an expected value itself (it would fold std::sin(1.5),
// and pow(x, 2.0) into x * x).
#pragma once

namespace momentart::expected {

double sin(double v);
double cos(double v);
double tan(double v);
double atan(double v);
double log(double v);
double sqrt(double v);
double pow(double base, double exponent);

}  // namespace momentart::expected
