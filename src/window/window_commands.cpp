#include "window/window_commands.h"

#include "engine/startup.h"

namespace momentart {

QRect twipsToPixels(const QRect& twips) {
    return {twips.left() / kTwipsPerPixel, twips.top() / kTwipsPerPixel, twips.width() / kTwipsPerPixel,
            twips.height() / kTwipsPerPixel};
}

QString attributionCaption() {
    return QString("GENERATIVE ART BY TAMIREN (web: %1,  email: %2 )").arg(kAuthorWeb, kAuthorEmail);
}

const QList<WindowCommand>& windowCommands() {
    static const QList<WindowCommand> table = {
        {"Command1", attributionCaption(), {120, 240, 8055, 375}, {}, WindowAction::None},
        {"Command2", "CREATE YOUR OWN ARTWORK BY CHOOSING THE RIGHT MOMENT OF PROCESS START",
         {120, 840, 8055, 375}, {}, WindowAction::None},
        {"Command3", "REAL TIME ENTIRELY COMPUTER GENERATED IMAGE USING MATHEMATICAL ALGORITHMS",
         {120, 10200, 8055, 375}, {}, WindowAction::None},
        {"Command5", "new image", {120, 1440, 1095, 255}, QKeySequence(Qt::Key_N), WindowAction::NewImage},
        {"Command6", "exit", {5640, 1440, 615, 255}, QKeySequence(Qt::Key_Escape), WindowAction::Exit},
        {"Command4", "repeat the same type", {1320, 1440, 1815, 255}, QKeySequence(Qt::Key_R),
         WindowAction::RepeatType},
        {"Command7", "save on D:", {3240, 1440, 1095, 255}, QKeySequence(Qt::Key_D), WindowAction::SaveOnD},
        {"Command8", "save on C:", {4440, 1440, 1095, 255}, QKeySequence(Qt::Key_C), WindowAction::SaveOnC},
        {nullptr, "save as PNG with its recipe", {}, QKeySequence(Qt::CTRL | Qt::Key_S), WindowAction::SavePng,
         "SavePngKey"},
        {nullptr, "make the picture large for print and save it as PNG", {}, QKeySequence(Qt::Key_L),
         WindowAction::Large, "LargeKey"},
    };
    return table;
}

}  // namespace momentart
