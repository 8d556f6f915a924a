// A multi-precision binary floating-point number for the accurate path:
// sign, a 64-bit binary exponent and n 32-bit limbs (n <= kMaxLimbs), value
// 0.d[0]d[1]...d[n-1] (base 2^32) times 2^exponent, normalised so that the
// top bit of d[0] is set. Integer operations only (32-bit limbs, 64-bit
// products), so every machine computes the same bits.
//
// Every operation truncates its exact result's magnitude to n limbs, so its
// relative error is below 2^(2 - 32n) =: eps(n) (real.cpp says why);
// scaling by a power of 2 and negation are exact. Operands of one operation
// have the same n.
#pragma once

#include <cstdint>

namespace momentart::maths::accurate {

inline constexpr int kMaxLimbs = 24;

class Real {
public:
    explicit Real(int limbs) : limbs_(limbs) {}  // zero

    // v exactly (limbs >= 2); v finite.
    static Real fromDouble(double v, int limbs);
    // m 2^exponent2 exactly (limbs >= 2).
    static Real fromInteger(std::uint64_t m, std::int64_t exponent2, int limbs);
    // 0.d[0]d[1]... 2^exponent from `count` limbs, d[0]'s top bit set,
    // truncated to `limbs`.
    static Real fromLimbs(const std::uint32_t* d, int count, std::int64_t exponent, int limbs);

    bool isZero() const { return zero_; }
    bool isNegative() const { return negative_; }
    // |value| lies in [2^(exponent - 1), 2^exponent).
    std::int64_t exponent() const { return exponent_; }
    int limbs() const { return limbs_; }
    std::uint32_t limb(int i) const { return d_[i]; }

    Real operator-() const;
    Real abs() const;
    Real scaled(std::int64_t k) const;  // times 2^k, exact
    Real times(std::uint32_t k) const;
    Real dividedBy(std::uint32_t k) const;  // k > 0

    friend Real operator+(const Real& a, const Real& b);
    friend Real operator-(const Real& a, const Real& b);
    friend Real operator*(const Real& a, const Real& b);

    // |a| < |b|.
    friend bool smallerMagnitude(const Real& a, const Real& b);

    // A double within 2^-52 of the value, for choices such as a quadrant
    // or a power of 2, never for results (|value| within double range).
    double approximate() const;
    // The value rounded to the nearest double, ties to even: subnormals,
    // overflow to infinity and underflow to a signed zero as IEEE 754.
    double rounded() const;

    // From a magnitude 0.b[0]b[1]...b[count-1] 2^exponent (any leading
    // zeros), truncated to `limbs`.
    static Real normalised(const std::uint32_t* b, int count, std::int64_t exponent, bool negative, int limbs);

private:
    int limbs_;
    bool zero_ = true;
    bool negative_ = false;
    std::int64_t exponent_ = 0;
    std::uint32_t d_[kMaxLimbs] = {};
};

}  // namespace momentart::maths::accurate
