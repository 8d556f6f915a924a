#include "engine/interest.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

#include "engine/stamp.h"

namespace momentart {

namespace {

constexpr int kMeasuredRows = kStampTop;

double luma(ColourNumber c) { return 0.299 * redOf(c) + 0.587 * greenOf(c) + 0.114 * blueOf(c); }

// The colours in increasing order: a radix sort by the three bytes of a
// colour number, a few times faster than a comparison sort here.
std::vector<ColourNumber> sortedColours(const ColourNumber* pixels, std::size_t count) {
    std::vector<ColourNumber> sorted(pixels, pixels + count), spare(count);
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
    const std::vector<ColourNumber> sorted = sortedColours(pixels, count);
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
    constexpr std::size_t count = static_cast<std::size_t>(width) * kMeasuredRows;
    std::vector<double> brightness(count);
    double sum = 0;
    for (std::size_t n = 0; n < count; ++n) {
        brightness[n] = luma(canvas.data()[n]);
        sum += brightness[n];
    }
    const double mean = sum / static_cast<double>(count);
    double squares = 0;
    for (double b : brightness) squares += (b - mean) * (b - mean);

    double differences = 0;
    long pairs = 0;
    for (int row = 0; row < kMeasuredRows; ++row) {
        for (int column = 0; column < width; ++column) {
            const double here = brightness[static_cast<std::size_t>(row) * width + column];
            if (column + 1 < width) {
                differences += std::fabs(here - brightness[static_cast<std::size_t>(row) * width + column + 1]);
                ++pairs;
            }
            if (row + 1 < kMeasuredRows) {
                differences += std::fabs(here - brightness[static_cast<std::size_t>(row + 1) * width + column]);
                ++pairs;
            }
        }
    }

    Interest interest;
    interest.common = commonShare(canvas.data(), count);
    interest.spread = std::sqrt(squares / static_cast<double>(count));
    interest.detail = differences / static_cast<double>(pairs);
    return interest;
}

bool isDull(const Interest& interest) {
    return interest.common >= kDullCommonShare || interest.spread < kDullSpread;
}

std::string interestText(const Interest& interest) {
    char text[80];
    std::snprintf(text, sizeof text, "common=%.2f spread=%.1f detail=%.1f", interest.common,
                  interest.spread, interest.detail);
    return text;
}

}  // namespace momentart
