// Sweeps of the correctly rounded functions against MPFR: inputs drawn from
// the regions the formulas reach and the hard ones of each function, each
// result compared bit for bit with the exact value rounded to nearest.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>

#include "maths/reference.h"

namespace momentart::maths::sweep {

struct Region {
    Function function;
    const char* name;
    double share;  // of the function's inputs
    // One input: x, and pow's exponent y (0 for the others).
    std::pair<double, double> (*draw)(std::uint64_t& state);
};

std::span<const Region> regions();
const char* functionName(Function f);

struct Count {
    long inputs = 0;
    long misrounded = 0;         // by our function
    long libraryMisrounded = 0;  // by the C library's, for comparison
    std::string firstMiss;       // "f(x) = ours, exact" of our first miss
};

// `inputs` of the region's inputs, from `seed`.
Count sweep(const Region& region, long inputs, std::uint64_t seed);

}  // namespace momentart::maths::sweep
