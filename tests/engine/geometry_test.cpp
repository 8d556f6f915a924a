#include "engine/generation/geometry.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace momentart {
namespace {

GenerationState frameState(double osx) {
    GenerationState s;
    s.sir = 600;
    s.vis = 450;
    s.osx = osx;
    s.osy = osx;
    return s;
}

TEST(Geometry, CentresLieOnPixelsOfThePictureInDrawOrder) {
    GenerationState s = frameState(8);
    Pcg32 rnd, reference;
    rnd.seed(31);
    reference.seed(31);
    const Frame frame = placeCentres(s, rnd);
    EXPECT_DOUBLE_EQ(frame.skalax, 75.0);
    EXPECT_DOUBLE_EQ(frame.skalay, 450.0 / 8);
    // Six columns first, then six rows.
    double columns[kCentres], rows[kCentres];
    for (double& c : columns) c = std::floor(static_cast<double>(reference.rnd()) * 600);
    for (double& r : rows) r = std::floor(static_cast<double>(reference.rnd()) * 450);
    for (int n = 0; n < kCentres; ++n) {
        EXPECT_EQ(frame.cx[n], columns[n] / (600 / 8.0) - 8.0 / 2);
        EXPECT_EQ(frame.cy[n], 8.0 / 2 - rows[n] / (450 / 8.0));
    }
    // d34 is the distance of centres 3 and 4, d78 of centres 7 and 8.
    EXPECT_DOUBLE_EQ(frame.d[0], std::hypot(frame.cx[0] - frame.cx[1], frame.cy[0] - frame.cy[1]));
    EXPECT_DOUBLE_EQ(frame.d[14], std::hypot(frame.cx[4] - frame.cx[5], frame.cy[4] - frame.cy[5]));
    EXPECT_EQ(rnd.rawState(), reference.rawState());
}

TEST(Geometry, WorldCoordinatesSpanThePictureWithYUp) {
    GenerationState s = frameState(10);
    Pcg32 rnd;
    const Frame frame = placeCentres(s, rnd);
    EXPECT_DOUBLE_EQ(frame.worldX(0), -5);
    EXPECT_DOUBLE_EQ(frame.worldX(600), 5);
    EXPECT_DOUBLE_EQ(frame.worldY(0), 5);
    EXPECT_DOUBLE_EQ(frame.worldY(450), -5);
    EXPECT_DOUBLE_EQ(frame.worldX(300), 0);
}

TEST(Geometry, DistancesAnglesExtremesAndPairSums) {
    GenerationState s = frameState(6.5);
    Pcg32 rnd;
    rnd.seed(8);
    const Frame frame = placeCentres(s, rnd);
    for (int column = 3; column < 600; column += 97) {
        for (int row = 5; row < 450; row += 71) {
            s.x = frame.worldX(column) + 1e-9;  // off every centre's column
            s.y = frame.worldY(row);
            pixelGeometry(s, frame);
            const double r[] = {s.r3, s.r4, s.r5, s.r6, s.r7, s.r8};
            EXPECT_EQ(s.rmin, *std::min_element(std::begin(r), std::end(r)));
            EXPECT_EQ(s.rmax, *std::max_element(std::begin(r), std::end(r)));
            EXPECT_LE(s.rmin, s.rmax);
            const double dx5 = std::fabs(frame.cx[2] - s.x), dy5 = std::fabs(frame.cy[2] - s.y);
            EXPECT_EQ(s.dx5, dx5);
            EXPECT_EQ(s.dy5, dy5);
            EXPECT_EQ(s.r5, std::sqrt(dx5 * dx5 + dy5 * dy5));
            EXPECT_EQ(s.fi5, std::atan(dy5 / dx5));
            EXPECT_EQ(s.ob34, s.r3 + s.r4 + frame.d[0]);
            EXPECT_EQ(s.ob67, s.r6 + s.r7 + frame.d[12]);
            EXPECT_EQ(s.ob78, s.r7 + s.r8 + frame.d[14]);
        }
    }
}

TEST(Geometry, APixelInACentresColumnKeepsThePreviousAngle) {
    GenerationState s = frameState(5);
    Pcg32 rnd;
    rnd.seed(4);
    const Frame frame = placeCentres(s, rnd);
    s.x = frame.cx[0] + 0.5;
    s.y = frame.cy[0] + 1;
    pixelGeometry(s, frame);
    const double before = s.fi3;
    EXPECT_NE(before, 0);
    s.x = frame.cx[0];  // dx3 = 0: the quotient fails
    s.y = frame.cy[0] + 2;
    pixelGeometry(s, frame);
    EXPECT_EQ(s.dx3, 0);
    EXPECT_EQ(s.fi3, before);
    EXPECT_EQ(s.r3, 2);
    EXPECT_TRUE(std::isfinite(s.fi4));
}

// An unread angle is left as the full computation leaves it, whatever the
// offsets: ordinary ones, zero, so small or so large that the quotient
// overflows, subnormal, not a number; and when the pixels were shared by two
// computations, one continued by the other.
TEST(Geometry, AnUnreadAngleEndsAsTheFullComputationLeavesIt) {
    Frame frame;  // every centre at the origin, so offsets are the positions
    const double offsets[] = {0.37, -2.5, 0, 1e-300, 1e-310, 5e-324, 1e10, 1e300, 3e200,
                              std::numeric_limits<double>::quiet_NaN()};
    Pcg32 rnd;
    rnd.seed(99);
    const auto pick = [&] { return offsets[rnd.next() % std::size(offsets)]; };
    for (int round = 0; round < 400; ++round) {
        GenerationState full = frameState(1), lazy = full;
        PixelGeometry first(frame, 0), second(frame, 0);
        const int pixels = 1 + static_cast<int>(rnd.next() % 6), split = static_cast<int>(rnd.next() % 7);
        for (int n = 0; n < pixels; ++n) {
            full.x = lazy.x = pick();
            full.y = lazy.y = pick();
            pixelGeometry(full, frame);
            (n < split ? first : second).at(lazy, lazy.x, lazy.y);
        }
        first.continueWith(second);
        first.settle(lazy);
        for (const auto field : {&GenerationState::fi3, &GenerationState::fi8, &GenerationState::rmin,
                                 &GenerationState::rmax, &GenerationState::ob78})
            ASSERT_EQ(std::bit_cast<std::uint64_t>(lazy.*field), std::bit_cast<std::uint64_t>(full.*field)) << round;
    }
}

}  // namespace
}  // namespace momentart
