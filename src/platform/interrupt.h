// Ctrl-C (and a polite kill) for the long commands: instead of ending the
// program at once, they set a flag that the work looks at between pictures.
#pragma once

#include <QString>
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

// Once a command has said it is stopping, nothing more may appear: a file
// it finished while the interruption came is removed again. Returns true
// when the command was interrupted (and `path`, if not empty, removed).
bool takeBackIfInterrupted(const InterruptGuard& interrupt, const QString& path);

// The exit status of a command ended by Ctrl-C: 128 + SIGINT.
inline constexpr int kInterruptedStatus = 130;

}  // namespace momentart
