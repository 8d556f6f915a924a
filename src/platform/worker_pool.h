// Runs independent pieces of work on a few threads.
#pragma once

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace momentart {

// Every core the machine reports, at least one.
inline int everyCore() { return std::max(1, static_cast<int>(std::thread::hardware_concurrency())); }

// More workers than this many per core only cost memory (each holds a
// picture) and time.
inline constexpr int kWorkersPerCore = 2;

// Calls `work(n)` for n = 0, 1, ..., count - 1 on `jobs` threads (at most one
// per piece of work and kWorkersPerCore per core), each taking
// the next number as soon as it is free. Once `stop` is set no further number
// is started; the calls under way finish.
inline void forEachOnThreads(int count, int jobs, const std::atomic<bool>& stop,
                            const std::function<void(int)>& work) {
    std::atomic<int> next{0};
    auto worker = [&] {
        while (!stop.load()) {
            const int n = next.fetch_add(1);
            if (n >= count) return;
            work(n);
        }
    };
    const int threads = std::clamp(jobs, 1, std::min(std::max(count, 1), kWorkersPerCore * everyCore()));
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t) pool.emplace_back(worker);
    worker();
    for (std::thread& thread : pool) thread.join();
}

}  // namespace momentart
