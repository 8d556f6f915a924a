// Variations: a varied run differs from the picture's own run only in the
// part asked for, the picture's generator runs on untouched, the type's
// fixed parts are reported, and recipes carry the variation and replay it.
#include "engine/generation/variation.h"

#include <cstring>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "engine/generation/catalogue.h"
#include "engine/generation/run.h"
#include "engine/recipe.h"
#include "engine/recipe_variation.h"
#include "engine/startup.h"
#include "engine/state_fields.h"
#include "test_clock.h"

namespace momentart {
namespace {

using testing::TestClock;

struct Planned {
    GenerationState state;
    RunPlan plan;
};

Planned planOf(std::uint32_t seed, int type, Variation variation = {}) {
    Planned planned;
    startup(planned.state, seed);
    TestClock clock(seed);
    RunOptions options(type);
    options.variation = variation;
    planned.plan = planRun(planned.state, clock, options);
    return planned;
}

// The number fields in which two states differ, bit for bit.
std::set<std::string> changedFields(const GenerationState& a, const GenerationState& b) {
    std::set<std::string> names;
    for (const NumberField& field : numberFields())
        if (std::memcmp(&(a.*field.member), &(b.*field.member), sizeof(double)) != 0)
            names.emplace(field.name);
    return names;
}

bool sameCentres(const Frame& a, const Frame& b) { return a.cx == b.cx && a.cy == b.cy; }
bool samePairs(const RunPlan& a, const RunPlan& b) {
    return a.v1run == b.v1run && a.v2run == b.v2run && a.v1alt == b.v1alt && a.v2alt == b.v2alt;
}

const std::set<std::string> kColourFields = {
    "ba1", "f1", "f2", "f3", "fba2", "frgb02", "frgb03", "f06", "f09", "remin", "remax", "grmin",
    "grmax", "blmin", "blmax", "bamax", "fre", "fgr", "fbl", "m1", "m2", "re0", "gr0", "bl0",
    "baza", "dre", "dgr", "dbl", "krgb", "tip"};

TEST(Variation, EachKindChangesOnlyItsOwnPartAndNeverThePicturesGenerator) {
    // Every type, a few seeds, every kind that the type leaves free.
    std::set<VariationKind> seenChanging;
    for (int type = kFirstType; type <= kLastType; ++type) {
        for (std::uint32_t seed : {3u, 0x46A0E000u}) {
            const Planned original = planOf(seed, type);
            for (const VariationKindName& kind : variationKinds()) {
                if (!variationFree(original.state, kind.kind)) continue;
                const Planned varied = planOf(seed, type, {kind.kind, 7});
                const std::string where = std::string(kind.name) + " type " + std::to_string(type);
                // The generator that paints the pixels runs on as in the picture.
                EXPECT_EQ(varied.state.rnd.rawState(), original.state.rnd.rawState()) << where;
                const std::set<std::string> changed = changedFields(original.state, varied.state);
                const bool centresMoved = !sameCentres(original.plan.frame, varied.plan.frame);
                const bool pairsChanged = !samePairs(original.plan, varied.plan);
                std::set<std::string> allowed;
                switch (kind.kind) {
                case VariationKind::Centres:
                    EXPECT_EQ(varied.plan.frame.skalax, original.plan.frame.skalax) << where;
                    break;
                case VariationKind::Colours:
                    allowed = kColourFields;
                    EXPECT_FALSE(centresMoved) << where;
                    if (original.state.barvanje != 2) {
                        EXPECT_EQ(changed.count("tip"), 0u) << where;
                    }
                    break;
                case VariationKind::Formula:
                    allowed = {"v1", "v2"};
                    EXPECT_FALSE(centresMoved) << where;
                    if (original.state.forma == 1) {
                        EXPECT_EQ(varied.state.v1, original.state.v1) << where;
                    }
                    break;
                case VariationKind::Zoom:
                    allowed = {"osx", "osy"};
                    break;
                case VariationKind::None:
                    break;
                }
                for (const std::string& name : changed)
                    EXPECT_TRUE(allowed.contains(name)) << where << " changed " << name;
                if (kind.kind != VariationKind::Formula) {
                    EXPECT_FALSE(pairsChanged) << where;
                }
                if (!changed.empty() || centresMoved || pairsChanged) seenChanging.insert(kind.kind);
            }
        }
    }
    EXPECT_EQ(seenChanging.size(), variationKinds().size());
}

TEST(Variation, TheTypeDecidesWhichPartsAreFree) {
    EXPECT_FALSE(variationFree(planOf(5, 11).state, VariationKind::Zoom));     // osx = 10
    EXPECT_TRUE(variationFree(planOf(5, 9).state, VariationKind::Zoom));
    EXPECT_FALSE(variationFree(planOf(5, 36).state, VariationKind::Formula));  // v1 = 12, v2 = 7
    EXPECT_TRUE(variationFree(planOf(5, 10).state, VariationKind::Formula));   // v2 free
    // Type 36 fixes v1 and v2, but type 33 has a second, drawn pair.
    EXPECT_TRUE(variationFree(planOf(5, 33).state, VariationKind::Formula));
    for (int type = kFirstType; type <= kLastType; ++type) {
        EXPECT_TRUE(variationFree(planOf(5, type).state, VariationKind::Centres));
        EXPECT_TRUE(variationFree(planOf(5, type).state, VariationKind::Colours));
    }
}

TEST(Variation, NeighbouringSeedsGiveDifferentCentres) {
    std::set<std::pair<double, double>> firstCentres;
    for (std::uint32_t v = 0; v < 16; ++v) {
        const Frame frame = planOf(1234, 9, {VariationKind::Centres, v}).plan.frame;
        firstCentres.emplace(frame.cx[0], frame.cy[0]);
    }
    EXPECT_GE(firstCentres.size(), 15u);
}

TEST(Variation, ARecipeRecordsTheVariationAndReplaysItBitForBit) {
    GenerationState s;
    startup(s, 99);
    TestClock clock(99);
    auto canvas = std::make_unique<Canvas>();
    RunHost host{clock};
    RunOptions options(27);
    options.variation = {VariationKind::Colours, 4000000000u};
    const Recipe recipe = makeimageRecorded(s, *canvas, host, options);
    const std::string text = encodeRecipe(recipe);
    EXPECT_NE(text.find("\nvariation=colours\nvariation-seed=4000000000\ncheck="), std::string::npos);

    const RecipeReading read = decodeRecipe(text);
    ASSERT_TRUE(read.recipe) << read.error;
    EXPECT_EQ(read.recipe->variation.kind, VariationKind::Colours);
    EXPECT_EQ(read.recipe->variation.seed, 4000000000u);
    GenerationState again;
    auto remade = std::make_unique<Canvas>();
    remake(*read.recipe, again, *remade, nullptr);
    EXPECT_TRUE(*remade == *canvas);

    // The same recipe without its variation is the picture itself, which
    // differs; a recipe without the keys reads as no variation.
    const Recipe plain = variationRecipe(recipe, {});
    const std::string plainText = encodeRecipe(plain);
    EXPECT_EQ(plainText.find("variation"), std::string::npos);
    ASSERT_TRUE(decodeRecipe(plainText).recipe);
    EXPECT_EQ(decodeRecipe(plainText).recipe->variation.kind, VariationKind::None);
    remake(plain, again, *remade, nullptr);
    EXPECT_FALSE(*remade == *canvas);
}

}  // namespace
}  // namespace momentart
