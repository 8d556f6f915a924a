// Whether this process can open windows.
#pragma once

namespace momentart {

// True where a window can be shown: a desktop (Windows, macOS), an X or
// Wayland display, or a Qt platform named in QT_QPA_PLATFORM other than the
// window-less offscreen and minimal ones.
bool hasDisplay();

}  // namespace momentart
