// `momentart frame`: the art frame, full screen or inside a screensaver's
// window.
#pragma once

namespace momentart {

// Runs the frame (argv[1] is "frame") until it is left or killed.
int frameMain(int argc, char** argv);

}  // namespace momentart
