// The drawing modes: the orders in which a run visits the picture's pixels.
// Each order only decides which (column, row) comes next; what a visit does
// is the run's business (`PixelVisitor`).
#pragma once

#include "engine/generation/random.h"

namespace momentart {

class PixelVisitor {
public:
    virtual ~PixelVisitor() = default;
    virtual void visit(int column, int row) = 0;
    // A column, a row or a lattice offset is complete.
    virtual void lineDone() = 0;
};

// Number of visits of any order: columns 0..lastColumn by rows 0..lastRow.
long visitCount(int lastColumn, int lastRow);

// Visits columns 0..lastColumn and rows 0..lastRow (both ends included) in
// the order of drawing mode `nacin` (1, 3, 12, 13 or 17). The lattice modes
// draw their offsets from `rnd`. Returns false for a mode that does not exist
// (nothing is visited).
bool visitInOrder(int nacin, int lastColumn, int lastRow, Pcg32& rnd, PixelVisitor& visitor);

}  // namespace momentart
