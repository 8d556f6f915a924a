// Films of a picture growing: every frame is exactly the canvas of a run
// stopped after that frame's number of visits, for one type of each drawing
// mode, cross mode, a feedback formula (a split run that never converges)
// and a scaled run, on one and on two threads.
#include "engine/growth_frames.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "engine/generation/run.h"
#include "engine/startup.h"
#include "test_clock.h"

namespace momentart {
namespace {

using testing::TestClock;

struct Case {
    const char* what;
    int type;
    int scale;
};

Canvas run(const Case& c, std::uint32_t seed, RunObserver* observer, int jobs, long visitLimit) {
    GenerationState s;
    startup(s, 5);
    Canvas canvas(Canvas::kWidth * c.scale, Canvas::kHeight * c.scale);
    TestClock clock(seed);
    RunHost host{clock, nullptr, observer};
    RunOptions options;
    options.forcedType = c.type;
    options.scale = c.scale;
    options.jobs = jobs;
    options.visitLimit = visitLimit;
    const long visits = visitCount(canvas.width(), canvas.height());
    EXPECT_EQ(makeimage(s, canvas, host, options), visitLimit == 0 || visitLimit >= visits);
    return canvas;
}

std::vector<Canvas> film(const Case& c, std::uint32_t seed, int frames, int jobs) {
    std::vector<Canvas> made;
    GrowthFrames growth(Canvas::kWidth * c.scale, Canvas::kHeight * c.scale, frames,
                        [&](const Canvas& frame, int index) {
                            EXPECT_EQ(index, static_cast<int>(made.size()));
                            made.push_back(frame);
                        });
    const Canvas finished = run(c, seed, &growth, jobs, 0);
    EXPECT_EQ(growth.framesMade(), frames);
    // Without a stamp the last frame is the finished picture.
    if (!made.empty()) {
        EXPECT_TRUE(made.back() == finished);
    }
    return made;
}

TEST(GrowthFrames, EveryFrameIsTheCanvasOfARunStoppedAtItsVisitCount) {
    const Case cases[] = {
        {"mode 1", 9, 1},           {"mode 3", 32, 1},  {"mode 12", 30, 1},
        {"mode 13, feedback", 61, 1}, {"mode 17", 50, 1}, {"cross mode", 33, 1},
        {"mode 17 at scale 2", 59, 2},
    };
    constexpr int kFrames = 6;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::uint32_t seed = 900 + static_cast<std::uint32_t>(c.type);
        const std::vector<Canvas> alone = film(c, seed, kFrames, 1);
        const std::vector<Canvas> shared = film(c, seed, kFrames, 2);
        ASSERT_EQ(alone.size(), std::size_t{kFrames});
        ASSERT_EQ(shared.size(), std::size_t{kFrames});
        const long visits = visitCount(Canvas::kWidth * c.scale, Canvas::kHeight * c.scale);
        for (int f = 0; f < kFrames; ++f) {
            const Canvas stopped = run(c, seed, nullptr, 1, visitsShownByFrame(f, kFrames, visits));
            EXPECT_TRUE(alone[f] == stopped) << "frame " << f << " on one thread";
            EXPECT_TRUE(shared[f] == stopped) << "frame " << f << " on two threads";
        }
    }
}

TEST(GrowthFrames, AFrameShowsTheRoundedUpShareOfTheVisits) {
    for (const long visits : {271051L, 1083601L, 7L})
        for (const int frames : {1, 3, 75, 180, 1000})
            for (int f = 0; f < frames; ++f) {
                const long double share = static_cast<long double>(visits) * (f + 1) / frames;
                ASSERT_EQ(visitsShownByFrame(f, frames, visits), static_cast<long>(std::ceil(share)))
                    << visits << " visits, frame " << f << " of " << frames;
            }
}

// A split run made again in order tells its first lines again: the frames
// made from them are not made twice.
TEST(GrowthFrames, LinesToldAgainMakeNoFrameTwice) {
    Canvas canvas(2, 1);
    canvas.set(0, 0, colourOf(1, 2, 3));
    canvas.set(1, 0, colourOf(4, 5, 6));
    std::vector<ColourNumber> firstPixels;
    GrowthFrames growth(2, 1, 6, [&](const Canvas& frame, int) { firstPixels.push_back(frame.at(1, 0)); });
    const VisitLine column0{0, 0, 1, 1, 1, 2}, column1{1, 0, 1, 1, 1, 2}, column2{2, 0, 1, 1, 1, 2};
    growth.lineFinal(canvas, column0, 0);
    growth.lineFinal(canvas, column1, 2);
    growth.lineFinal(canvas, column0, 0);
    growth.lineFinal(canvas, column1, 2);
    growth.lineFinal(canvas, column2, 4);
    EXPECT_EQ(growth.framesMade(), 6);
    EXPECT_EQ(firstPixels, (std::vector<ColourNumber>{0, 0, colourOf(4, 5, 6), colourOf(4, 5, 6),
                                                      colourOf(4, 5, 6), colourOf(4, 5, 6)}));
}

}  // namespace
}  // namespace momentart
