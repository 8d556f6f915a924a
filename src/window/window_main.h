// The window's entry point: `momentart` with no command.
#pragma once

#include <QString>
#include <QStringList>

#include "platform/options.h"
#include "window/main_window.h"

namespace momentart {

// Opens the window (arguments: the window's options) and runs until "exit";
// F11 opens the art frame through `openFrame`.
int windowMain(int argc, char** argv, FrameOpener openFrame);

// The help text of the window's options.
QString windowHelp();

// Reads the window's options into `settings`. Returns a one-line error, or
// an empty string; `help` is set when --help was asked for, and
// `pictureRefused` (if given) when the error is the picture file's.
QString readWindowSettings(const QStringList& arguments, WindowSettings& settings, bool& help,
                           bool* pictureRefused = nullptr);

}  // namespace momentart
