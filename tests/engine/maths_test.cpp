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

// A picture of each maths from the same state, recorded.
struct TwoPictures {
    Recipe recipe;  // of the correctly rounded one
    std::unique_ptr<Canvas> rounded = std::make_unique<Canvas>(), library = std::make_unique<Canvas>();
};

TwoPictures twoPictures(std::uint32_t seed, int type) {
    TwoPictures two;
    RunOptions options(type);
    for (Canvas* canvas : {two.library.get(), two.rounded.get()}) {
        GenerationState s;
        startup(s, seed);
        testing::TestClock clock(seed);
        RunHost host{clock};
        options.maths = canvas == two.library.get() ? Maths::CLibrary : Maths::CorrectlyRounded;
        two.recipe = makeimageRecorded(s, *canvas, host, options);
    }
    return two;
}

TEST(Maths, ARecipeSaysWhichMathsMadeItsPictureAndOneWithoutSaysTheCLibrarys) {
    // A feedback type (group 16), whose pictures differ between the maths.
    const TwoPictures two = twoPictures(61, 61);
    ASSERT_FALSE(*two.rounded == *two.library);
    EXPECT_EQ(two.recipe.maths, Maths::CorrectlyRounded);
    const std::string text = encodeRecipe(two.recipe);
    const std::size_t key = text.find("\nmaths=correctly-rounded\n");
    ASSERT_NE(key, std::string::npos);
    std::string before = text;
    before.erase(key + 1, std::string("maths=correctly-rounded\n").size());
    std::string explicitLibrary = text;
    explicitLibrary.replace(key + 1, 23, "maths=c-library");
    const struct {
        std::string text;
        const Canvas& expected;
    } cases[] = {{text, *two.rounded}, {testing::resigned(before), *two.library},
                 {testing::resigned(explicitLibrary), *two.library}};
    for (const auto& [recipeText, expected] : cases) {
        const RecipeReading read = decodeRecipe(recipeText);
        ASSERT_TRUE(read.recipe) << read.error;
        GenerationState s;
        auto canvas = std::make_unique<Canvas>();
        remake(*read.recipe, s, *canvas, nullptr, nullptr, 2);
        EXPECT_TRUE(*canvas == expected) << recipeText.substr(key, 40);
        EXPECT_EQ(encodeRecipe(*read.recipe).find("\nmaths="), read.recipe->maths == Maths::CLibrary
                                                                    ? std::string::npos
                                                                    : key);
    }
    std::string bad = text;
    bad.replace(key + 1, 23, "maths=exact");
    const RecipeReading read = decodeRecipe(testing::resigned(bad));
    EXPECT_FALSE(read.recipe);
    EXPECT_NE(read.error.find("maths 'exact' is not correctly-rounded or c-library"), std::string::npos)
        << read.error;
}

}  // namespace
}  // namespace momentart
