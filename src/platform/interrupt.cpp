#include "platform/interrupt.h"

#include <QFile>
#include <csignal>
#include <cstring>
#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace momentart {

namespace {

std::atomic<bool> gInterrupted{false};
const char* gNotice = nullptr;

extern "C" void onInterrupt(int) {
    // Only async-signal-safe calls here.
    const bool first = !gInterrupted.exchange(true);
    if (first && gNotice != nullptr) {
#if defined(_WIN32)
        _write(2, gNotice, static_cast<unsigned>(std::strlen(gNotice)));
#else
        const ssize_t ignored = ::write(STDERR_FILENO, gNotice, std::strlen(gNotice));
        (void)ignored;
#endif
    }
}

using Handler = void (*)(int);

}  // namespace

struct InterruptGuard::Saved {
    Handler interrupt = SIG_DFL;
    Handler terminate = SIG_DFL;
};

InterruptGuard::InterruptGuard(const char* notice) : saved_(new Saved) {
    gInterrupted.store(false);
    gNotice = notice;
    saved_->interrupt = std::signal(SIGINT, onInterrupt);
    saved_->terminate = std::signal(SIGTERM, onInterrupt);
}

InterruptGuard::~InterruptGuard() {
    std::signal(SIGINT, saved_->interrupt == SIG_ERR ? SIG_DFL : saved_->interrupt);
    std::signal(SIGTERM, saved_->terminate == SIG_ERR ? SIG_DFL : saved_->terminate);
    gNotice = nullptr;
    delete saved_;
}

const std::atomic<bool>& InterruptGuard::flag() const { return gInterrupted; }

bool takeBackIfInterrupted(const InterruptGuard& interrupt, const QString& path) {
    if (!interrupt.flag().load()) return false;
    if (!path.isEmpty()) QFile::remove(path);
    return true;
}

}  // namespace momentart
