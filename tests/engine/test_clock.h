// A clock for tests: a fixed seed and a fixed moment.
#pragma once

#include "engine/host.h"

namespace momentart::testing {

class TestClock final : public Clock {
public:
    explicit TestClock(std::uint32_t seed) : seed_(seed) {}
    std::uint32_t timerSeed() override {
        ++reads;
        return seed_;
    }
    CalendarTime now() override { return {2026, 12, 7, 8, 14, 53}; }
    void setSeed(std::uint32_t seed) { seed_ = seed; }
    int reads = 0;

private:
    std::uint32_t seed_;
};

}  // namespace momentart::testing
