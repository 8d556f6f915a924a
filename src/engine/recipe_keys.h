// The keys of a recipe's text form (docs/recipe.md), said once: each key's
// name and how its value is written and read. The encoder writes them in
// this order; the decoder knows a key only from here.
#pragma once

#include <span>
#include <utility>
#include <string>
#include <string_view>

#include "engine/recipe.h"

namespace momentart {

struct RecipeKey;

// How one kind of value is written and read. `read` stores the value in
// `recipe` and returns false, storing nothing, for text not of its kind.
struct ValueFormat {
    std::string (*write)(const Recipe& recipe, const RecipeKey& key);
    bool (*read)(std::string_view text, Recipe& recipe, const RecipeKey& key);
    std::string_view expected;  // what a value must be, for error messages
};

struct RecipeKey {
    std::string_view name;
    const ValueFormat* format;
    double GenerationState::*number = nullptr;     // the number field, for number keys
    std::string GenerationState::*text = nullptr;  // the text field, for text keys
    // An optional key: written only when this says so, and when absent the
    // recipe keeps its default (the old meaning). Null: always written and
    // required.
    bool (*writtenWhen)(const Recipe& recipe) = nullptr;
};

// Every key but the closing check line, in the order they are written: the
// required keys, then the optional ones.
std::span<const RecipeKey> recipeKeys();

// Optional keys that are given both or neither.
inline constexpr std::pair<std::string_view, std::string_view> kKeysTogether[] = {
    {"variation", "variation-seed"},
};

// The key of that name, or nullptr.
const RecipeKey* findRecipeKey(std::string_view name);

}  // namespace momentart
