// The picture's frame and its six centres, and the per-pixel geometry: the
// offsets, distances and angles from the centres and the pair sums.
#pragma once

#include <array>
#include <cstdint>

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

// A set of the angles fi3..fi8 (bits 0..5) and pair sums ob34..ob78 (bits
// 6..20, in the order of kPairs): the ones a picture reads.
using GeometryReads = std::uint32_t;
constexpr GeometryReads angleOf(int centre) { return GeometryReads{1} << (centre - 3); }
constexpr GeometryReads pairSumOf(int k, int l) {
    // Pairs (k, l) of centres 3..8, k < l, numbered 34, 35, .. 78.
    int p = 0;
    for (int a = 3; a < k; ++a) p += 8 - a;
    return GeometryReads{1} << (kCentres + p + (l - k - 1));
}
inline constexpr GeometryReads kAllAngles = (GeometryReads{1} << kCentres) - 1;
inline constexpr GeometryReads kAllGeometry = (GeometryReads{1} << (kCentres + kPairs)) - 1;

// The geometry of the pixels of one run, computing only the angles and pair
// sums in `reads`. The others are left as the full computation would leave
// them once `settle` is called after the last pixel: an angle keeps its
// value at a pixel whose quotient dy / dx fails, so each unread angle's last
// good quotient is kept and its arctangent taken once, at the end (where a
// quotient sure to be good is divided, too).
class PixelGeometry {
public:
    PixelGeometry(const Frame& frame, GeometryReads reads) : frame_(frame), reads_(reads) {}

    // Sets dx, dy, r of every centre, rmin, rmax and the angles and pair sums
    // in `reads` for the pixel at (x, y), which s.x and s.y hold too (given
    // apart, as reading them back would wait for their stores). An angle
    // whose quotient fails keeps its value.
    void at(GenerationState& s, double x, double y);

    // Gives the unread angles and pair sums the values the full computation
    // would have left after the last pixel.
    void settle(GenerationState& s) const;

    // The geometry of this one's pixels followed by `later`'s (pixels of the
    // same run visited after them, maybe on another thread): an angle's last
    // good quotient is the later one's where it saw one.
    void continueWith(const PixelGeometry& later);

private:
    template <int n>
    double centreAt(GenerationState& s, double x, double y);

    // The offsets whose quotient dy / dx is an unread angle's last good
    // one; dx is 0 until there is one.
    struct Quotient {
        double dy = 0, dx = 0;
    };

    const Frame& frame_;
    GeometryReads reads_;
    bool visited_ = false;
    std::array<Quotient, kCentres> quotient_{};
};

// The full computation for one pixel: dx, dy, r, fi of every centre, rmin,
// rmax and the fifteen ob sums at (s.x, s.y).
void pixelGeometry(GenerationState& s, const Frame& frame);

}  // namespace momentart
