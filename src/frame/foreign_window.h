// What the X display says of another program's window, the one a
// screensaver daemon gives its hacks, and whether the display can be
// reached at all.
#pragma once

#include <QSize>
#include <QWindow>
#include <optional>

namespace momentart {

// The size of window `id` in its pixels; nothing when the display has no
// such window (or is not an X display).
std::optional<QSize> foreignWindowSize(WId id);

// A connection to the X display named in DISPLAY, made to learn whether Qt
// can have one (where it cannot, Qt ends the program). Kept until the
// application has its own: a server that resets when its last client leaves
// would refuse connections for a moment in between.
class DisplayProbe {
public:
    DisplayProbe();
    ~DisplayProbe();
    DisplayProbe(const DisplayProbe&) = delete;
    DisplayProbe& operator=(const DisplayProbe&) = delete;

    // False when Qt would take that X display and cannot connect to it.
    bool reachable() const { return reachable_; }

private:
    void* connection_ = nullptr;
    bool reachable_ = true;
};

}  // namespace momentart
