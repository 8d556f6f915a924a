#include "engine/formulas/bank.h"

namespace momentart {

namespace {

// Indexed by v1; entry 0 is never selected.
constexpr FormulaGroup kGroups[] = {
    nullptr, group1,  group2,  group3,  group4,  group5,  group6,  group7,  group8,
    group9,  group10, group11, group12, group13, group14, group15, group16,
};
constexpr int kGroupCount = 16;

}  // namespace

void barvanivo1(GenerationState& s) {
    const int g = static_cast<int>(s.v1);
    const int k = static_cast<int>(s.v2);
    // Selectors outside the bank never come from the catalogue or the run;
    // treat them as a failing formula.
    if (g < 1 || g > kGroupCount) return;
    if (g == 11) stored(s.izraz, preamble11(s));
    if (g == 12) stored(s.izraz, preamble12(s));
    stored(s.ba, kGroups[g](s, k));
}

}  // namespace momentart
