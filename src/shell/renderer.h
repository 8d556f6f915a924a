// Headless rendering: one picture from a fresh state, exactly as a program
// that starts at the given moment makes its first picture.
#pragma once

#include <cstdint>
#include <memory>

#include "shell/canvas.h"
#include "shell/host.h"
#include "shell/state.h"

namespace momentart {

struct RenderSpec {
    std::uint32_t seed = 0;  // used wherever the window would read the timer
    int type = 0;            // 9..66, or 0 to let the catalogue draw it
    bool stamp = true;
};

struct RenderedPicture {
    GenerationState state;   // the state after the run
    std::unique_ptr<Canvas> canvas = std::make_unique<Canvas>();
};

// Start-up with `spec.seed`, then one run. The observer, if any, is told as
// the picture grows.
RenderedPicture renderFresh(const RenderSpec& spec, RunObserver* observer = nullptr);

}  // namespace momentart
