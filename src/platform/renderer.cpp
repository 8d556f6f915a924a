#include "platform/renderer.h"

#include "engine/generation/run.h"
#include "platform/qt_text_printer.h"
#include "engine/startup.h"
#include "platform/system_clock.h"

namespace momentart {

RenderedPicture renderFresh(const RenderSettings& settings, RunObserver* observer) {
    RenderedPicture picture;
    startup(picture.state, settings.seed);
    // The seed stands in for the timer; the picture is named by the moment
    // asked for, or else by now.
    FixedMomentClock clock(settings.seed, settings.moment.value_or(calendarNow()));
    QtTextPrinter printer;
    RunHost host{clock, settings.stamp ? &printer : nullptr, observer};
    picture.recipe = makeimageRecorded(picture.state, *picture.canvas, host, RunOptions{settings.type});
    return picture;
}

RenderedPicture renderFromRecipe(const Recipe& recipe, RunObserver* observer) {
    RenderedPicture picture;
    QtTextPrinter printer;
    remake(recipe, picture.state, *picture.canvas, &printer, observer);
    picture.recipe = recipe;
    return picture;
}

}  // namespace momentart
