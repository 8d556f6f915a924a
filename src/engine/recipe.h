// A picture's recipe: everything a run reads that it did not write itself,
// so that the same picture can be made again later, bit for bit, also when it
// was the window's hundredth picture and depended on what the earlier ones
// left in the state. The text form is described in docs/recipe.md.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/generation/run.h"
#include "engine/canvas.h"
#include "engine/host.h"
#include "engine/state.h"

namespace momentart {

inline constexpr int kRecipeVersion = 1;

struct Recipe {
    GenerationState before;   // the whole state as the run found it
    std::uint32_t seed = 0;   // what the run read from the timer
    int forcedType = 0;       // the type the run was told to make, 0 if none
    CalendarTime moment;      // the moment that named the picture
    bool stamp = true;        // whether the run printed the stamp
    Variation variation;      // the part drawn anew, if the picture is a variation
    int scale = 1;            // 1..16: the picture is 600 K x 450 K pixels
    // The functions the picture was made with: a recipe without the key is
    // from before correctly rounded maths.
    Maths maths = Maths::CLibrary;
};

// A clock that gives a fixed seed and a fixed moment: a recipe's replay.
class FixedMomentClock final : public Clock {
public:
    FixedMomentClock(std::uint32_t seed, CalendarTime moment) : seed_(seed), moment_(moment) {}
    std::uint32_t timerSeed() override { return seed_; }
    CalendarTime now() override { return moment_; }

private:
    std::uint32_t seed_;
    CalendarTime moment_;
};

// makeimage, keeping the recipe of the picture it makes. Use it wherever a
// picture may be saved later.
Recipe makeimageRecorded(GenerationState& s, Canvas& canvas, RunHost& host,
                         const RunOptions& options = {});

// Makes the recipe's picture again: `s` becomes the recorded state, then one
// run with the recorded seed, moment, type and scale (`canvas` must be of
// that scale's size) on `jobs` threads. `printer` stamps the picture when the
// recipe says it was stamped (it may be null for a recipe without a stamp).
// Returns false when the observer stopped it.
bool remake(const Recipe& recipe, GenerationState& s, Canvas& canvas, TextPrinter* printer,
            RunObserver* observer = nullptr, int jobs = 1);

// The recipe as text (docs/recipe.md).
std::string encodeRecipe(const Recipe& recipe);

struct RecipeReading {
    std::optional<Recipe> recipe;
    std::string error;  // what is wrong, when there is no recipe
};

// Reads the text form back, checking everything: the first line and its
// version, every key present exactly once, every value well formed, nothing
// else, and the check value over the whole text.
RecipeReading decodeRecipe(std::string_view text);

}  // namespace momentart
