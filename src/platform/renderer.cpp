#include "platform/renderer.h"

#include "engine/generation/run.h"
#include "platform/qt_text_printer.h"
#include "engine/startup.h"
#include "platform/system_clock.h"

namespace momentart {

std::unique_ptr<Canvas> canvasOfScale(int scale) {
    return std::make_unique<Canvas>(Canvas::kWidth * scale, Canvas::kHeight * scale);
}

Recipe freshRecipe(const RenderSettings& settings) {
    Recipe recipe;
    startup(recipe.before, settings.seed);
    recipe.seed = settings.seed;
    recipe.forcedType = settings.type;
    // The seed stands in for the timer; the picture is named by the moment
    // asked for, or else by now.
    recipe.moment = settings.moment.value_or(calendarNow());
    recipe.stamp = settings.stamp;
    recipe.scale = settings.scale;
    // Every new picture is made with the correctly rounded maths.
    recipe.maths = Maths::CorrectlyRounded;
    return recipe;
}

RenderedPicture renderFresh(const RenderSettings& settings, RunObserver* observer) {
    return renderFromRecipe(freshRecipe(settings), observer, settings.jobs);
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
