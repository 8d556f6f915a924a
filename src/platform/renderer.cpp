#include "platform/renderer.h"

#include "engine/generation/run.h"
#include "platform/qt_text_printer.h"
#include "engine/startup.h"
#include "platform/system_clock.h"

namespace momentart {

std::unique_ptr<Canvas> canvasOfScale(int scale) {
    return std::make_unique<Canvas>(Canvas::kWidth * scale, Canvas::kHeight * scale);
}

RenderedPicture renderFresh(const RenderSettings& settings, RunObserver* observer) {
    RenderedPicture picture;
    picture.canvas = canvasOfScale(settings.scale);
    startup(picture.state, settings.seed);
    // The seed stands in for the timer; the picture is named by the moment
    // asked for, or else by now.
    FixedMomentClock clock(settings.seed, settings.moment.value_or(calendarNow()));
    QtTextPrinter printer;
    RunHost host{clock, settings.stamp ? &printer : nullptr, observer};
    RunOptions options;
    options.forcedType = settings.type;
    options.scale = settings.scale;
    options.jobs = settings.jobs;
    picture.recipe = makeimageRecorded(picture.state, *picture.canvas, host, options);
    return picture;
}

RenderedPicture renderFromRecipe(const Recipe& recipe, RunObserver* observer, int jobs) {
    RenderedPicture picture;
    picture.canvas = canvasOfScale(recipe.scale);
    QtTextPrinter printer;
    remake(recipe, picture.state, *picture.canvas, &printer, observer, jobs);
    picture.recipe = recipe;
    return picture;
}

}  // namespace momentart
