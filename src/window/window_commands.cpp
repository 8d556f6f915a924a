#include "window/window_commands.h"

#include "engine/startup.h"
#include "window/picture_panel.h"

namespace momentart {

QRect twipsToPixels(const QRect& twips) {
    return {twips.left() / kTwipsPerPixel, twips.top() / kTwipsPerPixel, twips.width() / kTwipsPerPixel,
            twips.height() / kTwipsPerPixel};
}

QString attributionCaption() {
    return QString("GENERATIVE ART BY TAMIREN (web: %1,  email: %2 )").arg(kAuthorWeb, kAuthorEmail);
}

QString describeKey(const WindowCommand& command) {
    return command.caption + " - " + command.help;
}

const QList<WindowCommand>& windowCommands() {
    using enum WindowAction;
    constexpr CommandArea form1 = CommandArea::Form1;
    constexpr CommandArea panel = CommandArea::Panel;
    constexpr int kPanelRow = kPanelButtonsTop * kTwipsPerPixel;  // the panel's row of buttons
    static const QList<WindowCommand> table = {
        {"Command1", attributionCaption(), {120, 240, 8055, 375}, {}, None, form1, nullptr},
        {"Command2", "CREATE YOUR OWN ARTWORK BY CHOOSING THE RIGHT MOMENT OF PROCESS START",
         {120, 840, 8055, 375}, {}, None, form1, nullptr},
        {"Command3", "REAL TIME ENTIRELY COMPUTER GENERATED IMAGE USING MATHEMATICAL ALGORITHMS",
         {120, 10200, 8055, 375}, {}, None, form1, nullptr},
        {"Command5", "new image", {120, 1440, 1095, 255}, QKeySequence(Qt::Key_N), NewImage, form1,
         "a new picture of a random type"},
        {"Command6", "exit", {5640, 1440, 615, 255}, {}, Exit, form1, "end the program"},
        {"Command4", "repeat the same type", {1320, 1440, 1815, 255}, QKeySequence(Qt::Key_R), RepeatType,
         form1, "a new picture of the same type"},
        {"Command7", "save on D:", {3240, 1440, 1095, 255}, QKeySequence(Qt::Key_D), SaveOnD, form1,
         "save the picture shown as a 24-bit bitmap, with its recipe beside it"},
        {"Command8", "save on C:", {4440, 1440, 1095, 255}, QKeySequence(Qt::Key_C), SaveOnC, form1,
         "the same, on the other drive"},
        {"Back", "Back", {180, kPanelRow, 870, 390}, QKeySequence(Qt::Key_Left), Back, panel,
         "show the picture made before this one"},
        {"Forward", "Forward", {1140, kPanelRow, 870, 390}, QKeySequence(Qt::Key_Right), Forward, panel,
         "show the picture made after this one"},
        {"SavePng", "Keep", {2100, kPanelRow, 870, 390}, QKeySequence(Qt::CTRL | Qt::Key_S), SavePng, panel,
         "save the picture shown as a PNG carrying its recipe, in the momentart folder of Pictures"},
        {"Large", "Large", {3060, kPanelRow, 870, 390}, QKeySequence(Qt::Key_L), Large, panel,
         "make the picture shown again at a print scale in the background and save it as a PNG with its "
         "recipe"},
        {"Variations", "Variations", {4020, kPanelRow, 870, 390}, QKeySequence(Qt::Key_V), Variations, panel,
         "show the picture amid eight of its centres variations; click one, or move with the arrow keys "
         "and press Enter or 1-9, to take it"},
        {"Film", "Film", {4980, kPanelRow, 870, 390}, QKeySequence(Qt::Key_F), Film, panel,
         "make a film of the picture shown growing, in the background, and save it as an MP4 in the momentart "
         "folder of Videos"},
        {nullptr, "art frame", {}, QKeySequence(Qt::Key_F11), ArtFrame, form1,
         "the pictures full screen at the largest whole scale, a new one every minute, going on from "
         "this window; F11, Escape or Q come back (see 'momentart frame --help')"},
        {nullptr, "cancel or exit", {}, QKeySequence(Qt::Key_Escape), CancelOrExit, form1,
         "cancel what is running (a Large render, a film, the variations, commands waiting their turn); with "
         "nothing running, end the program"},
    };
    return table;
}

}  // namespace momentart
