#include "shell/renderer.h"

#include "generation/run.h"
#include "shell/qt_text_printer.h"
#include "shell/startup.h"
#include "shell/system_clock.h"

namespace momentart {

RenderedPicture renderFresh(const RenderSpec& spec, RunObserver* observer) {
    RenderedPicture picture;
    startup(picture.state, spec.seed);
    FixedSeedClock realMoment(spec.seed);
    FixedMomentClock fixedMoment(spec.seed, spec.moment.value_or(CalendarTime{}));
    Clock& clock = spec.moment ? static_cast<Clock&>(fixedMoment) : realMoment;
    QtTextPrinter printer;
    RunHost host{clock, spec.stamp ? &printer : nullptr, observer};
    picture.recipe = makeimageRecorded(picture.state, *picture.canvas, host, RunOptions{spec.type});
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
