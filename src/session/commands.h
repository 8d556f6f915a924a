// Every command of the window and of the art frame, each named once: its
// caption, its key and what it does. The window's buttons and tooltips, its
// keys, the frame's keys and both `--help` key lists (and so the manual
// page) are made from this table; where the window's buttons lie is the
// window's own business (window/window_commands.h).
#pragma once

#include <QKeySequence>
#include <QList>
#include <variant>

namespace momentart {

// What pressing a button of the window (or its key) does.
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

// What a key of the frame does.
enum class FrameAction {
    NewImage,     // a new picture of a random type (or of --type) now
    RepeatType,   // a new picture of the same type now
    Back,         // the picture before the one shown
    Forward,      // the picture after the one shown
    PauseResume,  // stop or restart the timer of new pictures
    Keep,         // save the picture shown as a PNG with its recipe, at the frame's scale
    Leave,        // end the frame
};

struct SessionCommand {
    const char* caption;  // the button's text (the window's), or the command's name
    QKeySequence key;     // empty: no key
    const char* help;     // what it does, for --help and the button's tooltip
    std::variant<WindowAction, FrameAction> action;  // whose command it is, and what it does there
};

// The window's commands, then the frame's.
const QList<SessionCommand>& sessionCommands();

// The command of the window that does `action`; null when none does.
const SessionCommand* windowCommandOf(WindowAction action);

}  // namespace momentart
