// What a run can leave in the generation state, for checking a state that
// comes from outside (a recipe anyone can edit) before a run reads it.
// A run trusts its state: a drawing mode, type or formula selector outside
// its set would be converted to an integer and used as an index.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/state.h"

namespace momentart {

struct StateProblem {
    std::string_view field;  // the field's name (as in numberFields() or the text fields)
    std::string expected;    // what it may be, e.g. "a drawing mode 1, 3, 12, 13 or 17"
};

// The first field of `s` that neither start-up nor a run could have left
// there, or nothing when every field is one a run can start from.
std::optional<StateProblem> unreachableField(const GenerationState& s);

}  // namespace momentart
