// When Escape, with nothing left to cancel, ends the program. A key pressed
// to cancel a Large render, a film, the variations grid or the commands
// waiting often comes a moment after that work has ended on its own: then
// it ends nothing and says so, and the next Escape ends the program.
#pragma once

#include <chrono>
#include <functional>
#include <optional>

namespace momentart {

class EscapeRule {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    using Now = std::function<TimePoint()>;
    // How long after such work has ended an Escape is taken as meant for it.
    static constexpr std::chrono::milliseconds kGrace{2000};
    // What the status bar says instead of ending the program.
    static constexpr const char* kWarning = "Nothing to cancel; Escape again ends the program";

    // `now` is the steady clock but in tests, which set the time.
    explicit EscapeRule(Now now = [] { return std::chrono::steady_clock::now(); }) : now_(std::move(now)) {}
    void setClock(Now now) { now_ = std::move(now); }

    // Work that Escape cancels has ended (finished, or cancelled).
    void workEnded() { ended_ = now_(); }
    // Escape found nothing to cancel: true when it ends the program now;
    // false when it comes too soon after such work ended (once).
    bool exitsNow();

private:
    Now now_;
    std::optional<TimePoint> ended_;
};

}  // namespace momentart
