// Colouring family 3: the level steps and the channel-level schemes.
#include <cmath>

#include "engine/colouring/levels.h"
#include "colouring_support.h"
#include "expected_math.h"

namespace momentart::colour_tests {
namespace {

struct ColourChannels : ColourStage {
    // Base-level schemes with k = 1 and unit divisors: the levels are r3, r4, r5.
    void baseLevels(double tip, double r3, double r4, double r5) {
        use(3, tip);
        s.ba = 1, s.ba1 = 1, s.nb3 = 255, s.f1 = s.f2 = s.f3 = 1;
        s.r3 = r3, s.r4 = r4, s.r5 = r5;
    }
    void expectLevels(double re, double gr, double bl) {
        EXPECT_DOUBLE_EQ(s.re, re);
        EXPECT_DOUBLE_EQ(s.gr, gr);
        EXPECT_DOUBLE_EQ(s.bl, bl);
    }
};

TEST_F(ColourChannels, FinishLevelsClampsOnlyAboveThenInvertsANegativePicture) {
    setLevels(300, -20, 100);
    colouring::finishLevels(s);
    expectLevels(255, -20, 100);
    setLevels(300, -20, 100);
    s.negativ = 2;
    colouring::finishLevels(s);
    expectLevels(0, 275, 155);
}

TEST_F(ColourChannels, Scheme1FoldsFieldValueAndEachLevelAboveIb) {
    use(3, 1);
    s.ba = -3.25, s.ba1 = 100, s.nb3 = 255, s.ib = 400;
    s.f1 = s.f2 = s.f3 = 70, s.r3 = 1000, s.r4 = 400, s.r5 = 1250;
    run();
    EXPECT_EQ(s.ba, 325);
    EXPECT_EQ(s.bb, 1);
    EXPECT_EQ(s.k, 70);  // levels 1000, 400, 1250
    EXPECT_EQ(s.rr, 3);  // blue, the last channel folded
    expectLevels(200, 255, 50);
    EXPECT_EQ(pixel(), colourOf(200, 255, 50));
}

TEST_F(ColourChannels, Scheme2DividesOnlyTheChosenPaintedChannel) {
    baseLevels(2, 4, 200, 30);
    s.frgb02 = 2;
    run();
    EXPECT_EQ(pixel(), colourOf(4, 50, 30));
    expectLevels(4, 200, 30);
    s.frgb02 = 1;
    run();
    EXPECT_EQ(pixel(), colourOf(0, 200, 30));  // 4 / 30
}

TEST_F(ColourChannels, Scheme3BlanksThePaintedChannelButKeepsTheLevel) {
    baseLevels(3, 100, 60, 30);
    s.frgb03 = 1;
    s.negativ = 2;
    run();
    EXPECT_EQ(pixel(), colourOf(0, 195, 225));
    expectLevels(155, 195, 225);
    s.negativ = 1, s.frgb03 = 3;
    run();
    EXPECT_EQ(pixel(), colourOf(100, 60, 0));
    canvas.set(kCol, kRow, kMarker);
    s.r5 = 0;  // the blanked channel's distance: the painting fails
    run();
    EXPECT_EQ(pixel(), kMarker);
}

TEST_F(ColourChannels, Scheme5ScalesOnlyFromTheTopF06Up) {
    baseLevels(5, 50, 100, 25);  // k = 2: levels 100, 200, 50
    s.ba = 2, s.f = -1, s.f06 = 250;
    run();
    EXPECT_EQ(s.max, 200);
    EXPECT_EQ(s.f, -1);
    EXPECT_EQ(pixel(), colourOf(100, 200, 50));
    s.f06 = 200;
    run();
    EXPECT_EQ(s.f, 1);
    s.f06 = 100;
    run();
    EXPECT_EQ(s.f, 2);
    EXPECT_EQ(pixel(), colourOf(50, 100, 25));
}

TEST_F(ColourChannels, Scheme12TakesTheLastPaintedLevelAbove32000) {
    use(3, 12);
    s.ba = 1000, s.fre = s.fgr = s.fbl = 100;
    s.dx3 = 0.25, s.dy3 = 0.75, s.dx4 = 0.5, s.dy4 = 0.5, s.dx5 = 1, s.dy5 = 0;
    s.r3 = 1, s.r4 = 1000, s.r5 = 2;  // red 155741, blue 77870: both above 32000
    s.res = 77, s.grs = 999, s.bls = 12;
    run();
    const double gr = std::fabs(1000.0 * 100 * expected::tan(1.0)) / 1000;
    EXPECT_DOUBLE_EQ(s.k1, std::fabs(1000.0 * 100 * expected::tan(1.0)));
    expectLevels(77, gr, 12);
    EXPECT_EQ(pixel(), colourOf(77, 156, 12));
    EXPECT_DOUBLE_EQ(s.grs, gr);
    EXPECT_EQ(s.res, 77);
}

TEST_F(ColourChannels, Scheme16PaintsTheInvertedLevelsAndCarriesTheFinishedOnes) {
    for (double negativ : {1.0, 2.0}) {
        use(3, 16);
        setLevels(10, 20, 30);  // angles 0: each level adds the previous own and red
        s.ba = 1, s.r3 = 2, s.r4 = 5, s.r5 = 2, s.r6 = 10, s.r7 = 4, s.r8 = 20;
        s.negativ = negativ;
        run();  // levels 20, 40, 100 scaled to 51, 102, 255
        EXPECT_EQ(pixel(), colourOf(204, 153, 0));
        EXPECT_NEAR(s.ree, 204, 1e-9);
        EXPECT_NEAR(s.grr, 153, 1e-9);
        EXPECT_NEAR(s.re, negativ == 1 ? 51 : 204, 1e-9);
        EXPECT_NEAR(s.bl, negativ == 1 ? 255 : 0, 1e-9);
    }
}

TEST_F(ColourChannels, Scheme17RewritesThePictureScaleAndSurvivesAFailedLift) {
    use(3, 17);
    s.ba = -4, s.r3 = 1, s.r4 = 2, s.r5 = 3, s.rmax = 6, s.r6 = s.r7 = s.r8 = 1;
    s.re0 = s.gr0 = s.bl0 = 100;
    run();
    EXPECT_EQ(s.ba, 4);
    EXPECT_EQ(s.ob34, 6);
    EXPECT_DOUBLE_EQ(s.ba3, 4.0 * 3 / 6 * 6);
    const double lift = 1 - expected::log(2.0);
    EXPECT_DOUBLE_EQ(s.re, 100 * std::fabs(expected::sin(expected::log(4.0 * 1 / 6 * 6 + 1)) + lift));
    s.ba = 0;  // ln(sqrt(0)) fails: every level keeps its value
    setLevels(7, 8, 9);
    run();
    EXPECT_EQ(s.ba1, 0);
    expectLevels(7, 8, 9);
    EXPECT_EQ(pixel(), colourOf(7, 8, 9));
}

TEST_F(ColourChannels, Scheme18LevelWithFailedLogKeepsThePreviousLevel) {
    use(3, 18);
    setLevels(5, 0, 7);  // ln(0 * 7) fails: red stays 5
    s.ba = 1, s.r3 = s.r4 = s.r5 = s.r6 = s.r7 = s.r8 = 1, s.baza = 255;
    run();
    const double gr = 1 + expected::log(35.0), bl = 1 + expected::log(5 * gr);
    EXPECT_NEAR(s.re, 255, 1e-9);
    EXPECT_NEAR(s.gr, gr * 51, 1e-9);
    EXPECT_NEAR(s.bl, bl * 51, 1e-9);
    EXPECT_EQ(pixel(), colourOf(255, 232, 210));
}

TEST_F(ColourChannels, Scheme19ShiftsBringDownOnlyLevelsAbove255) {
    use(3, 19);
    s.ba = 1, s.rmax = 1, s.rmin = 0;
    s.r3 = 51, s.r4 = 10, s.r5 = 10, s.r6 = 10, s.r7 = 102, s.r8 = 10;  // 510, 100, 1020
    s.dre = 10, s.dgr = 50, s.dbl = -300;
    run();
    expectLevels(127.5 + 10 * expected::sin(1.0), 100, std::fabs(255 - 300 * expected::sin(1.0)));
    EXPECT_EQ(pixel(), colourOf(136, 100, 3));
}

TEST_F(ColourChannels, Scheme20CrossesThePreviousLevelsOverByKrgb) {
    struct Case { double krgb; int r, g, b; };
    for (auto c : {Case{22, 10, 20, 30}, Case{1, 10, 10, 10}, Case{24, 30, 10, 20}, Case{0, 1, 2, 3}}) {
        use(3, 20);
        setLevels(10, 20, 30);
        s.ree = 1, s.grr = 2, s.bll = 3, s.krgb = c.krgb;
        s.ba = 0, s.dre = s.dgr = s.dbl = 0;  // the levels are the crossed ones
        run();
        EXPECT_EQ(pixel(), colourOf(c.r, c.g, c.b)) << c.krgb;
        EXPECT_EQ(s.bll, c.b);
    }
}

TEST_F(ColourChannels, Scheme15WithAllLevelsZeroFailsTheDivisionAndPaintsBlack) {
    use(3, 15);
    setLevels(50, 60, 70);
    s.ba = 0, s.r3 = 1, s.f = -1;
    run();
    EXPECT_EQ(s.f, 0);
    expectLevels(0, 0, 0);
    EXPECT_EQ(pixel(), 0u);
}

}  // namespace
}  // namespace momentart::colour_tests
