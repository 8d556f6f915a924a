// The window's entry point: `momentart` with no command.
#pragma once

namespace momentart {

// Opens the window (arguments: the window's options) and runs until "exit".
int windowMain(int argc, char** argv);

// The help text of the window's options.
const char* windowHelp();

}  // namespace momentart
