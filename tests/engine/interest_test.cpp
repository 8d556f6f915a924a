// The dullness measure on made-up canvases whose figures are known: one
// colour, a grey ramp, a checkerboard, noise, and the thresholds' edges; a
// picture K times as large, and any number of threads.
#include "engine/interest.h"

#include <cmath>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "engine/generation/random.h"
#include "engine/stamp.h"

namespace momentart {
namespace {

constexpr int kRows = kStampTop;  // the rows measured
constexpr double kPixels = static_cast<double>(Canvas::kWidth) * kRows;
constexpr double kPairs = static_cast<double>(Canvas::kWidth - 1) * kRows + Canvas::kWidth * (kRows - 1.0);

// A canvas whose every pixel is `colourAt(column, row)`, row by row.
std::unique_ptr<Canvas> painted(const std::function<ColourNumber(int column, int row)>& colourAt) {
    auto canvas = std::make_unique<Canvas>();
    for (int row = 0; row < Canvas::kHeight; ++row)
        for (int column = 0; column < Canvas::kWidth; ++column) canvas->set(column, row, colourAt(column, row));
    return canvas;
}

std::unique_ptr<Canvas> filled(ColourNumber colour) {
    return painted([colour](int, int) { return colour; });
}

TEST(Interest, OneColourIsAllCommonWithoutSpreadOrDetailAndDull) {
    for (const ColourNumber colour : {colourOf(0, 0, 0), colourOf(40, 200, 90), colourOf(255, 255, 255)}) {
        const Interest interest = measureInterest(*filled(colour));
        EXPECT_EQ(interest.common, 1.0);
        EXPECT_NEAR(interest.spread, 0.0, 1e-9);
        EXPECT_NEAR(interest.detail, 0.0, 1e-12);
        EXPECT_TRUE(isDull(interest));
    }
}

TEST(Interest, AGreyRampHasTheFiguresOfAUniformRamp) {
    // Columns 3g, 3g + 1, 3g + 2 are grey g, g = 0..199: every grey covers
    // 3 of 600 columns, the greys are uniform on 0..199, and only the 199
    // steps between neighbours side by side differ, by 1.
    const Interest interest =
        measureInterest(*painted([](int column, int) { return colourOf(column / 3, column / 3, column / 3); }));
    EXPECT_NEAR(interest.common, 3.0 / 600.0, 1e-12);
    EXPECT_NEAR(interest.spread, std::sqrt((200.0 * 200.0 - 1.0) / 12.0), 1e-6);
    EXPECT_NEAR(interest.detail, 199.0 * kRows / kPairs, 1e-6);
    EXPECT_FALSE(isDull(interest));
}

TEST(Interest, ACheckerboardOfBlackAndWhiteIsHalfCommonAndAllDetail) {
    const Interest interest = measureInterest(*painted([](int column, int row) {
        return (row + column) % 2 == 0 ? colourOf(255, 255, 255) : colourOf(0, 0, 0);
    }));
    EXPECT_EQ(interest.common, 0.5);
    EXPECT_NEAR(interest.spread, 127.5, 1e-6);
    EXPECT_NEAR(interest.detail, 255.0, 1e-6);
    EXPECT_FALSE(isDull(interest));
}

TEST(Interest, NoiseHasNoCommonColourAndMuchSpreadAndDetail) {
    Pcg32 rnd;
    rnd.seed(2026);
    const Interest interest = measureInterest(*painted([&rnd](int, int) { return rnd.next() & 0xFFFFFF; }));
    EXPECT_LT(interest.common, 10.0 / kPixels);
    // Luma of independent uniform channels: sd = 73.9 * sqrt(0.299² + 0.587² + 0.114²).
    // Two independent pixels differ by at most sqrt(2) sd on average (Jensen),
    // and by more than sd for a luma this close to normal (2 / sqrt(pi) sd).
    const double sd = std::sqrt((256.0 * 256.0 - 1.0) / 12.0) *
                      std::sqrt(0.299 * 0.299 + 0.587 * 0.587 + 0.114 * 0.114);
    EXPECT_NEAR(interest.spread, sd, 0.5);
    EXPECT_GT(interest.detail, sd);
    EXPECT_LT(interest.detail, std::sqrt(2.0) * sd);
    EXPECT_FALSE(isDull(interest));
}

TEST(Interest, TheStampRowsAreLeftOut) {
    auto plain = filled(colourOf(10, 20, 30));
    auto stamped = filled(colourOf(10, 20, 30));
    for (int row = kStampTop; row < Canvas::kHeight; ++row)
        for (int column = 0; column < Canvas::kWidth; column += 2) stamped->set(column, row, colourOf(255, 255, 255));
    const Interest a = measureInterest(*plain), b = measureInterest(*stamped);
    EXPECT_EQ(a.common, b.common);
    EXPECT_EQ(a.spread, b.spread);
    EXPECT_EQ(a.detail, b.detail);
}

TEST(Interest, DullAtEightyFivePerCentOfOneColourAndBelowASpreadOfTwelve) {
    // The first `black` measured pixels black, the rest white.
    auto split = [](long black) {
        auto canvas = filled(colourOf(255, 255, 255));
        for (long n = 0; n < black; ++n) canvas->data()[n] = colourOf(0, 0, 0);
        return canvas;
    };
    const long edge = std::lround(kDullCommonShare * kPixels);
    EXPECT_TRUE(isDull(measureInterest(*split(edge))));
    const Interest below = measureInterest(*split(edge - 1));
    EXPECT_LT(below.common, kDullCommonShare);
    EXPECT_GT(below.spread, kDullSpread);
    EXPECT_FALSE(isDull(below));

    // Two greys 22 apart, half and half: spread 11 (dull); 26 apart: 13.
    auto halves = [](int low, int high) {
        auto canvas = filled(colourOf(high, high, high));
        for (long n = 0; n < static_cast<long>(kPixels) / 2; ++n) canvas->data()[n] = colourOf(low, low, low);
        return canvas;
    };
    const Interest flat = measureInterest(*halves(100, 122));
    EXPECT_NEAR(flat.spread, 11.0, 1e-6);
    EXPECT_EQ(flat.common, 0.5);
    EXPECT_TRUE(isDull(flat));
    EXPECT_FALSE(isDull(measureInterest(*halves(100, 126))));
}

// `canvas` K times as wide and high, each pixel a K x K block; below the
// rows a stamp leaves alone, white and black columns.
std::unique_ptr<Canvas> enlarged(const Canvas& canvas, int k) {
    auto large = std::make_unique<Canvas>(Canvas::kWidth * k, Canvas::kHeight * k);
    for (int row = 0; row < large->height(); ++row)
        for (int column = 0; column < large->width(); ++column)
            large->set(column, row, row >= kStampTop * k ? colourOf(255, 255, 255) * (column % 2)
                                                         : canvas.at(column / k, row / k));
    return large;
}

// Noise over a ramp, a third of it one colour.
std::unique_ptr<Canvas> mixedPicture(std::uint64_t seed) {
    Pcg32 rnd;
    rnd.seed(seed);
    return painted([&rnd](int column, int row) {
        if (column < Canvas::kWidth / 3) return colourOf(7, 99, 200);
        return static_cast<ColourNumber>(rnd.next() & 0x0F0F0F) + colourOf(column / 3, row / 2, 60);
    });
}

TEST(Interest, APictureKTimesAsLargeIsMeasuredWholeAboveItsStamp) {
    const auto picture = mixedPicture(7);
    const Interest one = measureInterest(*picture);
    for (const int k : {2, 3}) {
        SCOPED_TRACE(k);
        const Interest large = measureInterest(*enlarged(*picture, k));
        // Each colour covers K² times as many pixels; only the edges of the
        // blocks differ, K times each of the picture's pairs.
        EXPECT_EQ(large.common, one.common);
        EXPECT_NEAR(large.spread, one.spread, 1e-9);
        const double pairs = (Canvas::kWidth * k - 1.0) * kRows * k + Canvas::kWidth * k * (kRows * k - 1.0);
        EXPECT_NEAR(large.detail, one.detail * kPairs * k / pairs, 1e-9);
    }
}

TEST(Interest, TheFiguresAreTheSameOnAnyNumberOfThreads) {
    auto mostlyBlack = filled(colourOf(0, 0, 0));
    for (long n = 0; n < kPixels; n += 7) mostlyBlack->data()[n] = colourOf(n % 256, 3, 9);
    const std::unique_ptr<Canvas> canvases[] = {mixedPicture(8), enlarged(*mixedPicture(9), 2),
                                                enlarged(*mostlyBlack, 3)};
    for (const auto& canvas : canvases) {
        const Interest one = measureInterest(*canvas);
        for (const int jobs : {2, 3, 7}) {
            SCOPED_TRACE(jobs);
            const Interest many = measureInterest(*canvas, jobs);
            EXPECT_EQ(many.common, one.common);
            EXPECT_EQ(many.spread, one.spread);
            EXPECT_EQ(many.detail, one.detail);
        }
    }
}

TEST(Interest, TheTextHasTwoThenOneDecimals) {
    EXPECT_EQ(interestText({0.0312, 61.24, 23.46}), "common=0.03 spread=61.2 detail=23.5");
    EXPECT_EQ(interestText({1.0, 0.0, 0.0}), "common=1.00 spread=0.0 detail=0.0");
}

}  // namespace
}  // namespace momentart
