#include "window/remake_advice.h"

#include "platform/renderer.h"

namespace momentart {

QString freshRenderCommand(const Recipe& recipe) {
    RenderSettings settings;
    settings.seed = recipe.seed;
    settings.type = recipe.forcedType;
    settings.stamp = recipe.stamp;
    settings.moment = recipe.moment;
    // Everything the run read, the whole state with its generator included,
    // must be what the command would give it.
    if (encodeRecipe(freshRecipe(settings)) != encodeRecipe(recipe)) return {};
    QString command = QString("momentart render --seed %1").arg(recipe.seed);
    if (recipe.forcedType != 0) command += QString(" --type %1").arg(recipe.forcedType);
    if (!recipe.stamp) command += " --no-stamp";
    return command;
}

}  // namespace momentart
