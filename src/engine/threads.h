// The engine's threads, in one place. WebAssembly's libc++ has none: there
// the shares of work meant for several threads run on the calling thread,
// one after another, and every caller gets the results it gets on any number
// of threads.
#pragma once

#include <version>

#if defined(_LIBCPP_HAS_NO_THREADS) || (defined(_LIBCPP_HAS_THREADS) && !_LIBCPP_HAS_THREADS)
#define MOMENTART_THREADS 0
#else
#define MOMENTART_THREADS 1
#include <mutex>
#include <thread>
#endif

#include <exception>
#include <vector>

namespace momentart {

// The number of threads to use for `jobs` asked for: 1 without threads.
inline int usableThreads(int jobs) { return MOMENTART_THREADS ? jobs : 1; }

// Calls work(t) for t = 0..threads-1, each on its own thread (the caller's
// running t = 0), waits for all, then throws what one of them threw.
template <typename Work>
void onThreads(int threads, const Work& work) {
#if MOMENTART_THREADS && defined(__cpp_exceptions)
    std::vector<std::exception_ptr> failures(static_cast<std::size_t>(threads));
    const auto guarded = [&](int t) {
        try {
            work(t);
        } catch (...) {
            failures[t] = std::current_exception();
        }
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t) helpers.emplace_back(guarded, t);
    guarded(0);
    for (std::thread& helper : helpers) helper.join();
    for (const std::exception_ptr& failure : failures)
        if (failure) std::rethrow_exception(failure);
#elif MOMENTART_THREADS
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t) helpers.emplace_back(work, t);
    work(0);
    for (std::thread& helper : helpers) helper.join();
#else
    for (int t = 0; t < threads; ++t) work(t);
#endif
}

// A lock that threads take turns with; nothing to take without threads.
#if MOMENTART_THREADS
using TurnLock = std::mutex;
#else
struct TurnLock {
    void lock() {}
    void unlock() {}
};
#endif

// Holds a TurnLock for its scope.
class Turn {
public:
    explicit Turn(TurnLock& lock) : lock_(lock) { lock_.lock(); }
    ~Turn() { lock_.unlock(); }
    Turn(const Turn&) = delete;
    Turn& operator=(const Turn&) = delete;

private:
    TurnLock& lock_;
};

}  // namespace momentart
