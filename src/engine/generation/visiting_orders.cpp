#include "engine/generation/visiting_orders.h"

#include <cmath>
#include <vector>

namespace momentart {

namespace {

// Mode 1: columns left to right, each top to bottom.
void columnsDown(int lastColumn, int lastRow, PixelVisitor& visitor) {
    for (int i = 0; i <= lastColumn; ++i) {
        for (int j = 0; j <= lastRow; ++j) visitor.visit(i, j);
        visitor.lineDone();
    }
}

// Mode 3: rows top to bottom, each left to right.
void rowsAcross(int lastColumn, int lastRow, PixelVisitor& visitor) {
    for (int j = 0; j <= lastRow; ++j) {
        for (int i = 0; i <= lastColumn; ++i) visitor.visit(i, j);
        visitor.lineDone();
    }
}

// Mode 13: columns left to right, each bottom to top.
void columnsUp(int lastColumn, int lastRow, PixelVisitor& visitor) {
    for (int i = 0; i <= lastColumn; ++i) {
        for (int j = lastRow; j >= 0; --j) visitor.visit(i, j);
        visitor.lineDone();
    }
}

// Modes 12 and 17: an interleaved lattice of the given pitch. Every offset
// pair of the pitch x pitch cell is taken once, in random order (a pair is
// redrawn, column then row, while it was taken before); each offset visits
// its lattice, columns outer, rows inner.
void lattice(int pitch, int lastColumn, int lastRow, Pcg32& rnd, PixelVisitor& visitor) {
    std::vector<bool> used2(static_cast<std::size_t>(pitch) * pitch, false);
    const int offsets = pitch * pitch;
    for (int n = 0; n < offsets; ++n) {
        int column = 0;
        int row = 0;
        do {
            column = static_cast<int>(std::floor(rnd.rndDouble() * pitch));
            row = static_cast<int>(std::floor(rnd.rndDouble() * pitch));
        } while (used2[static_cast<std::size_t>(column) * pitch + row]);
        used2[static_cast<std::size_t>(column) * pitch + row] = true;
        for (int i = column; i <= lastColumn; i += pitch)
            for (int j = row; j <= lastRow; j += pitch) visitor.visit(i, j);
        visitor.lineDone();
    }
}

}  // namespace

long visitCount(int lastColumn, int lastRow) {
    return static_cast<long>(lastColumn + 1) * (lastRow + 1);
}

bool visitInOrder(int nacin, int lastColumn, int lastRow, Pcg32& rnd, PixelVisitor& visitor) {
    switch (nacin) {
        case 1: columnsDown(lastColumn, lastRow, visitor); return true;
        case 3: rowsAcross(lastColumn, lastRow, visitor); return true;
        case 12: lattice(50, lastColumn, lastRow, rnd, visitor); return true;
        case 13: columnsUp(lastColumn, lastRow, visitor); return true;
        case 17: lattice(20, lastColumn, lastRow, rnd, visitor); return true;
        default: return false;
    }
}

}  // namespace momentart
