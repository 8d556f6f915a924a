// The reduction (Payne and Hanek's): x = M 2^E with M a 53-bit integer,
// and 2/pi = sum of T[i] 2^(-32(i + 1)) over its limbs. x 2/pi is needed
// modulo 4 only: the limbs i with E - 32(i + 1) >= 2 give multiples of 4
// and are skipped; a window of w limbs from the first one kept, times M, is
// a fixed-point number P 2^-f whose bits from the f-th on hold the quadrant
// and below it the fraction g, taken to [-1/2, 1/2) (q then the nearer
// whole number). r = g pi/2.
//
// Error: the limbs after the window weigh below 2^-32 of their first, so
// they change x 2/pi by below M 2^(E - 32 (i0 + w)) < 2^(53 - f); relative
// to |g| >= 2^(ge - 1) that is 2^(54 - f - ge). g's truncation to n limbs
// (eps), pi/4's (eps) and the product (eps) add below 2^(3.6 - 32n). The
// window is widened until f >= 32n + 52 - ge, which bounds the first part
// by 2^(2 - 32n); the bound returned is computed from f and ge, so it holds
// even if the table ended first (it cannot: the table's 2,560 bits leave
// over 1,400 after the skipped limbs; the smallest |g| known for a double
// is near 2^-62, and at 768 bits the widening then needs fewer than 900).
//
// |x| < 0.78 needs no reduction: r = x exactly.
#include "maths/accurate/reduction.h"

#include <bit>
#include <cstdint>

#include "maths/accurate/constant_values.h"

namespace momentart::maths::accurate {

namespace {

constexpr int kWindow = kTwoOverPiLimbs + 2;

}  // namespace

Reduced reducedByHalfPi(double x, int limbs) {
    if (x > -0.78 && x < 0.78) return {0, {Real::fromDouble(x, limbs), -32 * limbs - 1}};
    const bool negative = x < 0;
    const auto bits = std::bit_cast<std::uint64_t>(x);
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int e = static_cast<int>((bits >> 52) & 0x7ff) - 1075;
    const int first = e >= 2 ? (e - 2) / 32 : 0;
    int w = limbs + 6;
    for (;;) {
        if (first + w > kTwoOverPiLimbs) w = kTwoOverPiLimbs - first;
        // P = M times the window, w + 2 limbs, most significant first.
        std::uint32_t p[kWindow] = {};
        const std::uint32_t mLimbs[2] = {static_cast<std::uint32_t>(m >> 32), static_cast<std::uint32_t>(m)};
        for (int j = 1; j >= 0; --j) {
            std::uint64_t carry = 0;
            for (int i = w - 1; i >= 0; --i) {
                const std::uint64_t v =
                    static_cast<std::uint64_t>(kConstants.twoOverPi[first + i]) * mLimbs[j] + p[i + j + 1] + carry;
                p[i + j + 1] = static_cast<std::uint32_t>(v);
                carry = v >> 32;
            }
            p[j] = static_cast<std::uint32_t>(carry);
        }
        const int length = w + 2;
        const int f = 32 * (first + w) - e;  // P 2^-f = x 2/pi minus multiples of 4
        auto bit = [&](int k) { return (p[length - 1 - k / 32] >> (k % 32)) & 1u; };
        int quadrant = static_cast<int>(bit(f) | (bit(f + 1) << 1));
        // Keep the fraction's f bits only.
        for (int k = 0; k < length; ++k) {
            const int low = 32 * (length - 1 - k);  // the limb's lowest bit
            if (low >= f) p[k] = 0;
            else if (low + 32 > f) p[k] &= (std::uint32_t{1} << (f - low)) - 1;
        }
        bool below = false;  // g = fraction - 1, as its magnitude 2^f - fraction
        if (bit(f - 1) != 0) {
            below = true;
            quadrant = (quadrant + 1) & 3;
            std::int64_t borrow = 0;
            for (int k = length - 1; k >= 0; --k) {
                const std::int64_t v = -static_cast<std::int64_t>(p[k]) - borrow;
                p[k] = static_cast<std::uint32_t>(v & 0xffffffff);
                borrow = v < 0 ? 1 : 0;
            }
            for (int k = 0; k < length; ++k) {  // modulo 2^f
                const int low = 32 * (length - 1 - k);
                if (low >= f) p[k] = 0;
                else if (low + 32 > f) p[k] &= (std::uint32_t{1} << (f - low)) - 1;
            }
        }
        const Real g = Real::normalised(p, length, 32 * length - f, below != negative, limbs);
        const std::int64_t ge = g.isZero() ? -100000 : g.exponent();
        if (f < 32 * limbs + 52 - ge && first + w < kTwoOverPiLimbs && !g.isZero()) {
            w = static_cast<int>(32 * limbs + 52 - ge + e) / 32 - first + 2;
            continue;
        }
        if (g.isZero()) {
            if (first + w < kTwoOverPiLimbs) { w = kTwoOverPiLimbs; continue; }
            return {quadrant, {g, 100000}};  // never: no double is a multiple of pi/2
        }
        const Real halfPi = Real::fromLimbs(kConstants.piOverFour, kConstantLimbs, 1, limbs);
        const std::int64_t windowBits = 55 + 32 * limbs - f - ge;
        const int errorBits = static_cast<int>(windowBits > 5 ? windowBits : 5);
        return {negative ? (4 - quadrant) & 3 : quadrant, {g * halfPi, errorBits}};
    }
}

}  // namespace momentart::maths::accurate
