#include "engine/interest.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/stamp.h"

namespace momentart {

namespace {

constexpr int kMeasuredRows = kStampTop;

// Luma in thousandths, exact in whole numbers: 299 R + 587 G + 114 B.
std::int64_t luma1000(ColourNumber c) { return 299 * redOf(c) + 587 * greenOf(c) + 114 * blueOf(c); }

// The colours in increasing order: a radix sort by the three bytes of a
// colour number, a few times faster than a comparison sort here. The
// buffers stay with the thread, so a batch's workers do not ask for fresh
// memory for every picture.
const std::vector<ColourNumber>& sortedColours(const ColourNumber* pixels, std::size_t count) {
    thread_local std::vector<ColourNumber> sorted, spare;
    sorted.assign(pixels, pixels + count);
    spare.resize(count);
    for (int shift = 0; shift < 24; shift += 8) {
        std::array<std::size_t, 257> start{};
        for (std::size_t n = 0; n < count; ++n) ++start[((sorted[n] >> shift) & 0xFF) + 1];
        for (int b = 0; b < 256; ++b) start[b + 1] += start[b];
        for (std::size_t n = 0; n < count; ++n) spare[start[(sorted[n] >> shift) & 0xFF]++] = sorted[n];
        sorted.swap(spare);
    }
    return sorted;
}

// The share of the most common colour: sorted, equal colours are neighbours.
double commonShare(const ColourNumber* pixels, std::size_t count) {
    const std::vector<ColourNumber>& sorted = sortedColours(pixels, count);
    std::size_t longest = 0;
    for (std::size_t start = 0; start < count;) {
        std::size_t end = start + 1;
        while (end < count && sorted[end] == sorted[start]) ++end;
        longest = std::max(longest, end - start);
        start = end;
    }
    return static_cast<double>(longest) / static_cast<double>(count);
}

}  // namespace

Interest measureInterest(const Canvas& canvas) {
    constexpr int width = Canvas::kWidth;
    constexpr std::int64_t count = static_cast<std::int64_t>(width) * kMeasuredRows;
    const ColourNumber* pixels = canvas.data();

    // Whole-number sums, exact whatever the order: the sum of the lumas, and
    // of the absolute differences of the pairs side by side and one above
    // the other.
    std::int64_t sum = 0, differences = 0;
    for (int row = 0; row < kMeasuredRows; ++row) {
        const ColourNumber* line = pixels + static_cast<std::ptrdiff_t>(row) * width;
        for (int column = 0; column < width; ++column) sum += luma1000(line[column]);
        for (int column = 0; column + 1 < width; ++column)
            differences += std::abs(luma1000(line[column]) - luma1000(line[column + 1]));
        if (row + 1 < kMeasuredRows)
            for (int column = 0; column < width; ++column)
                differences += std::abs(luma1000(line[column]) - luma1000(line[column + width]));
    }
    // The spread about a whole number near the mean, so the squares stay
    // exact in 64 bits: n var = sum (d - m)^2 - (sum (d - m))^2 / n.
    const std::int64_t near = sum / count;
    std::int64_t squares = 0, offsets = 0;
    for (std::int64_t n = 0; n < count; ++n) {
        const std::int64_t d = luma1000(pixels[n]) - near;
        squares += d * d;
        offsets += d;
    }
    const double variance = (static_cast<double>(squares) -
                             static_cast<double>(offsets) * static_cast<double>(offsets) / static_cast<double>(count)) /
                            static_cast<double>(count);
    constexpr std::int64_t pairs = static_cast<std::int64_t>(width - 1) * kMeasuredRows +
                                   static_cast<std::int64_t>(width) * (kMeasuredRows - 1);

    Interest interest;
    interest.common = commonShare(pixels, static_cast<std::size_t>(count));
    interest.spread = std::sqrt(std::max(variance, 0.0)) / 1000.0;
    interest.detail = static_cast<double>(differences) / static_cast<double>(pairs) / 1000.0;
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
