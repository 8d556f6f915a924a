// Variations of a picture: the same run with one part drawn anew from a
// variation seed, everything else as the picture's own draws left it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/generation/random.h"
#include "engine/state.h"

namespace momentart {

struct RunPlan;

// Which part a variation draws anew.
enum class VariationKind {
    None,     // no variation: the picture itself
    Centres,  // the six centre columns and rows: the composition moves
    Colours,  // the colouring parameters ba1 ... krgb, and tip where the type leaves it free
    Formula,  // v1 and v2 where the type leaves them free, and the cross-mode pair
    Zoom,     // the width in world units osx, where the type leaves it free
};

struct Variation {
    VariationKind kind = VariationKind::None;
    std::uint32_t seed = 0;  // the variation seed V
};

// The kinds a user can ask for, with their names (`--what`, recipes).
struct VariationKindName {
    VariationKind kind;
    std::string_view name;
};
std::span<const VariationKindName> variationKinds();
std::string_view variationName(VariationKind kind);
std::optional<VariationKind> variationKindNamed(std::string_view name);
// "centres 7": the kind and the seed, as labels and PNG texts show them.
std::string variationText(const Variation& variation);

// Whether the picture's type leaves `kind` free, read from the switches the
// run derived (`forma`, `kriz`, `zum`): a state after planRun or after the run.
bool variationFree(const GenerationState& planned, VariationKind kind);

// The generator of a variation: its own stream for each pair of the
// picture's timer seed and the variation seed.
Pcg32 variationGenerator(std::uint32_t timerSeed, std::uint32_t variationSeed);

// Draws the asked part anew from `rnd` after the run's own draws and before
// the centres are placed: colours, formula (the state's pair and the run's
// pairs) or zoom. Nothing for centres, which placeCentres draws.
void redrawPart(GenerationState& s, RunPlan& run, VariationKind kind, Pcg32& rnd);

}  // namespace momentart
