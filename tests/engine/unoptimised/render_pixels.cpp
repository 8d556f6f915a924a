// Built twice: see render_pixels.h. `momentart` is the -O0 engine's renamed
// namespace when this file is compiled into it.
#include "engine/unoptimised/render_pixels.h"

#include "engine/generation/run.h"
#include "engine/recipe.h"
#include "engine/startup.h"

namespace momentart {

std::vector<std::uint32_t> renderPixels(std::uint32_t seed, int type) {
    GenerationState s;
    startup(s, seed);
    Canvas canvas;
    FixedMomentClock clock(seed, {2026, 12, 7, 8, 14, 53});
    RunHost host{clock, nullptr, nullptr};
    makeimage(s, canvas, host, RunOptions{type});
    return {canvas.data(), canvas.data() + Canvas::kWidth * Canvas::kHeight};
}

}  // namespace momentart
