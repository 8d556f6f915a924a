#include "engine/interest.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "engine/stamp.h"
#include "engine/threads.h"

namespace momentart {

namespace {

// The most common colour is counted in two steps: the pixels are sorted
// into buckets by the high 12 bits of their colour number, then each
// bucket's low 12 bits are counted in a table small enough for the cache.
constexpr int kLowBits = 12;
constexpr std::size_t kBuckets = std::size_t{1} << (24 - kLowBits);
constexpr std::size_t kLows = std::size_t{1} << kLowBits;
constexpr ColourNumber kLowMask = kLows - 1;

std::size_t bucketOf(ColourNumber c) { return (c >> kLowBits) & (kBuckets - 1); }

// Fewer rows than this are not worth a thread of their own.
constexpr int kRowsAThread = 64;

using Counts = std::vector<std::uint32_t>;

// Luma in thousandths, exact in whole numbers: 299 R + 587 G + 114 B.
std::int32_t luma1000(ColourNumber c) { return 299 * redOf(c) + 587 * greenOf(c) + 114 * blueOf(c); }

// The measured part of a canvas: its whole width, and the rows above the
// stamp, which a picture of scale K has K times as many of.
struct Measured {
    const ColourNumber* pixels;
    int width, rows;

    const ColourNumber* row(int r) const { return pixels + static_cast<std::ptrdiff_t>(r) * width; }
};

// Whole-number sums over some rows, exact whatever the order, so that
// threads' shares add up to the same figures. `squares` wraps modulo 2^64
// on the way; the sum the spread needs is below 2^63 (wrapped terms cancel).
struct Sums {
    std::int64_t luma = 0;
    std::uint64_t squares = 0;
    std::int64_t differences = 0;  // of the pairs side by side, and of each row with the next

    void add(const Sums& other) {
        luma += other.luma;
        squares += other.squares;
        differences += other.differences;
    }
};

// Sums rows first..end-1 and counts their colours' buckets into `buckets`.
Sums sumRows(const Measured& m, int first, int end, Counts& buckets) {
    Sums sums;
    std::vector<std::int32_t> luma(static_cast<std::size_t>(m.width)), below(luma.size());
    const auto lumasOf = [&](int r, std::vector<std::int32_t>& out) {
        const ColourNumber* line = m.row(r);
        for (int column = 0; column < m.width; ++column) out[column] = luma1000(line[column]);
    };
    lumasOf(first, luma);
    for (int r = first; r < end; ++r) {
        const ColourNumber* line = m.row(r);
        for (int column = 0; column < m.width; ++column) ++buckets[bucketOf(line[column])];
        for (int column = 0; column < m.width; ++column) {
            const auto l = static_cast<std::uint64_t>(luma[column]);
            sums.luma += static_cast<std::int64_t>(l);
            sums.squares += l * l;
        }
        for (int column = 0; column + 1 < m.width; ++column)
            sums.differences += std::abs(luma[column] - luma[column + 1]);
        if (r + 1 < m.rows) {
            lumasOf(r + 1, below);
            for (int column = 0; column < m.width; ++column) sums.differences += std::abs(luma[column] - below[column]);
            luma.swap(below);
        }
    }
    return sums;
}

// The pixel count of the most common colour. Each thread's rows (`bands`,
// with their bucket counts) go into the buckets; then the threads count
// the buckets in turns of about equal sizes.
std::uint32_t mostCommonCount(const Measured& m, const std::vector<int>& bands, const std::vector<Counts>& counts) {
    const int threads = static_cast<int>(counts.size());
    // Where each thread's share of each bucket starts.
    std::vector<Counts> next(counts.size(), Counts(kBuckets));
    std::vector<std::size_t> bucketStart(kBuckets + 1);
    std::size_t position = 0;
    for (std::size_t b = 0; b < kBuckets; ++b) {
        bucketStart[b] = position;
        for (int t = 0; t < threads; ++t) {
            next[t][b] = static_cast<std::uint32_t>(position);
            position += counts[t][b];
        }
    }
    bucketStart[kBuckets] = position;

    const std::unique_ptr<std::uint16_t[]> lows(new std::uint16_t[position]);
    onThreads(threads, [&](int t) {
        Counts& at = next[t];
        for (int r = bands[t]; r < bands[t + 1]; ++r) {
            const ColourNumber* line = m.row(r);
            for (int column = 0; column < m.width; ++column)
                lows[at[bucketOf(line[column])]++] = static_cast<std::uint16_t>(line[column] & kLowMask);
        }
    });

    // Buckets b in [firstBucket[t], firstBucket[t + 1]) are thread t's.
    std::vector<std::size_t> firstBucket(static_cast<std::size_t>(threads) + 1, kBuckets);
    firstBucket[0] = 0;
    for (int t = 1, b = 0; t < threads; ++t) {
        while (static_cast<std::size_t>(b) < kBuckets && bucketStart[b] < position * t / threads) ++b;
        firstBucket[t] = static_cast<std::size_t>(b);
    }
    std::vector<std::uint32_t> longest(static_cast<std::size_t>(threads), 0);
    onThreads(threads, [&](int t) {
        Counts tally(kLows, 0);
        std::uint32_t most = 0;
        for (std::size_t b = firstBucket[t]; b < firstBucket[t + 1]; ++b) {
            const std::uint16_t* begin = lows.get() + bucketStart[b];
            const std::uint16_t* end = lows.get() + bucketStart[b + 1];
            for (const std::uint16_t* low = begin; low != end; ++low) most = std::max(most, ++tally[*low]);
            for (const std::uint16_t* low = begin; low != end; ++low) tally[*low] = 0;
        }
        longest[t] = most;
    });
    return *std::max_element(longest.begin(), longest.end());
}

}  // namespace

Interest measureInterest(const Canvas& canvas, int jobs) {
    const Measured m{canvas.data(), canvas.width(),
                     static_cast<int>(static_cast<std::int64_t>(kStampTop) * canvas.height() / Canvas::kHeight)};
    const std::int64_t count = static_cast<std::int64_t>(m.width) * m.rows;
    if (count == 0) return {};

    // Rows shared out evenly: thread t has rows bands[t]..bands[t + 1]-1.
    const int threads = std::clamp(std::min(usableThreads(jobs), m.rows / kRowsAThread), 1, m.rows);
    std::vector<int> bands(static_cast<std::size_t>(threads) + 1);
    for (int t = 0; t <= threads; ++t) bands[t] = static_cast<int>(static_cast<std::int64_t>(m.rows) * t / threads);
    std::vector<Sums> shares(static_cast<std::size_t>(threads));
    std::vector<Counts> buckets(static_cast<std::size_t>(threads), Counts(kBuckets, 0));
    onThreads(threads, [&](int t) { shares[t] = sumRows(m, bands[t], bands[t + 1], buckets[t]); });
    Sums sums;
    for (const Sums& share : shares) sums.add(share);

    // The spread about a whole number near the mean, so the squares stay
    // exact in 64 bits: n var = sum (d - m)^2 - (sum (d - m))^2 / n, where
    // sum (d - m)^2 = sum d^2 - 2 m sum d + n m^2.
    const std::int64_t near = sums.luma / count;
    const auto unsignedNear = static_cast<std::uint64_t>(near);
    const auto squares = static_cast<std::int64_t>(
        sums.squares - 2 * unsignedNear * static_cast<std::uint64_t>(sums.luma) +
        static_cast<std::uint64_t>(count) * unsignedNear * unsignedNear);
    const std::int64_t offsets = sums.luma - count * near;
    const double variance = (static_cast<double>(squares) -
                             static_cast<double>(offsets) * static_cast<double>(offsets) / static_cast<double>(count)) /
                            static_cast<double>(count);
    const std::int64_t pairs = static_cast<std::int64_t>(m.width - 1) * m.rows +
                               static_cast<std::int64_t>(m.width) * (m.rows - 1);

    Interest interest;
    interest.common = static_cast<double>(mostCommonCount(m, bands, buckets)) / static_cast<double>(count);
    interest.spread = std::sqrt(std::max(variance, 0.0)) / 1000.0;
    interest.detail = pairs > 0 ? static_cast<double>(sums.differences) / static_cast<double>(pairs) / 1000.0 : 0;
    return interest;
}

bool isDull(const Interest& interest) {
    return interest.common >= kDullCommonShare || interest.spread < kDullSpread;
}

std::string interestText(const Interest& interest) {
    // std::to_chars writes a decimal point in every locale; printf would
    // write "0,07" under a French one, and files must not depend on it.
    std::string text;
    const auto append = [&text](const char* key, double value, int decimals) {
        char digits[32];
        const auto written = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
        text += key;
        text.append(digits, written.ptr);
    };
    append("common=", interest.common, 2);
    append(" spread=", interest.spread, 1);
    append(" detail=", interest.detail, 1);
    return text;
}

}  // namespace momentart
