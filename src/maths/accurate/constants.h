// The accurate path's constants as 32-bit limbs, most significant first,
// each the binary fraction of a number in [1/2, 1) truncated: 2/pi, pi/4
// and ln 2. Computed with MPFR when the program is built
// (tools/maths_tables.cpp); constant_values.h holds them.
#pragma once

#include <cstdint>

namespace momentart::maths::accurate {

// 2/pi to 2,560 bits: the reduction of the largest double (2^1024) drops
// its first 1,022 and then needs the working precision (at most 768 bits)
// and some 120 more, for the cancellation near multiples of pi/2 and the
// input's 53 bits.
inline constexpr int kTwoOverPiLimbs = 80;
// pi/4 and ln 2 to a few limbs beyond the largest working precision.
inline constexpr int kConstantLimbs = 28;

struct Constants {
    std::uint32_t twoOverPi[kTwoOverPiLimbs];
    std::uint32_t piOverFour[kConstantLimbs];
    std::uint32_t ln2[kConstantLimbs];
};

}  // namespace momentart::maths::accurate
