// Scaled runs and runs split across threads: the same pictures, exactly.
#include <gtest/gtest.h>

#include "engine/generation/catalogue.h"
#include "engine/generation/run.h"
#include "engine/startup.h"
#include "engine/state_fields.h"
#include "test_clock.h"

namespace momentart {
namespace {

using testing::TestClock;

struct Picture {
    GenerationState state;
    Canvas canvas;
};

Picture render(int type, std::uint32_t seed, int scale, int jobs) {
    Picture picture{{}, Canvas(Canvas::kWidth * scale, Canvas::kHeight * scale)};
    startup(picture.state, 5);
    TestClock clock(seed);
    RunHost host{clock};
    RunOptions options;
    options.forcedType = type;
    options.scale = scale;
    options.jobs = jobs;
    EXPECT_TRUE(makeimage(picture.state, picture.canvas, host, options));
    return picture;
}

void expectSame(const Picture& a, const Picture& b) {
    EXPECT_TRUE(a.canvas == b.canvas);
    EXPECT_TRUE(sameNumbersAndGenerator(a.state, b.state));
}

TEST(ScaledRun, CanvasIsKTimesAsLargeAndEveryPositionIsVisited) {
    const Picture picture = render(9, 31, 2, 1);
    EXPECT_EQ(picture.state.sir, 1200);
    EXPECT_EQ(picture.state.vis, 900);
    // The last visit of mode 1 is the corner one past the picture.
    EXPECT_EQ(picture.state.i, 1200);
    EXPECT_EQ(picture.state.j, 900);
}

// Positions of a K = 2 picture at even columns and rows are exactly those of
// K = 1 (the scale doubles and so do the columns). Where the formula and the
// colouring read nothing from the pixel before, the pictures agree there but
// for the pixels where a failing statement kept the previous pixel's value.
// Type 12 fixes formula 3 of group 4 and schemes 4..6; type 11 formula group 1
// and scheme 13, both in mode 1; type 37 formula 7 of group 12 and scheme 13
// in mode 12 (a lattice).
TEST(ScaledRun, HalfTheColumnsAndRowsOfScaleTwoAreTheScaleOnePicture) {
    for (int type : {11, 12, 37}) {
        for (std::uint32_t seed : {101u, 202u}) {
            SCOPED_TRACE(::testing::Message() << "type " << type << " seed " << seed);
            const Picture one = render(type, seed, 1, 1);
            const Picture two = render(type, seed, 2, 2);
            long same = 0;
            for (int row = 0; row < Canvas::kHeight; ++row)
                for (int column = 0; column < Canvas::kWidth; ++column)
                    same += one.canvas.at(column, row) == two.canvas.at(2 * column, 2 * row);
            EXPECT_GE(same, 0.99 * Canvas::kWidth * Canvas::kHeight);
        }
    }
}

// Every type, split across two, three and seven threads, against one thread.
TEST(SplitRun, EveryTypeAtScaleOneIsTheSameOnAnyNumberOfThreads) {
    for (int type = kFirstType; type <= kLastType; ++type) {
        SCOPED_TRACE(type);
        const std::uint32_t seed = 4000 + static_cast<std::uint32_t>(type);
        const Picture alone = render(type, seed, 1, 1);
        for (int jobs : {2, 3, 7}) expectSame(alone, render(type, seed, 1, jobs));
    }
}

// At scale 4 (4.3 million visits each), one case per type so that the cases
// spread over the test runner's workers.
class SplitRunAtScaleFour : public ::testing::TestWithParam<int> {};

TEST_P(SplitRunAtScaleFour, IsTheSameOnOneAndTwoThreads) {
    const int type = GetParam();
    const std::uint32_t seed = 7000 + static_cast<std::uint32_t>(type);
    expectSame(render(type, seed, 4, 1), render(type, seed, 4, 2));
}

INSTANTIATE_TEST_SUITE_P(EveryType, SplitRunAtScaleFour, ::testing::Range(kFirstType, kLastType + 1));

struct Stopper final : RunObserver {
    int reports = 0;
    void progress(const Canvas&, long, long) override { ++reports; }
    bool stopRequested() override { return reports >= 3; }
};

TEST(SplitRun, AnObserverCanStopTheRunOnOneOrManyThreads) {
    for (int jobs : {1, 2}) {
        GenerationState s;
        startup(s, 5);
        Canvas canvas(Canvas::kWidth * 2, Canvas::kHeight * 2);
        TestClock clock(77);
        Stopper stopper;
        RunHost host{clock, nullptr, &stopper};
        RunOptions options;
        options.forcedType = 9;
        options.scale = 2;
        options.jobs = jobs;
        EXPECT_FALSE(makeimage(s, canvas, host, options)) << jobs;
        // The stop is asked for at the third report; each other thread may
        // finish the line it is on and report once more.
        EXPECT_GE(stopper.reports, 3) << jobs;
        EXPECT_LE(stopper.reports, 3 + (jobs - 1)) << jobs;
    }
}

}  // namespace
}  // namespace momentart
