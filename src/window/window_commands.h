// The buttons of Form1 and the keys that stand for them. Each command is
// described once here; the window builds its buttons, their places, the
// tab order and the keyboard shortcuts from this table.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QRect>
#include <QString>

namespace momentart {

// What pressing a button (or its key) does.
enum class WindowAction {
    None,        // a wide text button: nothing
    NewImage,    // izbors = 0, then one run
    RepeatType,  // izbors = 1, then one run
    SaveOnD,     // saveimage with drive D:
    SaveOnC,     // saveimage with drive C:
    Exit,        // clear the window, then end the program
    SavePng,     // save as a PNG carrying its recipe, in the Pictures folder
    Large,       // the picture at a print scale, in the background, saved as a PNG
};

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
    const char* keyName = nullptr;  // the shortcut's name where there is no control
};

// The eight buttons in tab order, then the commands that have a key only.
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

}  // namespace momentart
