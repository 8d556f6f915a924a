// Asks the desktop not to blank the screen or start its screensaver while
// the art frame is up: org.freedesktop.ScreenSaver's Inhibit on the session
// bus, released again by UnInhibit. Where there is no session bus or no such
// service nothing is held and nothing is said: the frame works all the same.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace momentart {

class ScreenInhibition {
public:
    // Takes the inhibition for `reason`.
    explicit ScreenInhibition(const QString& reason);
    // Releases it.
    ~ScreenInhibition();
    ScreenInhibition(const ScreenInhibition&) = delete;
    ScreenInhibition& operator=(const ScreenInhibition&) = delete;

    bool held() const { return cookie_.has_value(); }

private:
    std::optional<std::uint32_t> cookie_;  // what Inhibit returned, for UnInhibit
};

}  // namespace momentart
