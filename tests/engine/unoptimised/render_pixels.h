// One picture's pixels from a fresh state, seed and type, with no stamp. The
// same source is compiled into the optimised test program (namespace
// momentart) and into the unoptimised engine (where the build renames the
// namespace to momentart_o0), so the two engines can be compared in one run.
#pragma once

#include <cstdint>
#include <vector>

namespace momentart {
std::vector<std::uint32_t> renderPixels(std::uint32_t seed, int type);
}
namespace momentart_o0 {
std::vector<std::uint32_t> renderPixels(std::uint32_t seed, int type);
}
