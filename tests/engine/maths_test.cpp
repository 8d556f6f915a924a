// The two maths of a run. New pictures equal their definition: the same
// picture made with MPFR computing every function agrees pixel for pixel
// (every type, every formula group; the first 4,000 visits of each, MPFR
// being slow). And a recipe says which maths made its picture: with the key,
// the correctly rounded picture comes again; without it (a recipe from
// before), the C library's.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "maths/correctly_rounded.h"
#include "recipe_support.h"
#include "test_clock.h"
#include "engine/generation/catalogue.h"
#include "engine/generation/run.h"
#include "engine/recipe.h"
#include "engine/startup.h"

namespace momentart {
namespace {

// Stops a run after its first `visits` visits (at the end of that line).
class StopAfter final : public RunObserver {
public:
    explicit StopAfter(long visits) : visits_(visits) {}
    void progress(const Canvas&, long visited, long) override { stop_ = visited >= visits_; }
    bool stopRequested() override { return stop_; }

private:
    long visits_;
    bool stop_ = false;
};

std::unique_ptr<Canvas> firstVisits(std::uint32_t seed, int type, bool referenceOnly) {
    maths::useReferenceOnly(referenceOnly);
    GenerationState s;
    startup(s, seed);
    testing::TestClock clock(seed);
    StopAfter stop(4000);
    RunHost host{clock, nullptr, &stop};
    auto canvas = std::make_unique<Canvas>();
    makeimage(s, *canvas, host, RunOptions(type));
    maths::useReferenceOnly(false);
    return canvas;
}

int drawnGroup(std::uint32_t seed, int type) {
    GenerationState s;
    startup(s, seed);
    testing::TestClock clock(seed);
    planRun(s, clock, RunOptions(type));
    return static_cast<int>(s.v1);
}

TEST(Maths, NewPicturesEqualThePicturesMpfrMakesOfEveryTypeAndFormulaGroup) {
    std::set<int> groups;
    int compared = 0;
    auto compare = [&](std::uint32_t seed, int type) {
        groups.insert(drawnGroup(seed, type));
        ++compared;
        EXPECT_TRUE(*firstVisits(seed, type, false) == *firstVisits(seed, type, true))
            << "type " << type << ", seed " << seed;
    };
    for (int type = kFirstType; type <= kLastType; ++type) compare(static_cast<std::uint32_t>(type) * 101, type);
    // Type 9 draws its formula group: more seeds until every group was seen.
    for (std::uint32_t seed = 1; groups.size() < 16 && seed < 2000; ++seed)
        if (!groups.contains(drawnGroup(seed, 9))) compare(seed, 9);
    EXPECT_EQ(groups.size(), 16u);
    EXPECT_GE(compared, 58 + 1);
}

TEST(Maths, ARecipeSaysWhichMathsMadeItsPictureAndOneWithoutTheKeyIsTheCLibrarys) {
    // A feedback type, whose pictures differ between the maths.
    Recipe recipe;
    std::unique_ptr<Canvas> made[2] = {std::make_unique<Canvas>(), std::make_unique<Canvas>()};
    for (const Maths maths : {Maths::CLibrary, Maths::CorrectlyRounded}) {
        GenerationState s;
        startup(s, 61);
        testing::TestClock clock(61);
        RunHost host{clock};
        RunOptions options(61);
        options.maths = maths;
        recipe = makeimageRecorded(s, *made[static_cast<int>(maths)], host, options);
    }
    ASSERT_FALSE(*made[0] == *made[1]);
    const std::string text = encodeRecipe(recipe);
    const std::string key = "maths=correctly-rounded\n";
    const std::size_t at = text.find("\n" + key) + 1;
    ASSERT_NE(at, 0u);
    const std::pair<std::string, Maths> cases[] = {
        {text, Maths::CorrectlyRounded},
        {testing::resigned(std::string(text).erase(at, key.size())), Maths::CLibrary},
        {testing::resigned(std::string(text).replace(at, key.size(), "maths=c-library\n")), Maths::CLibrary}};
    for (const auto& [given, maths] : cases) {
        const RecipeReading read = decodeRecipe(given);
        ASSERT_TRUE(read.recipe) << read.error;
        GenerationState s;
        auto canvas = std::make_unique<Canvas>();
        remake(*read.recipe, s, *canvas, nullptr, nullptr, 2);
        EXPECT_TRUE(*canvas == *made[static_cast<int>(maths)]) << given.substr(at, 30);
    }
    const RecipeReading bad = decodeRecipe(testing::resigned(std::string(text).replace(at, key.size(), "maths=exact\n")));
    EXPECT_NE(bad.error.find("maths 'exact' is not correctly-rounded or c-library"), std::string::npos) << bad.error;
}

}  // namespace
}  // namespace momentart
