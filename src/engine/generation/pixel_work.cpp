#include "engine/generation/pixel_work.h"

#include "engine/colouring/colouring.h"
#include "engine/formulas/bank.h"
#include "engine/generation/geometry.h"

namespace momentart {

void PixelWork::visit(GenerationState& s, PixelGeometry& geometry, Canvas& canvas, int column,
                      int row) const {
    const MathsScope maths(maths_);
    s.i = column;
    s.j = row;
    const double x = run_.frame.worldX(column), y = run_.frame.worldY(row);
    s.x = x;
    s.y = y;
    geometry.at(s, x, y);
    if (run_.krizanje != 1) {
        // Cross mode 2: each pixel takes one of the two formula pairs.
        if (drawWhole(s.rnd, 2, 1) == 1) {
            s.v2 = run_.v2run;
            s.v1 = run_.v1run;
        } else {
            s.v2 = run_.v2alt;
            s.v1 = run_.v1alt;
        }
    }
    barvanivo1(s);
    barvanivo2(s, canvas, scale_);
}

void PixelWork::settle(const PixelGeometry& geometry, GenerationState& s) const {
    const MathsScope maths(maths_);
    geometry.settle(s);
}

std::optional<int> PixelWork::drawsPerVisit(const GenerationState& s) const {
    // Every visited spot must pass the clipping test, and be its own pixel.
    if (s.zamikx != 0 || s.zamiky != 0) return std::nullopt;
    if (s.sir > s.sir0 * scale_ || s.vis > s.vis0 * scale_) return std::nullopt;
    return (run_.krizanje != 1 ? 1 : 0) + colouringDraws(s);
}

}  // namespace momentart
