#include "engine/generation/visiting_orders.h"

#include <cmath>
#include <vector>

namespace momentart {

namespace {

// Mode 1: columns left to right, each top to bottom.
void columnsDown(int lastColumn, int lastRow, LineVisitor& visitor) {
    for (int i = 0; i <= lastColumn; ++i) visitor.line({i, 0, 1, 1, 1, lastRow + 1});
}

// Mode 3: rows top to bottom, each left to right.
void rowsAcross(int lastColumn, int lastRow, LineVisitor& visitor) {
    for (int j = 0; j <= lastRow; ++j) visitor.line({0, j, 1, 1, lastColumn + 1, 1});
}

// Mode 13: columns left to right, each bottom to top.
void columnsUp(int lastColumn, int lastRow, LineVisitor& visitor) {
    for (int i = 0; i <= lastColumn; ++i) visitor.line({i, lastRow, 1, -1, 1, lastRow + 1});
}

// Positions first, first + step, ... up to last.
int stepsUpTo(int first, int step, int last) { return first > last ? 0 : (last - first) / step + 1; }

// Modes 12 and 17: an interleaved lattice of the given pitch. Every offset
// pair of the pitch x pitch cell is taken once, in random order (a pair is
// redrawn, column then row, while it was taken before); each offset visits
// its lattice, columns outer, rows inner.
void lattice(int pitch, int scale, int lastColumn, int lastRow, Pcg32& rnd, LineVisitor& visitor) {
    std::vector<bool> used2(static_cast<std::size_t>(pitch) * pitch, false);
    const int offsets = pitch * pitch;
    const int step = pitch * scale;
    for (int n = 0; n < offsets; ++n) {
        int column = 0;
        int row = 0;
        do {
            column = static_cast<int>(std::floor(rnd.rndDouble() * pitch));
            row = static_cast<int>(std::floor(rnd.rndDouble() * pitch));
        } while (used2[static_cast<std::size_t>(column) * pitch + row]);
        used2[static_cast<std::size_t>(column) * pitch + row] = true;
        for (int u = 0; u < scale; ++u) {
            for (int v = 0; v < scale; ++v) {
                const int i = column * scale + u;
                const int j = row * scale + v;
                visitor.line({i, j, step, step, stepsUpTo(i, step, lastColumn),
                              stepsUpTo(j, step, lastRow)});
            }
        }
    }
}

}  // namespace

long visitCount(int lastColumn, int lastRow) {
    return static_cast<long>(lastColumn + 1) * (lastRow + 1);
}

bool visitInOrder(int nacin, int lastColumn, int lastRow, Pcg32& rnd, LineVisitor& visitor,
                  int scale) {
    switch (nacin) {
        case 1: columnsDown(lastColumn, lastRow, visitor); return true;
        case 3: rowsAcross(lastColumn, lastRow, visitor); return true;
        case 12: lattice(50, scale, lastColumn, lastRow, rnd, visitor); return true;
        case 13: columnsUp(lastColumn, lastRow, visitor); return true;
        case 17: lattice(20, scale, lastColumn, lastRow, rnd, visitor); return true;
        default: return false;
    }
}

}  // namespace momentart
