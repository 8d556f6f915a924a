// The pictures every cost is measured on: the 32 seeds of the batch
// benchmark, each type drawn by the catalogue, without the stamp, so that
// computing, writing and the whole batch are compared on the same work.
#pragma once

#include <cstdint>

namespace momentart::bench {

inline constexpr int kBatchPictures = 32;
inline constexpr std::uint32_t kBatchFirstSeed = 0x46A0E000u;

}  // namespace momentart::bench
