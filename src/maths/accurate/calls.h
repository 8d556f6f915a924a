// The accurate path's call counters (accurate.h's calls()).
#pragma once

#include <atomic>

namespace momentart::maths::accurate {

struct Counters {
    std::atomic<unsigned long long> sin{0}, cos{0}, tan{0}, log{0}, atan{0}, pow{0};
};
inline Counters gCounters;

inline void counted(std::atomic<unsigned long long>& counter) { counter.fetch_add(1, std::memory_order_relaxed); }

}  // namespace momentart::maths::accurate
