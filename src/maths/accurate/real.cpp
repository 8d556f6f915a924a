// The multi-precision number's arithmetic (real.h).
//
// Why each operation errs by less than eps(n) = 2^(2 - 32n) relative: a
// normalised n-limb magnitude m 2^e has m >= 1/2, and truncating an exact
// result to n limbs removes less than 2^(e - 32n), below 2^(1 - 32n) of it.
// Products, products by a limb and quotients by a limb are computed with
// every limb of the exact result that truncation keeps (a quotient by a
// limb has at most 32 leading zero bits, and is computed to n + 2 limbs:
// the rest errs by below 2^(-32n - 31) of it). A sum aligns the smaller
// operand into n + 2 limbs below a carry limb: when the exponents differ by
// at most 1 its bits all fit and the sum is exact before the truncation;
// otherwise |small| < |big| / 2, so the result exceeds |big| / 2 and the
// dropped bits, below 2^(-32(n + 2)) |big|, are below 2^(-32n - 62) of it.
// In all cases the total stays below 2^(1 - 32n) + 2^(-32n - 31) < eps(n).
#include "maths/accurate/real.h"

#include <bit>
#include <cmath>

namespace momentart::maths::accurate {

namespace {

constexpr int kBuffer = 2 * kMaxLimbs + 4;

}  // namespace

Real Real::normalised(const std::uint32_t* b, int count, std::int64_t exponent, bool negative, int limbs) {
    Real r(limbs);
    int first = 0;
    while (first < count && b[first] == 0) ++first;
    if (first == count) return r;
    const int shift = std::countl_zero(b[first]);
    for (int i = 0; i < limbs; ++i) {
        const int k = first + i;
        const std::uint32_t high = k < count ? b[k] : 0;
        const std::uint32_t low = k + 1 < count ? b[k + 1] : 0;
        r.d_[i] = shift == 0 ? high : (high << shift) | (low >> (32 - shift));
    }
    r.zero_ = false;
    r.negative_ = negative;
    r.exponent_ = exponent - 32 * static_cast<std::int64_t>(first) - shift;
    return r;
}

Real Real::fromLimbs(const std::uint32_t* d, int count, std::int64_t exponent, int limbs) {
    return normalised(d, count, exponent, false, limbs);
}

Real Real::fromInteger(std::uint64_t m, std::int64_t exponent2, int limbs) {
    const std::uint32_t b[2] = {static_cast<std::uint32_t>(m >> 32), static_cast<std::uint32_t>(m)};
    return normalised(b, 2, exponent2 + 64, false, limbs);
}

Real Real::fromDouble(double v, int limbs) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    Real r = biased == 0 ? fromInteger(fraction, -1074, limbs)
                         : fromInteger(fraction | (std::uint64_t{1} << 52), biased - 1075, limbs);
    r.negative_ = !r.zero_ && (bits >> 63) != 0;
    return r;
}

Real Real::operator-() const {
    Real r = *this;
    if (!r.zero_) r.negative_ = !r.negative_;
    return r;
}

Real Real::abs() const {
    Real r = *this;
    r.negative_ = false;
    return r;
}

Real Real::scaled(std::int64_t k) const {
    Real r = *this;
    if (!r.zero_) r.exponent_ += k;
    return r;
}

bool smallerMagnitude(const Real& a, const Real& b) {
    if (b.zero_) return false;
    if (a.zero_) return true;
    if (a.exponent_ != b.exponent_) return a.exponent_ < b.exponent_;
    for (int i = 0; i < a.limbs_; ++i)
        if (a.d_[i] != b.d_[i]) return a.d_[i] < b.d_[i];
    return false;
}

namespace {

// |big| + |small| or |big| - |small| (|small| <= |big|, big nonzero), with
// big's sign.
Real combine(const Real& big, const Real& small, bool subtract) {
    const int n = big.limbs();
    const int length = n + 3;  // a carry limb, n limbs, 2 guard limbs
    std::uint32_t buffer[kBuffer] = {};
    for (int i = 0; i < n; ++i) buffer[1 + i] = big.limb(i);
    std::uint32_t aligned[kBuffer] = {};
    if (!small.isZero()) {
        const std::int64_t shift = big.exponent() - small.exponent();
        const std::int64_t limbShift = shift / 32;
        const int bitShift = static_cast<int>(shift % 32);
        for (int k = 0; k < n && 1 + k + limbShift < length; ++k) {
            const auto at = static_cast<int>(1 + k + limbShift);
            aligned[at] |= small.limb(k) >> bitShift;
            if (bitShift != 0 && at + 1 < length) aligned[at + 1] |= small.limb(k) << (32 - bitShift);
        }
    }
    std::int64_t carry = 0;
    for (int i = length - 1; i >= 0; --i) {
        const std::int64_t v = static_cast<std::int64_t>(buffer[i]) + (subtract ? -static_cast<std::int64_t>(aligned[i]) : aligned[i]) + carry;
        buffer[i] = static_cast<std::uint32_t>(v & 0xffffffff);
        carry = v >> 32;  // arithmetic: -1 for a borrow
    }
    return Real::normalised(buffer, length, big.exponent() + 32, big.isNegative(), n);
}

Real sum(const Real& a, const Real& b, bool negateB) {
    if (b.isZero()) return a;
    const Real bSigned = negateB ? -b : b;
    if (a.isZero()) return bSigned;
    const bool subtract = a.isNegative() != bSigned.isNegative();
    return smallerMagnitude(a, bSigned) ? combine(bSigned, a, subtract) : combine(a, bSigned, subtract);
}

}  // namespace

Real operator+(const Real& a, const Real& b) { return sum(a, b, false); }
Real operator-(const Real& a, const Real& b) { return sum(a, b, true); }

Real operator*(const Real& a, const Real& b) {
    const int n = a.limbs_;
    if (a.zero_ || b.zero_) return Real(n);
    std::uint32_t product[kBuffer] = {};
    for (int i = n - 1; i >= 0; --i) {
        std::uint64_t carry = 0;
        for (int j = n - 1; j >= 0; --j) {
            const std::uint64_t v = static_cast<std::uint64_t>(a.d_[i]) * b.d_[j] + product[i + j + 1] + carry;
            product[i + j + 1] = static_cast<std::uint32_t>(v);
            carry = v >> 32;
        }
        product[i] = static_cast<std::uint32_t>(carry);
    }
    return Real::normalised(product, 2 * n, a.exponent_ + b.exponent_, a.negative_ != b.negative_, n);
}

Real Real::times(std::uint32_t k) const {
    std::uint32_t buffer[kBuffer] = {};
    std::uint64_t carry = 0;
    for (int i = limbs_ - 1; i >= 0; --i) {
        const std::uint64_t v = static_cast<std::uint64_t>(d_[i]) * k + carry;
        buffer[i + 1] = static_cast<std::uint32_t>(v);
        carry = v >> 32;
    }
    buffer[0] = static_cast<std::uint32_t>(carry);
    return normalised(buffer, limbs_ + 1, exponent_ + 32, negative_, limbs_);
}

Real Real::dividedBy(std::uint32_t k) const {
    std::uint32_t quotient[kBuffer] = {};
    std::uint64_t remainder = 0;
    for (int i = 0; i < limbs_ + 2; ++i) {
        const std::uint64_t v = (remainder << 32) | (i < limbs_ ? d_[i] : 0);
        quotient[i] = static_cast<std::uint32_t>(v / k);
        remainder = v % k;
    }
    return normalised(quotient, limbs_ + 2, exponent_, negative_, limbs_);
}

double Real::approximate() const {
    if (zero_) return 0;
    const std::uint64_t top = (static_cast<std::uint64_t>(d_[0]) << 32) | d_[1];
    const double v = std::ldexp(static_cast<double>(top), static_cast<int>(exponent_ - 64));
    return negative_ ? -v : v;
}

double Real::rounded() const {
    if (zero_) return negative_ ? -0.0 : 0.0;
    const double sign = negative_ ? -1.0 : 1.0;
    // |value| in [2^(e - 1), 2^e): a normal double keeps 53 bits, a
    // subnormal those down to 2^-1074.
    const std::int64_t e = exponent_;
    if (e - 1 >= 1024) return sign * HUGE_VAL;
    const std::int64_t keep = e - 1 >= -1022 ? 53 : e + 1074;
    if (keep < 0) return sign * 0.0;  // below 2^-1076: a quarter of the least subnormal
    const std::uint64_t top = (static_cast<std::uint64_t>(d_[0]) << 32) | d_[1];
    const int k = static_cast<int>(keep);
    std::uint64_t kept = k == 0 ? 0 : top >> (64 - k);
    const bool half = ((top >> (63 - k)) & 1) != 0;
    bool beyond = (top & ((std::uint64_t{1} << (63 - k)) - 1)) != 0;
    for (int i = 2; i < limbs_; ++i) beyond = beyond || d_[i] != 0;
    if (half && (beyond || (kept & 1) != 0)) ++kept;
    return sign * std::ldexp(static_cast<double>(kept), static_cast<int>(e - keep));
}

}  // namespace momentart::maths::accurate
