// The C library's pow, called out of line. A compiler that sees a constant
// exponent rewrites pow(x, 2.0) as x * x (GCC and Clang do at -O1 and above),
// and the library's pow is not always the product to the last bit; the bank's
// feedback groups spread one such bit over a whole picture. Called through
// this function, whose body lives in its own translation unit, every power is
// the library's in every build.
#pragma once

namespace momentart {

// std::pow(base, exponent), never folded into products.
double libraryPow(double base, double exponent);

}  // namespace momentart
