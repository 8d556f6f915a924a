// The field-formula bank: turns one pixel's geometry into its field value `ba`.
#pragma once

#include "engine/formulas/guarded.h"
#include "engine/state.h"

namespace momentart {

// barvanivo1: evaluates formula `v2` of group `v1` into `ba`, after the
// group's preamble (groups 11 and 12) into `izraz`. A failing preamble leaves
// `izraz` as it was and the formula still runs; a failing formula leaves `ba`.
void barvanivo1(GenerationState& s);

// One formula group: formula `v2` of the group, or a failure (NaN) for a
// formula that does not exist. Groups never write the state.
using FormulaGroup = Num (*)(const GenerationState& s, int v2);

// The groups, each in its own file.
Num group1(const GenerationState& s, int v2);
Num group2(const GenerationState& s, int v2);
Num group3(const GenerationState& s, int v2);
Num group4(const GenerationState& s, int v2);
Num group5(const GenerationState& s, int v2);
Num group6(const GenerationState& s, int v2);
Num group7(const GenerationState& s, int v2);
Num group8(const GenerationState& s, int v2);
Num group9(const GenerationState& s, int v2);
Num group10(const GenerationState& s, int v2);
Num group11(const GenerationState& s, int v2);
Num group12(const GenerationState& s, int v2);
Num group13(const GenerationState& s, int v2);
Num group14(const GenerationState& s, int v2);
Num group15(const GenerationState& s, int v2);
Num group16(const GenerationState& s, int v2);

// The shared sub-expressions of groups 11 and 12 (the new value of `izraz`).
Num preamble11(const GenerationState& s);
Num preamble12(const GenerationState& s);

}  // namespace momentart
