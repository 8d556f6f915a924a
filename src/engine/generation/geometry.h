// The picture's frame and its six centres, and the per-pixel geometry: the
// offsets, distances and angles from the centres and the pair sums.
#pragma once

#include <array>

#include "engine/generation/random.h"
#include "engine/state.h"

namespace momentart {

inline constexpr int kCentres = 6;  // centres 3..8
inline constexpr int kPairs = 15;   // pairs 34, 35, .. 78

// The mapping of pixels to world coordinates and the six centres of one run.
struct Frame {
    double skalax = 1, skalay = 1;  // pixels per world unit across and down
    double halfx = 0, halfy = 0;    // osx / 2 and osy / 2
    std::array<double, kCentres> cx{}, cy{};  // centre positions, 3..8
    std::array<double, kPairs> d{};           // centre distances d34 .. d78
    // The centres' drawn columns and rows on the 600 x 450 lattice.
    std::array<double, kCentres> drawnColumn{}, drawnRow{};

    double worldX(double i) const { return i / skalax - halfx; }
    double worldY(double j) const { return halfy - j / skalay; }
};

// Sets the scale from `sir`, `vis`, `osx`, `osy` and places the centres:
// six column draws Int(Rnd * sir), then six row draws Int(Rnd * vis).
Frame placeCentres(const GenerationState& s, Pcg32& rnd);

// The frame of a run K times as wide and high: the scale from `sir`, `vis`
// (already K times as large), the drawn centre columns and rows multiplied
// by K before their world positions, and the centre distances from those.
// At scale 1 it is the frame placeCentres made.
void scaleFrame(Frame& frame, const GenerationState& s, int scale);

// Sets dx, dy, r, fi of every centre, rmin, rmax and the fifteen ob sums for
// the pixel at (s.x, s.y). An angle whose quotient fails keeps its value.
void pixelGeometry(GenerationState& s, const Frame& frame);

}  // namespace momentart
