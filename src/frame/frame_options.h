// The options of `momentart frame`, read from one table that also gives its
// --help.
#pragma once

#include <QString>
#include <QStringList>
#include <QWindow>
#include <chrono>
#include <optional>

#include "frame/frame_session.h"

namespace momentart {

// What `momentart frame` was asked for. The scale, the threads and the
// history folder are the program's to decide once it sees the screen.
struct FrameRequest {
    FrameSettings settings;
    std::optional<int> screen;    // --screen N
    std::optional<WId> windowId;  // --window-id, or XSCREENSAVER_WINDOW
    bool help = false;
};

// The shortest and longest time between pictures.
inline constexpr std::chrono::seconds kShortestTurn{1};
inline constexpr std::chrono::hours kLongestTurn{24};

// "90s", "2m", "1.5h" (seconds when no unit is given); nothing when the
// text is not a duration.
std::optional<std::chrono::milliseconds> parseDuration(const QString& text);

// Reads the options (the arguments after "frame") and `screensaverWindow`,
// the value of XSCREENSAVER_WINDOW. Returns a one-line error, or an empty
// string.
QString readFrameRequest(const QStringList& arguments, const QString& screensaverWindow, FrameRequest& request);

// The help text of `momentart frame`.
QString frameHelp();

}  // namespace momentart
