// What one visit of a pixel does: position, geometry, the cross-mode coin,
// the formula bank and the colouring stage. It holds only the run's own
// values, so several threads can share one while each works on its own
// state.
#pragma once

#include <optional>

#include "engine/canvas.h"
#include "engine/generation/geometry.h"
#include "engine/generation/run.h"
#include "engine/run_maths.h"
#include "engine/state.h"

namespace momentart {

class PixelWork {
public:
    PixelWork(const RunPlan& run, int scale, GeometryReads reads, Maths maths)
        : run_(run), scale_(scale), reads_(reads), maths_(maths) {}

    // The geometry of one thread's visits: the angles and pair sums the
    // picture reads, computed at each pixel; the others settled at the end.
    PixelGeometry geometry() const { return PixelGeometry(run_.frame, reads_); }

    // Visits the pixel at (column, row): reads and writes `s`, paints at
    // most that pixel of `canvas`.
    void visit(GenerationState& s, PixelGeometry& geometry, Canvas& canvas, int column, int row) const;

    // Settles, after the last visit, the angles and sums the picture did not
    // read (PixelGeometry::settle), in the run's maths.
    void settle(const PixelGeometry& geometry, GenerationState& s) const;

    // How many random draws each visit makes, when that is the same for every
    // visited position: the cross-mode coin and the colouring's coin. Nothing
    // when the paintable limits or the paint offsets cut through the picture.
    std::optional<int> drawsPerVisit(const GenerationState& s) const;

private:
    const RunPlan& run_;
    int scale_;
    GeometryReads reads_;
    Maths maths_;
};

}  // namespace momentart
