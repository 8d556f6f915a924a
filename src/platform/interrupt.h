// Ctrl-C (and a polite kill) for the long commands: instead of ending the
// program at once, they set a flag that the work looks at between pictures.
#pragma once

#include <atomic>

namespace momentart {

class InterruptGuard {
public:
    // Installs the handlers for SIGINT and SIGTERM. `notice`, if not null,
    // is written to stderr at the first interruption.
    explicit InterruptGuard(const char* notice = nullptr);
    // Puts the previous handlers back.
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

    // Set once an interruption came.
    const std::atomic<bool>& flag() const;

private:
    struct Saved;
    Saved* saved_;
};

// The exit status of a command ended by Ctrl-C: 128 + SIGINT.
inline constexpr int kInterruptedStatus = 130;

}  // namespace momentart
