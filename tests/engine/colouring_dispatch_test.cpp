// Clipping, dispatch, painting conversions and colouring family 2.
#include <array>
#include <cmath>
#include <utility>

#include "engine/colouring/painting.h"
#include "colouring_support.h"
#include "expected_math.h"

namespace momentart::colour_tests {
namespace {

using colouring::paintColourNumber;
using colouring::paintLevels;
using colouring::Spot;

// Family 2, tip 3, with ba * fba2 = 2.6: k = 2, colour number 20000.
struct ColourFamily2 : ColourStage {
    ColourFamily2() {
        use(2, 3);
        s.ba = 1.3;
        s.fba2 = 2;
        s.k = -9;
        s.bb = 77;
    }
};
using ColourClipping = ColourFamily2;

TEST_F(ColourClipping, BeyondTheLimitsNothingIsWrittenOrPainted) {
    s.sir0 = 100;
    s.vis0 = 100;
    for (auto [i, zx, j, zy] : {std::array{91., 10., 7., 0.}, std::array{90., 10., 95., 6.}}) {
        s.i = i, s.zamikx = zx, s.j = j, s.zamiky = zy;
        run();
        EXPECT_EQ(s.ba, 1.3);
        EXPECT_EQ(s.k, -9);
    }
    canvas.set(kCol, kRow, 0);
    EXPECT_EQ(canvas, Canvas());
}

TEST_F(ColourClipping, TheLimitsThemselvesArePaintedAtTheOffsetPosition) {
    s.sir0 = 100;
    s.vis0 = 40;
    s.i = 90, s.zamikx = 10, s.j = 30, s.zamiky = 10;
    run();
    EXPECT_EQ(canvas.at(100, 40), colourOf(32, 78, 0));
    EXPECT_EQ(canvas.at(90, 30), 0u);
}

TEST_F(ColourClipping, AClippedMixedPixelDrawsNoCoin) {
    use(5, 62);
    s.typ = 7;
    s.i = 2000;
    const auto before = s.rnd.rawState();
    run();
    EXPECT_EQ(s.rnd.rawState(), before);
    EXPECT_EQ(s.typ, 7);
}

TEST_F(ColourFamily2, Tip3PaintsTenThousandTimesTheWholeFieldValue) {
    run();
    EXPECT_EQ(s.ba, 1.3 * 2.0);
    EXPECT_EQ(s.k, 2);
    EXPECT_EQ(s.bb, 77);  // the quotient field is not family 2's
    EXPECT_EQ(pixel(), 20000u);
    EXPECT_EQ(pixel(), colourOf(32, 78, 0));
}

TEST_F(ColourFamily2, Tip2ScalesKByTenAndDividesByLnR8) {
    use(2, 2);
    s.r3 = 2, s.r4 = 3, s.r6 = 1, s.r7 = -5, s.r8 = 10;
    run();
    EXPECT_EQ(s.k, 20);
    EXPECT_EQ(pixel(), std::nearbyint(20.0 * 2 * 3 * 4 / expected::log(10.0)));
    for (double r8 : {1.0, 0.0, -2.0}) {
        canvas.set(kCol, kRow, kMarker);
        s.r8 = r8;
        run();
        EXPECT_EQ(pixel(), kMarker) << r8;
    }
}

TEST_F(ColourFamily2, ColourNumbersOutsideTheColoursLeaveThePixel) {
    for (double ba : {-1.0, 1678.0, 1e6}) {  // -10000, 16780000, beyond 32 bits
        s.ba = ba;
        s.fba2 = 1;
        run();
        EXPECT_EQ(pixel(), kMarker) << ba;
    }
}

TEST_F(ColourFamily2, TipIsRoundedHalfToEvenAndUnknownSelectorsPaintNothing) {
    s.tip = 2.6;  // scheme 3
    run();
    EXPECT_EQ(pixel(), 20000u);
    canvas.set(kCol, kRow, kMarker);
    s.tip = 2.5, s.ba = 1.3;  // scheme 2, k = 20
    run();
    EXPECT_EQ(s.k, 20);
    for (auto [barve, tip] : {std::pair{4., 4.}, {3., 0.}, {3., 22.}, {5., 6.}, {2., 4.}}) {
        canvas.set(kCol, kRow, kMarker);
        use(barve, tip);
        setLevels(10, 10, 10);
        s.ba = 1, s.ba1 = s.fba2 = s.f1 = s.f2 = s.f3 = s.nb3 = s.r3 = s.r4 = s.r5 = 1;
        run();
        EXPECT_EQ(pixel(), kMarker) << barve << " " << tip;
    }
}

struct ColourPainting : ColourStage {
    void paint(Num r, Num g, Num b) { paintLevels(canvas, Spot{kCol, kRow}, r, g, b); }
};

TEST_F(ColourPainting, LevelsRoundHalfToEvenAndCountAt255Above) {
    paint(254.5, 253.5, 0.5);
    EXPECT_EQ(pixel(), colourOf(254, 254, 0));
    paint(255.5, 300, -0.5);  // -0.5 rounds to 0
    EXPECT_EQ(pixel(), colourOf(255, 255, 0));
    paint(32767.4, 1.5, 2.5);
    EXPECT_EQ(pixel(), colourOf(255, 2, 2));
}

TEST_F(ColourPainting, AFailedNegativeOrOutOfRangeLevelLeavesThePixel) {
    paint(10, -0.6, 10);
    paint(32767.5, 10, 10);
    paint(10, 10, Num(1) / 0.0);
    paint(kFail, 10, 10);
    EXPECT_EQ(pixel(), kMarker);
}

TEST_F(ColourPainting, ColourNumbersAreRoundedHalfToEvenWithinTheColours) {
    const Spot at{kCol, kRow};
    paintColourNumber(canvas, at, 16777215.4);
    EXPECT_EQ(pixel(), 16777215u);
    paintColourNumber(canvas, at, 20000.5);
    EXPECT_EQ(pixel(), 20000u);
    paintColourNumber(canvas, at, 20001.5);
    EXPECT_EQ(pixel(), 20002u);
    paintColourNumber(canvas, at, 16777215.6);
    paintColourNumber(canvas, at, -0.6);
    paintColourNumber(canvas, at, 4294967296.0 + 5);
    EXPECT_EQ(pixel(), 20002u);
}

}  // namespace
}  // namespace momentart::colour_tests
