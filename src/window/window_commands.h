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
    CancelOrExit,  // Escape: cancel what runs in the background or waits; with nothing, Exit
    SavePng,     // "Keep": save as a PNG carrying its recipe, in the Pictures folder
    Back,        // show the picture made before the one shown
    Forward,     // show the picture made after the one shown
    ShowPicture, // a thumbnail was clicked (no button or key of its own)
    OpenFile,    // a picture file was dropped on the window (no button or key)
    Variations,  // show or hide the grid of the picture's centres variations
    TakeVariation,  // a variation chosen in the grid (no button or key of its own)
    Large,       // the picture at a print scale, in the background, saved as a PNG
    Film,        // the picture growing as an MP4, in the background, saved in Videos
    ArtFrame,    // the art frame: pictures full screen, going on from the window's
};

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

// Form1's eight buttons in tab order, then the panel's buttons.
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
