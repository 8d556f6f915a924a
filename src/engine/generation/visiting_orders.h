// The drawing modes: the orders in which a run visits the picture's pixels.
// Each order only decides which (column, row) comes next, as a sequence of
// lines; what a visit does, and on how many threads, is the run's business.
#pragma once

#include <type_traits>

#include "engine/generation/random.h"

namespace momentart {

// One stretch of visits between two progress reports (a column, a row or a
// lattice offset): for each of `columns` columns firstColumn, + columnStep,
// ..., the `rows` rows firstRow, + rowStep, ... (columns outer).
struct VisitLine {
    int firstColumn = 0, firstRow = 0;
    int columnStep = 1, rowStep = 1;
    int columns = 0, rows = 0;

    long visits() const { return static_cast<long>(columns) * rows; }

    // Calls visit(column, row) for each position of the line, in order. A
    // visit that answers false stops the line there; forEach then answers
    // false.
    template <typename Visit>
    bool forEach(Visit&& visit) const {
        int column = firstColumn;
        for (int c = 0; c < columns; ++c, column += columnStep) {
            int row = firstRow;
            for (int r = 0; r < rows; ++r, row += rowStep) {
                if constexpr (std::is_same_v<std::invoke_result_t<Visit, int, int>, bool>) {
                    if (!visit(column, row)) return false;
                } else {
                    visit(column, row);
                }
            }
        }
        return true;
    }
};

class LineVisitor {
public:
    virtual ~LineVisitor() = default;
    // Visits the line's positions. A lattice order draws its next offset only
    // after this returns, so the generator must by then stand where the
    // line's visits left it.
    virtual void line(const VisitLine& line) = 0;
};

// Number of visits of any order: columns 0..lastColumn by rows 0..lastRow.
long visitCount(int lastColumn, int lastRow);

// Visits columns 0..lastColumn and rows 0..lastRow (both ends included) in
// the order of drawing mode `nacin` (1, 3, 12, 13 or 17). The lattice modes
// draw their offsets from `rnd` as at scale 1; at scale K each drawn offset
// (a, b) stands for the K x K offsets (aK + u, bK + v), u outer, v inner, of
// a lattice K times as wide. Returns false for a mode that does not exist
// (nothing is visited).
bool visitInOrder(int nacin, int lastColumn, int lastRow, Pcg32& rnd, LineVisitor& visitor,
                  int scale = 1);

}  // namespace momentart
