// The run computes only the angles and pair sums its picture reads: the
// table of who reads what is checked against every formula and scheme with
// the other fields poisoned, and whole runs of every type are checked against
// the full computation, pixels and the state they leave.
#include "engine/generation/geometry_reads.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "engine/colouring/colouring.h"
#include "engine/formulas/bank.h"
#include "engine/generation/catalogue.h"
#include "engine/startup.h"
#include "engine/state_fields.h"
#include "test_clock.h"

namespace momentart {
namespace {

using testing::TestClock;
using Field = double GenerationState::*;

// The angles and pair sums in bit order.
const std::vector<Field>& geometryFields() {
    static const std::vector<Field> fields = {
        &GenerationState::fi3,  &GenerationState::fi4,  &GenerationState::fi5,
        &GenerationState::fi6,  &GenerationState::fi7,  &GenerationState::fi8,
        &GenerationState::ob34, &GenerationState::ob35, &GenerationState::ob36,
        &GenerationState::ob37, &GenerationState::ob38, &GenerationState::ob45,
        &GenerationState::ob46, &GenerationState::ob47, &GenerationState::ob48,
        &GenerationState::ob56, &GenerationState::ob57, &GenerationState::ob58,
        &GenerationState::ob67, &GenerationState::ob68, &GenerationState::ob78,
    };
    return fields;
}

bool same(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

// The first field (by name) where the two states differ, outside `ignored`;
// empty when none does.
std::string firstDifference(const GenerationState& a, const GenerationState& b,
                            GeometryReads ignored = 0) {
    for (const NumberField& f : numberFields()) {
        bool skip = false;
        for (std::size_t n = 0; n < geometryFields().size(); ++n)
            skip |= (ignored >> n & 1) && geometryFields()[n] == f.member;
        if (!skip && !same(a.*f.member, b.*f.member)) return std::string(f.name);
    }
    if (a.rnd.rawState() != b.rnd.rawState()) return "rnd";
    return {};
}

// Pixels of real pictures with the full geometry computed: the state as a
// formula or scheme finds it (the picture's parameters, levels and ba
// included).
std::vector<GenerationState> pixelsOfPictures() {
    std::vector<GenerationState> pixels;
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        GenerationState s;
        startup(s, seed);
        TestClock clock(seed * 7919);
        const RunPlan plan = planRun(s, clock, {kFirstType + static_cast<int>(seed)});
        Pcg32 pick;
        pick.seed(seed);
        for (int n = 0; n < 12; ++n) {
            const int column = static_cast<int>(pick.rndDouble() * 601);
            const int row = static_cast<int>(pick.rndDouble() * 451);
            s.i = column;
            s.j = row;
            s.x = plan.frame.worldX(column);
            s.y = plan.frame.worldY(row);
            pixelGeometry(s, plan.frame);
            s.ba = (pick.rndDouble() - 0.3) * 40;
            s.izraz = pick.rndDouble() * 3;
            s.re = pick.rndDouble() * 300;
            s.gr = pick.rndDouble() * 300;
            s.bl = pick.rndDouble() * 300;
            pixels.push_back(s);
        }
    }
    return pixels;
}

// Two poisons: a failure, and a plausible value that is wrong.
void poison(GenerationState& s, GeometryReads fields, int kind) {
    for (std::size_t n = 0; n < geometryFields().size(); ++n)
        if (fields >> n & 1)
            s.*geometryFields()[n] = kind == 0 ? std::numeric_limits<double>::quiet_NaN()
                                               : s.*geometryFields()[n] * 1.37 + 0.61;
}

// One formula or colouring scheme applied to a pixel's state: the state it
// leaves and the colour it paints.
struct Outcome {
    GenerationState s;
    ColourNumber painted;
};
using Stage = Outcome (*)(GenerationState s, int selector, int member);

Outcome formula(GenerationState s, int group, int number) {
    s.v1 = group;
    s.v2 = number;
    barvanivo1(s);
    return {s, 0};
}

Outcome colouring(GenerationState s, int family, int scheme) {
    auto canvas = std::make_unique<Canvas>();
    s.zamikx = s.zamiky = 0;
    s.sir0 = 600;
    s.vis0 = 450;
    s.barve = family;
    s.tip = scheme;
    const int column = static_cast<int>(s.i), row = static_cast<int>(s.j);
    canvas->set(column, row, colourOf(1, 2, 3));
    barvanivo2(s, *canvas);
    // The last column and row of a run (600, 450) lie outside the canvas,
    // which paints nothing there.
    const bool inside = column >= 0 && column < Canvas::kWidth && row >= 0 && row < Canvas::kHeight;
    return {s, inside ? canvas->at(column, row) : ColourNumber{0}};
}

// Checks the table for one formula or scheme over every pixel: poisoning
// the fields it does not list changes nothing and it does not write them,
// and each field it lists changes the outcome at some pixel, or is written
// by it.
void checkReads(const std::vector<GenerationState>& pixels, Stage stage, int selector, int member,
                GeometryReads listed) {
    SCOPED_TRACE(::testing::Message() << "selector " << selector << ", member " << member);
    const GeometryReads unread = kAllGeometry & ~listed;
    std::vector<bool> matters(geometryFields().size(), false);
    for (const GenerationState& pixel : pixels) {
        const Outcome full = stage(pixel, selector, member);
        for (int kind = 0; kind < 2; ++kind) {
            GenerationState poisoned = pixel;
            poison(poisoned, unread, kind);
            const Outcome lazy = stage(poisoned, selector, member);
            ASSERT_EQ(firstDifference(full.s, lazy.s, unread), "") << "poison " << kind;
            ASSERT_EQ(full.painted, lazy.painted) << "poison " << kind;
            // Nor does it write them: a field it writes must be computed,
            // so that the state it leaves is the full computation's.
            for (std::size_t n = 0; n < geometryFields().size(); ++n) {
                const Field f = geometryFields()[n];
                if (unread >> n & 1) {
                    ASSERT_TRUE(same(lazy.s.*f, poisoned.*f)) << "writes field " << n;
                }
            }
            for (std::size_t n = 0; n < geometryFields().size(); ++n) {
                if (!(listed >> n & 1)) continue;
                GenerationState one = pixel;
                poison(one, GeometryReads{1} << n, kind);
                const Outcome changed = stage(one, selector, member);
                const Field f = geometryFields()[n];
                matters[n] = matters[n] || !firstDifference(full.s, changed.s, GeometryReads{1} << n).empty() ||
                             full.painted != changed.painted || same(changed.s.*f, full.s.*f);
            }
        }
    }
    for (std::size_t n = 0; n < geometryFields().size(); ++n)
        if (listed >> n & 1) {
            EXPECT_TRUE(matters[n]) << "field " << n << " is listed but never read";
        }
}

TEST(GeometryReads, EveryFormulaReadsExactlyTheAnglesAndPairSumsItsRowLists) {
    const auto pixels = pixelsOfPictures();
    for (int group = 1; group <= 16; ++group)
        for (int number = 1; number <= 15; ++number)
            checkReads(pixels, formula, group, number, formulaReads(group, number));
}

TEST(GeometryReads, EveryColouringSchemeReadsExactlyWhatItsRowLists) {
    const auto pixels = pixelsOfPictures();
    for (int scheme : {2, 3}) checkReads(pixels, colouring, 2, scheme, colouringReads(2, scheme));
    for (int scheme = 1; scheme <= 21; ++scheme)
        checkReads(pixels, colouring, 3, scheme, colouringReads(3, scheme));
    checkReads(pixels, colouring, 5, 62, colouringReads(5, 62));
}

TEST(GeometryReads, MostPicturesReadNoAngle) {
    // Otherwise computing only what is read would save nothing.
    int readingNone = 0;
    for (int type = kFirstType; type <= kLastType; ++type) {
        GenerationState s;
        startup(s, 5);
        TestClock clock(77 + type);
        const RunPlan plan = planRun(s, clock, {type});
        readingNone += (pictureReads(s, plan) & kAllAngles) == 0;
    }
    EXPECT_GT(readingNone, (kLastType - kFirstType + 1) / 2);
}

// The window's way: one state carried from picture to picture, so an angle
// left by one picture is where the next picture's first column finds it.
TEST(GeometryReads, EveryTypeOverManySeedsPaintsAndLeavesWhatTheFullComputationDoes) {
    auto lazyCanvas = std::make_unique<Canvas>(), fullCanvas = std::make_unique<Canvas>();
    for (std::uint32_t round = 0; round < 3; ++round) {
        GenerationState lazy, full;
        startup(lazy, 100 + round);
        startup(full, 100 + round);
        for (int type = kFirstType; type <= kLastType; ++type) {
            SCOPED_TRACE(::testing::Message() << "round " << round << ", type " << type);
            TestClock clock(round * 1000 + static_cast<std::uint32_t>(type));
            RunHost host{clock};
            makeimage(lazy, *lazyCanvas, host, {type});
            makeimage(full, *fullCanvas, host, {type, kAllGeometry});
            ASSERT_TRUE(*lazyCanvas == *fullCanvas);
            ASSERT_EQ(firstDifference(lazy, full), "");
        }
    }
}

}  // namespace
}  // namespace momentart
