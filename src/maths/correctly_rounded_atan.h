// atan x, correctly rounded, quickly for the common arguments; the rest, and
// whatever the quick evaluation cannot decide, from LLVM's C library. Needs a
// processor with fused multiply-adds.
#pragma once

namespace momentart::maths {

double correctlyRoundedAtan(double x);

}  // namespace momentart::maths
