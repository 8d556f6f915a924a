#include "engine/generation/run.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "engine/generation/catalogue.h"
#include "engine/stamp.h"
#include "engine/startup.h"
#include "test_clock.h"

namespace momentart {
namespace {

using testing::TestClock;

// Records the stamp's items instead of drawing them.
struct RecordingPrinter final : TextPrinter {
    std::vector<TextLine> lines;
    void print(Canvas&, std::span<const TextLine> printed, int points, ColourNumber colour) override {
        EXPECT_EQ(points, 9);
        EXPECT_EQ(colour, colourOf(255, 255, 255));
        lines.insert(lines.end(), printed.begin(), printed.end());
    }
};

struct ProgressLog final : RunObserver {
    std::vector<long> visited;
    long total = 0;
    void progress(const Canvas&, long v, long t) override {
        visited.push_back(v);
        total = t;
    }
};

GenerationState startedState(std::uint32_t seed) {
    GenerationState s;
    startup(s, seed);
    return s;
}

TEST(Run, PlanDrawsFreeSelectorsOnlyWhereTheTypeLeavesThem) {
    TestClock clock(1000);
    {
        GenerationState s = startedState(1);
        planRun(s, clock, {36});  // v1 and v2 fixed
        EXPECT_EQ(s.forma, 2);
        EXPECT_EQ(s.v1, 12);
        EXPECT_EQ(s.v2, 7);
    }
    {
        GenerationState s = startedState(1);
        planRun(s, clock, {10});  // only v1 fixed: v2 is the first draw after seeding
        Pcg32 reference;
        reference.seed(1000);
        EXPECT_EQ(s.forma, 1);
        EXPECT_EQ(s.v1, 6);
        EXPECT_EQ(s.v2, std::floor(static_cast<double>(reference.rnd()) * 15 + 1));
    }
    {
        GenerationState s = startedState(1);
        planRun(s, clock, {9});  // neither fixed: v1, then v2
        Pcg32 reference;
        reference.seed(1000);
        EXPECT_EQ(s.forma, 0);
        EXPECT_EQ(s.v1, std::floor(static_cast<double>(reference.rnd()) * 15 + 1));
        EXPECT_EQ(s.v2, std::floor(static_cast<double>(reference.rnd()) * 15 + 1));
    }
    {
        GenerationState s = startedState(1);
        planRun(s, clock, {17});  // barve fixed, tip free
        EXPECT_EQ(s.barvanje, 2);
        EXPECT_GE(s.tip, 1);
        EXPECT_LE(s.tip, 20);
    }
    {
        GenerationState s = startedState(1);
        planRun(s, clock, {11});  // osx fixed at 10
        EXPECT_EQ(s.zum, 1);
        EXPECT_EQ(s.osx, 10);
        EXPECT_EQ(s.osy, 10);
    }
}

TEST(Run, DrawsStayInTheirRanges) {
    int negatives[3] = {0, 0, 0};
    for (std::uint32_t seed = 0; seed < 400; ++seed) {
        GenerationState s = startedState(seed);
        TestClock clock(seed * 7919u);
        const RunPlan plan = planRun(s, clock, {9});
        ASSERT_TRUE(s.negativ == 1 || s.negativ == 2);
        negatives[static_cast<int>(s.negativ)]++;
        ASSERT_GE(s.osx, 5);
        ASSERT_LT(s.osx, 10);
        ASSERT_GE(plan.v1alt, 1);
        ASSERT_LE(plan.v1alt, 15);
        ASSERT_GE(s.ba1, 100);
        ASSERT_LT(s.ba1, 200);
        ASSERT_GE(s.fba2, -5);
        ASSERT_LT(s.fba2, 5);
        ASSERT_GE(s.frgb02, 1);
        ASSERT_LE(s.frgb03, 3);
        ASSERT_GE(s.f06, 200);
        ASSERT_LT(s.f06, 1200);
        ASSERT_GE(s.bamax, 10000);
        ASSERT_GE(s.dre, -100);
        ASSERT_LE(s.dre, 99);
        ASSERT_GE(s.baza, 250);
        ASSERT_LE(s.baza, 449);
        ASSERT_GE(s.krgb, 1);
        ASSERT_LE(s.krgb, 27);
        ASSERT_EQ(s.nb3, 255);
        ASSERT_EQ(s.ba, 0);
        ASSERT_EQ(s.nacin, s.nac);
    }
    // negativ is 1 or 2 with equal chances.
    EXPECT_GT(negatives[1], 150);
    EXPECT_GT(negatives[2], 150);
}

TEST(Run, NameIsTAndFourteenDigitsOfTheMoment) {
    GenerationState s = startedState(3);
    TestClock clock(3);
    planRun(s, clock);
    EXPECT_EQ(s.imeslike, "T20261207081453");
    EXPECT_EQ(s.imeslike.size(), 15u);
}

TEST(Run, RepeatKeepsTheTypeAndWhatTheLastRunDrew) {
    GenerationState s = startedState(11);
    TestClock clock(500);
    planRun(s, clock, {12});
    const double tip = s.tip, v1 = s.v1, v2 = s.v2, osx = s.osx;
    s.izbors = 1;
    clock.setSeed(501);
    planRun(s, clock, {40});  // a repeat ignores any type asked for
    EXPECT_EQ(s.izbor, 12);
    EXPECT_EQ(s.tip, tip);
    EXPECT_EQ(s.v1, v1);
    EXPECT_EQ(s.v2, v2);
    EXPECT_EQ(s.osx, osx);  // drawn last time, so fixed now
    EXPECT_EQ(s.zum, 1);
}

TEST(Run, WholePictureIsRepeatableAndSeedsDiffer) {
    auto render = [](std::uint32_t seed, int type) {
        GenerationState s = startedState(seed);
        TestClock clock(seed);
        Canvas canvas;
        RunHost host{clock};
        makeimage(s, canvas, host, {type});
        return canvas;
    };
    const Canvas a = render(42, 31);
    EXPECT_TRUE(a == render(42, 31));
    EXPECT_FALSE(a == render(43, 31));
}

TEST(Run, CrossModeRestoresTheFormulaPairAndStampsTheType) {
    GenerationState s = startedState(5);
    TestClock clock(77);
    Canvas canvas;
    RecordingPrinter printer;
    ProgressLog progress;
    RunHost host{clock, &printer, &progress};
    makeimage(s, canvas, host, {33});
    Pcg32 reference;  // v1 of type 33 is the catalogue's draw from the start-up seed
    reference.seed(5);
    const float u = reference.rnd();
    EXPECT_EQ(s.v1, std::floor(u + u + 14.0f));
    Pcg32 runDraws;  // v2 is the run's first draw after reseeding
    runDraws.seed(77);
    EXPECT_EQ(s.v2, std::floor(static_cast<double>(runDraws.rnd()) * 15 + 1));
    EXPECT_EQ(s.change, 0);
    EXPECT_EQ(clock.reads, 1);

    ASSERT_EQ(printer.lines.size(), 4u);
    EXPECT_EQ(printer.lines[0].text, s.imeslike);
    EXPECT_EQ(printer.lines[1].text, kAuthorWeb);
    EXPECT_EQ(printer.lines[2].text, "Generative Art by Tamiren");
    EXPECT_EQ(printer.lines[3].text, " 33");
    EXPECT_EQ(printer.lines[3].x, 580);
    EXPECT_EQ(printer.lines[0].y, 425);

    // Mode 3 tells the observer after every row; the last call covers all.
    EXPECT_EQ(progress.visited.size(), 451u);
    EXPECT_EQ(progress.visited.back(), progress.total);
    EXPECT_EQ(progress.total, 601L * 451L);
}

TEST(Run, EveryTypePaintsAPicture) {
    for (int type = kFirstType; type <= kLastType; ++type) {
        GenerationState s = startedState(2026);
        TestClock clock(2026 + type);
        Canvas canvas;
        RunHost host{clock};
        makeimage(s, canvas, host, {type});
        SCOPED_TRACE(type);
        EXPECT_EQ(s.izbor, type);
        long lit = 0;
        for (int row = 0; row < Canvas::kHeight; ++row)
            for (int column = 0; column < Canvas::kWidth; ++column) lit += canvas.at(column, row) != 0;
        EXPECT_GT(lit, 0);
        for (double v : {s.ba, s.re, s.gr, s.bl, s.izraz}) EXPECT_TRUE(std::isfinite(v));
    }
}

}  // namespace
}  // namespace momentart
