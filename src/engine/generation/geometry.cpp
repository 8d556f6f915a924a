#include "engine/generation/geometry.h"

#include <cmath>
#include <utility>

#include "engine/formulas/guarded.h"

namespace momentart {

namespace {

using Field = double GenerationState::*;

struct CentreFields {
    Field dx, dy, r, fi;
};
constexpr CentreFields kCentreFields[kCentres] = {
    {&GenerationState::dx3, &GenerationState::dy3, &GenerationState::r3, &GenerationState::fi3},
    {&GenerationState::dx4, &GenerationState::dy4, &GenerationState::r4, &GenerationState::fi4},
    {&GenerationState::dx5, &GenerationState::dy5, &GenerationState::r5, &GenerationState::fi5},
    {&GenerationState::dx6, &GenerationState::dy6, &GenerationState::r6, &GenerationState::fi6},
    {&GenerationState::dx7, &GenerationState::dy7, &GenerationState::r7, &GenerationState::fi7},
    {&GenerationState::dx8, &GenerationState::dy8, &GenerationState::r8, &GenerationState::fi8},
};

// The pairs k < l of centres 3..8 in the order 34, 35, .. 78: indices into
// the centres and the ob field of the pair.
struct Pair {
    int k, l;
    Field ob;
};
constexpr Pair kPairFields[kPairs] = {
    {0, 1, &GenerationState::ob34}, {0, 2, &GenerationState::ob35}, {0, 3, &GenerationState::ob36},
    {0, 4, &GenerationState::ob37}, {0, 5, &GenerationState::ob38}, {1, 2, &GenerationState::ob45},
    {1, 3, &GenerationState::ob46}, {1, 4, &GenerationState::ob47}, {1, 5, &GenerationState::ob48},
    {2, 3, &GenerationState::ob56}, {2, 4, &GenerationState::ob57}, {2, 5, &GenerationState::ob58},
    {3, 4, &GenerationState::ob67}, {3, 5, &GenerationState::ob68}, {4, 5, &GenerationState::ob78},
};

// Pair p's sum at the pixel whose distances `s` holds.
void setPairSum(GenerationState& s, const Frame& frame, int p) {
    const Pair& pair = kPairFields[p];
    s.*pair.ob = s.*kCentreFields[pair.k].r + s.*kCentreFields[pair.l].r + frame.d[p];
}

bool readsPair(GeometryReads reads, int p) { return (reads >> (kCentres + p)) & 1; }

// Offsets within these bounds have a finite quotient dy / dx (at most
// 2^1000), so it can wait; others (a zero, a tiny or a huge offset, a NaN)
// are divided at once.
constexpr double kSmallestWaitingDx = 0x1p-900;
constexpr double kLargestWaitingOffset = 0x1p100;

}  // namespace

Frame placeCentres(const GenerationState& s, Pcg32& rnd) {
    Frame frame;
    for (double& column : frame.drawnColumn) column = std::floor(rnd.rndDouble() * s.sir);
    for (double& row : frame.drawnRow) row = std::floor(rnd.rndDouble() * s.vis);
    scaleFrame(frame, s, 1);
    return frame;
}

void scaleFrame(Frame& frame, const GenerationState& s, int scale) {
    frame.skalax = s.sir / s.osx;
    frame.skalay = s.vis / s.osy;
    frame.halfx = s.osx / 2;
    frame.halfy = s.osy / 2;
    for (int n = 0; n < kCentres; ++n) {
        frame.cx[n] = frame.worldX(frame.drawnColumn[n] * scale);
        frame.cy[n] = frame.worldY(frame.drawnRow[n] * scale);
    }
    for (int p = 0; p < kPairs; ++p) {
        const double ex = frame.cx[kPairFields[p].k] - frame.cx[kPairFields[p].l];
        const double ey = frame.cy[kPairFields[p].k] - frame.cy[kPairFields[p].l];
        frame.d[p] = std::sqrt(ex * ex + ey * ey);
    }
}

// Centre n's offsets and distance; its angle if read, else its quotient
// kept for settle(). `n` is a constant, so the fields are reached directly.
template <int n>
double PixelGeometry::centreAt(GenerationState& s, double x, double y) {
    constexpr CentreFields c = kCentreFields[n];
    const double dx = std::fabs(frame_.cx[n] - x);
    const double dy = std::fabs(frame_.cy[n] - y);
    const double r = std::sqrt(dx * dx + dy * dy);
    s.*c.dx = dx;
    s.*c.dy = dy;
    s.*c.r = r;
    // A pixel in a centre's column divides by zero: its angle keeps the
    // previous pixel's value.
    if (reads_ & angleOf(3 + n)) {
        stored(s.*c.fi, atan(Num(dy) / dx));
    } else if (dx >= kSmallestWaitingDx && dx <= kLargestWaitingOffset && dy <= kLargestWaitingOffset) {
        quotient_[n] = {dy, dx};
    } else if (const Num quotient = Num(dy) / dx; finite(quotient.v)) {
        quotient_[n] = {quotient.v, 1.0};  // divided by 1 again at the end: the same
    }
    return r;
}

void PixelGeometry::at(GenerationState& s, double x, double y) {
    visited_ = true;
    const auto distances = [&]<int... n>(std::integer_sequence<int, n...>) {
        return std::array<double, kCentres>{centreAt<n>(s, x, y)...};
    }(std::make_integer_sequence<int, kCentres>{});
    double rmin = distances[0], rmax = distances[0];
    for (int n = 1; n < kCentres; ++n) {
        if (distances[n] < rmin) rmin = distances[n];
        if (distances[n] > rmax) rmax = distances[n];
    }
    s.rmin = rmin;
    s.rmax = rmax;
    for (int p = 0; p < kPairs; ++p)
        if (readsPair(reads_, p)) setPairSum(s, frame_, p);
}

void PixelGeometry::settle(GenerationState& s) const {
    if (!visited_) return;
    for (int n = 0; n < kCentres; ++n)
        if (quotient_[n].dx != 0) stored(s.*kCentreFields[n].fi, atan(Num(quotient_[n].dy) / quotient_[n].dx));
    for (int p = 0; p < kPairs; ++p)
        if (!readsPair(reads_, p)) setPairSum(s, frame_, p);
}

void PixelGeometry::continueWith(const PixelGeometry& later) {
    visited_ = visited_ || later.visited_;
    for (int n = 0; n < kCentres; ++n)
        if (later.quotient_[n].dx != 0) quotient_[n] = later.quotient_[n];
}

void pixelGeometry(GenerationState& s, const Frame& frame) {
    PixelGeometry(frame, kAllGeometry).at(s, s.x, s.y);
}

}  // namespace momentart
