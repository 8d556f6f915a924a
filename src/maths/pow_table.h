// The layout of the general power's table (correctly_rounded_pow.cpp), which
// tools/maths_tables.cpp computes with MPFR when the program is built.
#pragma once

#include "maths/double_double.h"

namespace momentart::maths::pow_table {

inline constexpr int kLogCells = 256;         // cells of 2^-8 over the fraction of x
inline constexpr int kFirstHalvedCell = 106;  // cells from here on hold m >= sqrt 2
inline constexpr int kExpCells = 128;         // 2^(j / 128)

struct Table {
    double c[kLogCells];            // about 1/m in the cell, 12 bits
    // -log c, or -log 2c from the halved cells on: a multiple of 2^-42, then the rest.
    DoubleDouble minusLogC[kLogCells];
    DoubleDouble exp2[kExpCells];   // 2^(j / 128)
    double ln2Hi, ln2Lo;            // ln 2: a multiple of 2^-42, then the rest
    double ln2By128Hi, ln2By128Lo;  // ln 2 / 128: 36 bits, then the rest
    DoubleDouble third;             // 1/3
};

// Cell i's c: 1 in cell 0, 1/2 in the last, elsewhere 1/m at the cell's
// middle to 12 bits.
inline double cellReciprocal(int i) {
    const double low = 1 + i / 256.0, high = 1 + (i + 1) / 256.0;
    return i == 0 ? 1.0 : i == kLogCells - 1 ? 0.5 : __builtin_nearbyint(4096 * 2 / (low + high)) / 4096;
}

}  // namespace momentart::maths::pow_table
