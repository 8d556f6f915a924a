// The definition itself, evaluated with MPFR: the exact result rounded once
// to a double (53 bits, the double's exponent range and its subnormals).
// Slow; the tests' reference, and every function's evaluation on a
// processor that cannot run the fast ones.
#pragma once

namespace momentart::maths {

enum class Function { Sin, Cos, Tan, Atan, Log, Pow };

// f(x), or x to the power y for Function::Pow.
double reference(Function f, double x, double y = 0);

}  // namespace momentart::maths
