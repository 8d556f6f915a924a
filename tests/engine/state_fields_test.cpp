#include "engine/state_fields.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/recipe.h"
#include "engine/recipe_keys.h"
#include "engine/startup.h"
#include "engine/state_rules.h"
#include "test_clock.h"

namespace momentart {
namespace {

// The record holds three texts, the generator and nothing but doubles
// otherwise, so its size tells how many number fields there are.
constexpr std::size_t kDoublesInState =
    (sizeof(GenerationState) - 3 * sizeof(std::string) - sizeof(Pcg32)) / sizeof(double);
static_assert((sizeof(GenerationState) - 3 * sizeof(std::string) - sizeof(Pcg32)) %
                  sizeof(double) ==
              0);

TEST(StateFields, TheTableListsAsManyFieldsAsTheRecordHoldsDoubles) {
    EXPECT_EQ(numberFields().size(), kDoublesInState);
}

TEST(StateFields, EveryEntryIsADifferentMemberUnderADifferentName) {
    GenerationState s;
    const auto fields = numberFields();
    for (std::size_t n = 0; n < fields.size(); ++n) s.*fields[n].member = static_cast<double>(n + 1);
    // Two entries for one member would leave the earlier one reading the
    // later one's value.
    for (std::size_t n = 0; n < fields.size(); ++n)
        EXPECT_EQ(s.*fields[n].member, static_cast<double>(n + 1)) << fields[n].name;
    std::set<std::string_view> names;
    for (const NumberField& field : fields) EXPECT_TRUE(names.insert(field.name).second) << field.name;
}

// Recipes of real pictures: a window's session of new types and repeats,
// then the last one's recipe made a variation at another scale.
std::vector<Recipe> realRecipes() {
    testing::TestClock clock(1001);
    RunHost host{clock};
    GenerationState state;
    auto canvas = std::make_unique<Canvas>();
    startup(state, 1000);
    std::vector<Recipe> recipes;
    const double izbors[] = {0, 1, 0, 1};
    for (double choice : izbors) {
        state.izbors = choice;
        clock.setSeed(clock.reads + 2024);
        recipes.push_back(makeimageRecorded(state, *canvas, host));
    }
    Recipe changed = recipes.back();
    changed.forcedType = 31;
    changed.scale = 3;
    changed.variation = {variationKinds().front().kind, 77};
    recipes.push_back(changed);
    return recipes;
}

std::string written(const Recipe& recipe, const RecipeKey& key) { return key.format->write(recipe, key); }

// A recipe in which `key` does not hold its default value: a real one, or
// for a number field that a few runs leave alone, the last real one with
// the first value of another field in them that the field may hold.
std::optional<Recipe> recipeWithItsOwnValue(const RecipeKey& key, const std::vector<Recipe>& recipes) {
    const Recipe standard;
    for (const Recipe& recipe : recipes)
        if (written(recipe, key) != written(standard, key)) return recipe;
    if (key.number == nullptr) return std::nullopt;
    for (const Recipe& source : recipes)
        for (const NumberField& field : numberFields()) {
            Recipe recipe = recipes.back();
            recipe.before.*key.number = source.before.*field.member;
            if (written(recipe, key) != written(standard, key) && !unreachableField(recipe.before)) return recipe;
        }
    return std::nullopt;
}

// Each key carries its own value: a key that the decoder ignored, read into
// another field or wrote back changed would leave a recipe whose value
// differs from a default one's read back as something else.
TEST(StateFields, EveryRecipeKeyReadsBackAValueOtherThanItsDefault) {
    const std::vector<Recipe> recipes = realRecipes();
    for (const RecipeKey& key : recipeKeys()) {
        // The generator's increment has one valid value, its own.
        if (key.name == "rnd-increment") continue;
        const std::optional<Recipe> own = recipeWithItsOwnValue(key, recipes);
        if (!own) {
            ADD_FAILURE() << key.name << " holds its default value in every recipe";
            continue;
        }
        const RecipeReading read = decodeRecipe(encodeRecipe(*own));
        ASSERT_TRUE(read.recipe) << key.name << ": " << read.error;
        EXPECT_EQ(written(*read.recipe, key), written(*own, key)) << key.name;
    }
}

TEST(StateFields, NamesFindTheirOwnMembers) {
    struct Expected {
        std::string_view name;
        double GenerationState::*member;
    };
    const Expected expected[] = {
        {"izbors", &GenerationState::izbors}, {"izraz", &GenerationState::izraz},
        {"fi8", &GenerationState::fi8},       {"ob78", &GenerationState::ob78},
        {"max", &GenerationState::max},       {"k", &GenerationState::k},
        {"re", &GenerationState::re},         {"dbl", &GenerationState::dbl},
    };
    for (const Expected& e : expected) {
        const NumberField* field = findNumberField(e.name);
        ASSERT_NE(field, nullptr) << e.name;
        EXPECT_EQ(field->name, e.name);
        EXPECT_TRUE(field->member == e.member) << e.name;
    }
    EXPECT_EQ(findNumberField("imeslike"), nullptr);
    EXPECT_EQ(findNumberField("rnd"), nullptr);
    EXPECT_EQ(findNumberField(""), nullptr);
    EXPECT_EQ(findNumberField("izbor "), nullptr);
}

}  // namespace
}  // namespace momentart
