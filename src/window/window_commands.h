// The buttons of Form1 and the keys that stand for them: where each button
// lies, joined with its command's caption, key and help from the one table
// of commands (session/commands.h). The window builds its buttons, their
// places, the tab order and the keyboard shortcuts from this list.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QRect>
#include <QString>

#include "session/commands.h"

namespace momentart {

// Where a command's button lies: on Form1 (window pixels) or in the panel
// right of the picture (panel pixels).
enum class CommandArea { Form1, Panel };

// Form1 is laid out in twips, 15 to a pixel.
inline constexpr int kTwipsPerPixel = 15;

// A rectangle in twips as window pixels.
QRect twipsToPixels(const QRect& twips);

struct WindowCommand {
    const char* control;    // the control's name, e.g. "Command5"; nullptr: a key only
    QString caption;
    QRect twips;            // left, top, width, height in twips
    QKeySequence shortcut;  // empty: no key
    WindowAction action;
    CommandArea area;     // whose coordinates `twips` are in
    const char* help;     // what it does, for --help and the button's tooltip
};

// Form1's eight buttons in tab order, then the panel's buttons, then the
// commands that are a key only.
const QList<WindowCommand>& windowCommands();

// The caption of Command1: the attribution with the author's addresses.
QString attributionCaption();

// Picture1, the picture the runs paint, in twips: its box starts at the left
// and top given here; its inside is the width and height given here (600 x
// 450 pixels), and its sunken border of kPictureBorder pixels lies around
// the inside, so the box is 604 x 454 pixels.
inline constexpr QRect kPicture1Twips{1560, 2760, 9000, 6750};
inline constexpr int kPictureBorder = 2;

// The client area the controls need: 10800 x 10575 twips.
inline constexpr QRect kClientTwips{0, 0, 10800, 10575};

// What a command does, for --help beside its key and in its button's
// tooltip: "new image - a new picture of a random type".
QString describeKey(const WindowCommand& command);

}  // namespace momentart
