// Start-up values of the generation state (everything before the first run).
#pragma once

#include <cstdint>

#include "engine/state.h"

namespace momentart {

// The author's web address and e-mail address, and the texts built on them.
inline constexpr const char* kAuthorWeb = "https://momentart.example.org";
inline constexpr const char* kAuthorEmail = "tamiren@momentart.example.org";
inline constexpr const char* kAttribution = "Generative Art by Tamiren";

// Gives `s` its start-up values and seeds the generator with `timerSeed`.
// The first run is the caller's next step.
void startup(GenerationState& s, std::uint32_t timerSeed);

}  // namespace momentart
