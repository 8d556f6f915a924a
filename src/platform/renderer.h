// Headless rendering: one picture from a fresh state, exactly as a program
// that starts at the given moment makes its first picture; or a picture made
// again from its recipe.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "engine/canvas.h"
#include "engine/host.h"
#include "engine/recipe.h"
#include "engine/state.h"

namespace momentart {

struct RenderSettings {
    std::uint32_t seed = 0;  // used wherever the window would read the timer
    int type = 0;            // 9..66, or 0 to let the catalogue draw it
    bool stamp = true;
    int scale = 1;           // 1..16: 600 K x 450 K pixels
    int jobs = 1;            // threads sharing the picture (same pixels for any number)
    // The moment that names the picture; by default the clock's when the
    // run asks.
    std::optional<CalendarTime> moment;
};

struct RenderedPicture {
    GenerationState state;   // the state after the run
    std::unique_ptr<Canvas> canvas;
    Recipe recipe;           // how to make it again
};

// The recipe of the picture renderFresh makes: the state start-up gives,
// the seed, the type, the moment and the stamp asked for, the correctly
// rounded maths.
Recipe freshRecipe(const RenderSettings& settings);

// Start-up with `settings.seed`, then one run. The observer, if any, is told as
// the picture grows. Throws std::bad_alloc when the picture's memory cannot be
// had.
RenderedPicture renderFresh(const RenderSettings& settings, RunObserver* observer = nullptr);

// The recipe's picture, made again (at the recipe's scale) on `jobs` threads.
// Throws std::bad_alloc when the picture's memory cannot be had.
RenderedPicture renderFromRecipe(const Recipe& recipe, RunObserver* observer = nullptr,
                                 int jobs = 1);

// The canvas of a picture of scale K: 600 K x 450 K.
std::unique_ptr<Canvas> canvasOfScale(int scale);

}  // namespace momentart
