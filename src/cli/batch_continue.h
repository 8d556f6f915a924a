// A batch going on after it was stopped: the pictures it already made, found
// in its folder by their recipes.
#pragma once

#include <cstdint>
#include <map>

#include "cli/batch_render.h"

namespace momentart {

// The pictures in `plan.folder` that this batch would make, by seed: PNGs
// named as a batch names them, whole (every byte of their pixels reads),
// whose recipe is that of a fresh start with one of the plan's seeds and
// the plan's type, stamp and scale. The first found for a seed counts.
std::map<std::uint32_t, BatchPicture> findWholePictures(const BatchPlan& plan);

}  // namespace momentart
