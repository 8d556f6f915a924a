// The layout of the quick atan's table (correctly_rounded_atan.cpp), which
// tools/maths_tables.cpp computes with MPFR when the program is built: the
// Taylor series of atan at the midpoint c of every cell.
#pragma once

#include <bit>
#include <cstdint>

#include "maths/double_double.h"

namespace momentart::maths::atan_cells {

inline constexpr int kInnerCells = 128;            // cells of width 1/128 over [0, 1]: c = i/128
inline constexpr int kCellsABinade = 64;           // cells over [1, 8), each a 64th of its binade
inline constexpr int kOuterBinades = 3;            // [1, 2), [2, 4), [4, 8)
inline constexpr int kOuterCells = kOuterBinades * kCellsABinade;
inline constexpr int kFractionBitsLeft = 52 - 6;   // below an outer cell's six fraction bits
inline constexpr int kLastTerm = 8;                // the series' degree

struct Cell {
    DoubleDouble a0, a1;           // atan c and 1/(1 + c^2)
    double higher[kLastTerm - 1];  // A2 .. A8
};

struct Table {
    Cell inner[kInnerCells + 1];
    DoubleDouble complement[kInnerCells + 1];  // pi/2 - atan(i/128)
    Cell outer[kOuterCells];
};

// The outer cell that holds a in [1, 8), and its midpoint, which has a's
// exponent and first six fraction bits, then a one.
inline int outerCell(double a) {
    return static_cast<int>((std::bit_cast<std::uint64_t>(a) >> kFractionBitsLeft) - (std::uint64_t{1023} << 6));
}
inline double outerMidpoint(double a) {
    constexpr std::uint64_t kCellBits = ~((std::uint64_t{1} << kFractionBitsLeft) - 1);
    return std::bit_cast<double>((std::bit_cast<std::uint64_t>(a) & kCellBits) |
                                 (std::uint64_t{1} << (kFractionBitsLeft - 1)));
}

}  // namespace momentart::maths::atan_cells
