// What the panel and the history say of a picture comes from planning its
// run again; it must agree with what the whole run does, for every type.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/generation/catalogue.h"
#include "engine/picture_summary.h"
#include "engine/startup.h"

namespace momentart {
namespace {

TEST(PictureSummary, AgreesWithTheWholeRunForEveryTypeAndLeavesTheRecipeAlone) {
    int crossPictures = 0;
    for (int type = kFirstType; type <= kLastType; ++type) {
        SCOPED_TRACE(type);
        GenerationState s;
        const std::uint32_t seed = 0x46000000u + static_cast<std::uint32_t>(type) * 4099u;
        startup(s, seed);
        // A second picture, so the summary reads a state an earlier run left.
        FixedMomentClock clock(seed, CalendarTime{2026, 12, 8, 11, type % 24, type % 60});
        RunHost host{clock, nullptr, nullptr};
        Canvas canvas;
        makeimageRecorded(s, canvas, host, RunOptions{type});
        s.izbors = type % 2;
        const Recipe recipe = makeimageRecorded(s, canvas, host, RunOptions{type});
        const std::string before = encodeRecipe(recipe);

        const PictureSummary summary = summarizePicture(recipe);
        EXPECT_EQ(encodeRecipe(recipe), before);
        EXPECT_EQ(summary.name, s.imeslike);
        EXPECT_EQ(summary.type, type);
        EXPECT_EQ(summary.seed, seed);
        EXPECT_EQ(summary.group, s.v1);
        EXPECT_EQ(summary.formula, s.v2);
        EXPECT_EQ(summary.family, s.barve);
        EXPECT_EQ(summary.scheme, s.tip);
        EXPECT_EQ(summary.drawingMode, s.nacin);
        EXPECT_EQ(summary.cross, s.kriz == 2);
        if (summary.cross) {
            ++crossPictures;
            EXPECT_GE(summary.crossGroup, 1);
            EXPECT_LE(summary.crossGroup, 15);
            EXPECT_GE(summary.crossFormula, 1);
        }
    }
    EXPECT_GT(crossPictures, 0);
}

}  // namespace
}  // namespace momentart
