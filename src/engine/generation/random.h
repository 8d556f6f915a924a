// The program's uniform random generator: PCG32 (XSH RR, 64-bit state).
// Rnd() gives single-precision values in [0, 1) with 24 random bits.
#pragma once

#include <cmath>
#include <cstdint>

namespace momentart {

class Pcg32 {
public:
    static constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
    static constexpr std::uint64_t kIncrement = 109;  // stream 54

    // Restarts the sequence from a 32-bit seed (the bit pattern of the timer).
    void seed(std::uint32_t s) {
        state_ = 0;
        inc_ = kIncrement;
        next();
        state_ += s;
        next();
    }

    // The next raw 32-bit output.
    std::uint32_t next() {
        const std::uint64_t old = state_;
        state_ = old * kMultiplier + inc_;
        const auto xorshifted = static_cast<std::uint32_t>(((old >> 18) ^ old) >> 27);
        const auto rot = static_cast<std::uint32_t>(old >> 59);
        return (xorshifted >> rot) | (xorshifted << ((32 - rot) & 31));
    }

    // Rnd: a single-precision uniform value in [0, 1).
    float rnd() { return static_cast<float>(next() >> 8) * 0x1p-24f; }

    // Rnd widened to double, for the draws made in double precision.
    double rndDouble() { return static_cast<double>(rnd()); }

    // Moves on by `draws` outputs at once, as that many next() calls would
    // (the linear congruential step composed with itself, in log2 steps).
    void advance(std::uint64_t draws) {
        std::uint64_t multiplier = kMultiplier, increment = inc_;
        std::uint64_t totalMultiplier = 1, totalIncrement = 0;
        for (; draws > 0; draws >>= 1) {
            if (draws & 1) {
                totalMultiplier *= multiplier;
                totalIncrement = totalIncrement * multiplier + increment;
            }
            increment = (multiplier + 1) * increment;
            multiplier *= multiplier;
        }
        state_ = totalMultiplier * state_ + totalIncrement;
    }

    bool operator==(const Pcg32&) const = default;

    // The raw generator state, so that a picture's recipe can restore it.
    std::uint64_t rawState() const { return state_; }
    std::uint64_t rawIncrement() const { return inc_; }
    void restore(std::uint64_t state, std::uint64_t inc) {
        state_ = state;
        inc_ = inc;
    }

private:
    std::uint64_t state_ = 0;
    std::uint64_t inc_ = kIncrement;
};

// Int(Rnd * n + k) with Rnd widened to double.
inline double drawWhole(Pcg32& rnd, double n, double k) { return std::floor(rnd.rndDouble() * n + k); }
// Rnd * n + k with Rnd widened to double.
inline double drawReal(Pcg32& rnd, double n, double k) { return rnd.rndDouble() * n + k; }

}  // namespace momentart
