#include "window/window_commands.h"

#include <algorithm>

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

namespace {

// Where a button lies; a command's button takes its caption from the table.
struct ButtonPlace {
    const char* control;
    QRect twips;
    WindowAction action;
    CommandArea area;
    QString caption;  // a wide text button's (action None)
};

WindowCommand commandAt(const ButtonPlace& place) {
    const SessionCommand* command = windowCommandOf(place.action);
    if (command == nullptr) return {place.control, place.caption, place.twips, {}, place.action, place.area, nullptr};
    return {place.control, command->caption, place.twips, command->key, place.action, place.area, command->help};
}

QList<WindowCommand> joinedCommands() {
    using enum WindowAction;
    constexpr CommandArea form1 = CommandArea::Form1;
    constexpr CommandArea panel = CommandArea::Panel;
    constexpr int kPanelRow = kPanelButtonsTop * kTwipsPerPixel;  // the panel's row of buttons
    const QList<ButtonPlace> places = {
        {"Command1", {120, 240, 8055, 375}, None, form1, attributionCaption()},
        {"Command2", {120, 840, 8055, 375}, None, form1,
         "CREATE YOUR OWN ARTWORK BY CHOOSING THE RIGHT MOMENT OF PROCESS START"},
        {"Command3", {120, 10200, 8055, 375}, None, form1,
         "REAL TIME ENTIRELY COMPUTER GENERATED IMAGE USING MATHEMATICAL ALGORITHMS"},
        {"Command5", {120, 1440, 1095, 255}, NewImage, form1, {}},
        {"Command6", {5640, 1440, 615, 255}, Exit, form1, {}},
        {"Command4", {1320, 1440, 1815, 255}, RepeatType, form1, {}},
        {"Command7", {3240, 1440, 1095, 255}, SaveOnD, form1, {}},
        {"Command8", {4440, 1440, 1095, 255}, SaveOnC, form1, {}},
        {"Back", {180, kPanelRow, 870, 390}, Back, panel, {}},
        {"Forward", {1140, kPanelRow, 870, 390}, Forward, panel, {}},
        {"SavePng", {2100, kPanelRow, 870, 390}, SavePng, panel, {}},
        {"Large", {3060, kPanelRow, 870, 390}, Large, panel, {}},
        {"Variations", {4020, kPanelRow, 870, 390}, Variations, panel, {}},
        {"Film", {4980, kPanelRow, 870, 390}, Film, panel, {}},
    };
    QList<WindowCommand> joined;
    for (const ButtonPlace& place : places) joined.append(commandAt(place));
    // The window's commands without a button are keys only.
    for (const SessionCommand& command : sessionCommands()) {
        const auto* action = std::get_if<WindowAction>(&command.action);
        if (action == nullptr) continue;
        const bool placed = std::any_of(places.begin(), places.end(),
                                        [&](const ButtonPlace& place) { return place.action == *action; });
        if (!placed) joined.append({nullptr, command.caption, {}, command.key, *action, form1, command.help});
    }
    return joined;
}

}  // namespace

const QList<WindowCommand>& windowCommands() {
    static const QList<WindowCommand> table = joinedCommands();
    return table;
}

}  // namespace momentart
