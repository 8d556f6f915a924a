// Recipes are files anyone can edit: thousands of mutated recipes of real
// pictures (check value recomputed, so the reader's value checks are
// reached) each either decode into a recipe whose run paints a picture, or
// fail with one line that says what is wrong. None may crash, hang or do
// anything a sanitizer reports (scripts/check-sanitizers.sh runs this too).
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/generation/catalogue.h"
#include "engine/recipe.h"
#include "engine/startup.h"
#include "recipe_support.h"

namespace momentart {
namespace {

// A fixed sequence of choices, the same on every machine.
class Choices {
public:
    explicit Choices(std::uint32_t seed) { rnd_.seed(seed); }
    std::size_t below(std::size_t n) { return n == 0 ? 0 : rnd_.next() % n; }
    template <typename T>
    const T& pick(const std::vector<T>& items) { return items[below(items.size())]; }

private:
    Pcg32 rnd_;
};

struct WindowClock final : Clock {
    std::uint32_t seed = 1;
    std::uint32_t timerSeed() override { return seed = seed * 2654435761u + 12345; }
    CalendarTime now() override { return {2026, 12, 8, 10, 11, static_cast<int>(seed % 60)}; }
};

// Recipes of pictures a window made one after another: new types, repeated
// types and forced types, so the state carries what earlier runs left.
std::vector<std::string> realRecipes() {
    std::vector<std::string> recipes;
    WindowClock clock;
    RunHost host{clock};
    GenerationState s;
    startup(s, 4242);
    auto canvas = std::make_unique<Canvas>();
    const int forced[] = {0, 0, 25, 0, 66, 17, 0, 23, 61, 0, 12, 64};
    for (std::size_t n = 0; n < std::size(forced); ++n) {
        s.izbors = n % 3 == 2 ? 1 : 0;
        recipes.push_back(encodeRecipe(makeimageRecorded(s, *canvas, host, RunOptions{forced[n]})));
    }
    return recipes;
}


std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find('\n', at);
        lines.push_back(text.substr(at, end - at));
        if (end == std::string::npos) break;
        at = end + 1;
    }
    return lines;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

const std::vector<std::string> kOddValues = {
    "nan", "inf", "-inf", "1e308", "-1e308", "1e999", "-1", "0", "-0", "1", "2", "3", "5", "8", "9",
    "9.99", "12", "13", "16", "17", "21", "62", "66", "67", "600", "1030", "4294967296",
    "18446744073709551616", "-9223372036854775808", "1e-320", "0x10", "+1", "", " 1", "1 ", "\xc4\x8d",
    "ffffffffffffffff", "000000000000006d", "0000000000000000", "2026-02-29 00:00:00",
    "9999-12-31 23:59:59", "\\x00", "\\", "\\xzz"};

// One mutation of a recipe's lines, as a person or a damaged file might make.
std::string mutated(const std::string& recipe, Choices& choose) {
    std::vector<std::string> lines = linesOf(recipe);
    lines.pop_back();  // the check line: written afresh below, mostly
    const std::size_t edits = 1 + choose.below(3);
    for (std::size_t e = 0; e < edits; ++e) {
        if (lines.size() < 2) break;
        const std::size_t at = 1 + choose.below(lines.size() - 1);
        std::string& line = lines[at];
        const std::size_t equals = line.find('=');
        const std::string key = line.substr(0, equals);
        switch (choose.below(10)) {
            case 0: case 1: case 2: line = key + "=" + choose.pick(kOddValues); break;
            case 3: line = key + "=" + std::to_string(static_cast<int>(choose.below(140)) - 40); break;
            case 4: lines.erase(lines.begin() + static_cast<long>(at)); break;
            case 5: lines.push_back(line); break;
            case 6: lines.push_back("colour=" + choose.pick(kOddValues)); break;
            case 7: line += std::string(1 + choose.below(100000), choose.below(2) ? '9' : '\xe9'); break;
            case 8: line = line.substr(0, choose.below(line.size() + 1)); break;
            case 9: lines[0] = choose.pick(std::vector<std::string>{
                        "momentart recipe 2", "momentart recipe 01", "momentart recipe", "Momentart recipe 1",
                        "momentart recipe 1 "}); break;
        }
    }
    std::string text = joined(lines);
    const std::size_t finish = choose.below(20);
    if (finish == 0) return text;                         // no check line
    if (finish == 1) return text + "check=0123456789abcdef\n";  // a wrong one
    text = testing::resigned(text);
    if (finish == 2) {  // CR LF line ends
        std::string crlf;
        for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        return crlf;
    }
    if (finish == 3) text.pop_back();  // no line end at the end
    return text;
}

struct CountingPrinter final : TextPrinter {
    int lines = 0;
    void print(Canvas&, std::span<const TextLine> printed, int, ColourNumber) override {
        lines += static_cast<int>(printed.size());
    }
};

TEST(RecipeFuzz, EveryMutatedRecipeRendersOrFailsWithOneClearLine) {
    const std::vector<std::string> recipes = realRecipes();
    for (const std::string& recipe : recipes) ASSERT_TRUE(decodeRecipe(recipe).recipe) << recipe;

    constexpr int kMutations = 2400;
    // Rendering is the slow part: every accepted recipe is planned, and one
    // in kRenderEvery is painted whole (with its stamp).
    constexpr int kRenderEvery = 12;
    Choices choose(20261208);
    int accepted = 0, rejected = 0, rendered = 0;
    auto canvas = std::make_unique<Canvas>();
    for (int n = 0; n < kMutations; ++n) {
        const std::string text = mutated(choose.pick(recipes), choose);
        const RecipeReading read = decodeRecipe(text);
        if (!read.recipe) {
            ++rejected;
            EXPECT_FALSE(read.error.empty()) << "mutation " << n;
            EXPECT_EQ(read.error.find('\n'), std::string::npos) << "mutation " << n << ": " << read.error;
            EXPECT_LE(read.error.size(), 200u) << "mutation " << n << ": " << read.error;
            continue;
        }
        ++accepted;
        GenerationState s = read.recipe->before;
        FixedMomentClock clock(read.recipe->seed, read.recipe->moment);
        planRun(s, clock, RunOptions{read.recipe->forcedType});
        EXPECT_GE(imageType(s), kFirstType) << "mutation " << n;
        EXPECT_LE(imageType(s), kLastType) << "mutation " << n;
        EXPECT_EQ(imageType(s), s.izbor) << "mutation " << n;
        if (accepted % kRenderEvery == 0) {
            CountingPrinter printer;
            GenerationState state;
            remake(*read.recipe, state, *canvas, &printer);
            EXPECT_EQ(imageType(state), s.izbor) << "mutation " << n;
            ++rendered;
        }
    }
    std::printf("recipe fuzz: %d mutations, %d rejected with a message, %d accepted, %d rendered\n",
                kMutations, rejected, accepted, rendered);
    // The mutations reach both outcomes.
    EXPECT_GT(accepted, kMutations / 20);
    EXPECT_GT(rejected, kMutations / 2);
}

}  // namespace
}  // namespace momentart
