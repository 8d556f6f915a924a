// Who reads what: the angles and pair sums each field formula and each
// colouring scheme uses, so a run computes only those of its picture.
#pragma once

#include "engine/generation/geometry.h"
#include "engine/generation/run.h"
#include "engine/state.h"

namespace momentart {

// The angles and pair sums formula `formula` of group `group` reads.
GeometryReads formulaReads(int group, int formula);

// The angles and pair sums colouring family `family`, scheme `scheme` reads
// or writes.
GeometryReads colouringReads(int family, int scheme);

// Those of one run's picture: its formula pair (both pairs in cross mode)
// and its colouring scheme, chosen as the formula bank and the colouring
// stage choose them.
GeometryReads pictureReads(const GenerationState& s, const RunPlan& run);

}  // namespace momentart
