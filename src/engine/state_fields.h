// The number fields of the generation state by name, in the order of the
// record: for writing a state down as text and reading it back.
#pragma once

#include <span>
#include <string_view>

#include "engine/state.h"

namespace momentart {

struct NumberField {
    std::string_view name;
    double GenerationState::*member;
};

// Every number field of GenerationState, each exactly once.
std::span<const NumberField> numberFields();

// True when every number field holds the same bits in both states and their
// generators stand at the same place: from here on the same work gives the
// same results (the texts are not compared).
bool sameNumbersAndGenerator(const GenerationState& a, const GenerationState& b);

// The field of that name, or nullptr.
const NumberField* findNumberField(std::string_view name);

}  // namespace momentart
