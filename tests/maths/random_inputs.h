// The maths tests' inputs: a small fixed generator (splitmix64), so every run
// sweeps the same inputs.
#pragma once

#include <cstdint>

namespace momentart::maths {

inline std::uint64_t next(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

}  // namespace momentart::maths
