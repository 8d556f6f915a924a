#include "engine/generation/geometry_reads.h"

#include <array>

#include "engine/colouring/painting.h"

namespace momentart {

namespace {

enum class Stage { Formula, Colouring };

// One row: in formula group `selector` (or colouring family `selector`),
// the formulas (schemes) `members` read `fields`.
struct Readers {
    Stage stage;
    int selector;
    std::array<int, 5> members;  // 0: no more
    GeometryReads fields;
};

constexpr GeometryReads fi(int centre) { return angleOf(centre); }
constexpr GeometryReads fi345 = fi(3) | fi(4) | fi(5);

// Every formula and scheme not listed reads no angle and no pair sum.
// Scheme 17 writes ob34 before reading it; the sum is kept so that the
// field holds what the scheme left. Family 5's scheme 62 picks scheme 6 or
// 13 with a coin at every pixel.
constexpr Readers kReaders[] = {
    {Stage::Formula, 2, {3, 4, 5, 6}, fi(3)},
    {Stage::Formula, 3, {15}, fi(3) | fi(4)},
    {Stage::Formula, 5, {1, 2, 3, 4}, fi(3) | fi(4)},
    {Stage::Formula, 5, {5, 7, 15}, fi(4)},
    {Stage::Formula, 8, {4, 5, 6, 7, 8}, fi(5)},
    {Stage::Formula, 9, {5}, fi(4)},
    {Stage::Formula, 9, {10, 14, 15}, fi(3)},
    {Stage::Formula, 11, {4, 7, 10, 13}, fi(5)},
    {Stage::Formula, 11, {15}, fi(3)},
    {Stage::Formula, 14, {1}, pairSumOf(6, 7)},
    {Stage::Formula, 14, {11}, fi(5)},
    {Stage::Formula, 15, {1, 2}, fi(3)},
    {Stage::Formula, 15, {3}, fi(6)},
    {Stage::Colouring, 3, {6, 7, 8, 10}, fi345},
    {Stage::Colouring, 3, {16}, kAllAngles},
    {Stage::Colouring, 3, {17}, pairSumOf(3, 4)},
    {Stage::Colouring, 5, {62}, fi345},
};

GeometryReads readsOf(Stage stage, int selector, int member) {
    GeometryReads reads = 0;
    for (const Readers& row : kReaders) {
        if (row.stage != stage || row.selector != selector) continue;
        for (int m : row.members)
            if (m != 0 && m == member) reads |= row.fields;
    }
    return reads;
}

}  // namespace

GeometryReads formulaReads(int group, int formula) { return readsOf(Stage::Formula, group, formula); }

GeometryReads colouringReads(int family, int scheme) {
    return readsOf(Stage::Colouring, family, scheme);
}

GeometryReads pictureReads(const GenerationState& s, const RunPlan& run) {
    // As barvanivo1 and barvanivo2 read their selectors.
    const auto formula = [](double v1, double v2) {
        return formulaReads(static_cast<int>(v1), static_cast<int>(v2));
    };
    GeometryReads reads = formula(run.v1run, run.v2run);
    if (run.krizanje != 1) reads |= formula(run.v1alt, run.v2alt);
    const auto tip = colouring::wholeIn(s.tip, -32768, 32767);
    const int scheme = tip ? static_cast<int>(*tip) : 0;
    for (int family : {2, 3, 5})
        if (s.barve == family) reads |= colouringReads(family, scheme);
    return reads;
}

}  // namespace momentart
