#include "engine/decimal_number.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/generation/random.h"

namespace momentart {
namespace {

std::uint64_t bitsOf(const std::optional<double>& value) { return std::bit_cast<std::uint64_t>(*value); }

// Every double a recipe writes (the shortest text that reads back) is read
// back to itself by both readers, in the forms to_chars writes.
TEST(DecimalNumber, BothReadersGiveBackEveryDoubleARecipeWrites) {
    Pcg32 g;
    g.seed(2026);
    int checked = 0;
    for (int n = 0; n < 200000; ++n) {
        const std::uint64_t bits = (std::uint64_t{g.next()} << 32) | g.next();
        const double x = n % 2 ? std::bit_cast<double>(bits) : static_cast<double>(g.next()) * 0x1p-20 - 2048;
        if (!std::isfinite(x)) continue;
        for (const auto format : {std::chars_format::general, std::chars_format::scientific}) {
            char text[40];
            const auto end = std::to_chars(text, text + sizeof text, x, format).ptr;
            const std::string_view written(text, static_cast<std::size_t>(end - text));
            const auto byFromChars = readDecimalNumber(written), byStrtod = readDecimalNumberByStrtod(written);
            ASSERT_TRUE(byFromChars && byStrtod) << written;
            ASSERT_EQ(bitsOf(byFromChars), std::bit_cast<std::uint64_t>(x)) << written;
            ASSERT_EQ(bitsOf(byStrtod), std::bit_cast<std::uint64_t>(x)) << written;
        }
        ++checked;
    }
    EXPECT_GT(checked, 190000);
}

// What one reader refuses the other refuses; what one reads the other reads
// to the same bits.
TEST(DecimalNumber, TheReadersAgreeAtTheEdges) {
    for (const char* text : {"1e", "1e+", "+1", " 1", "1 ", "", "-", ".", "-.", "e5", "0x1p3", "inf", "nan",
                             "1e400", "2e-324", "1e-400", "4e-324", "1e-320", "-0", "0e999", "00012", "1.",
                             "-.5", "1.5E3", "1e-5", "12.5e+2", "9007199254740993", "1,5", "1.5.2", "--1",
                             "0.000000000000000000000000000000000000001e-290"}) {
        const auto byFromChars = readDecimalNumber(text), byStrtod = readDecimalNumberByStrtod(text);
        ASSERT_EQ(byFromChars.has_value(), byStrtod.has_value()) << text;
        if (byFromChars) {
            EXPECT_EQ(bitsOf(byFromChars), bitsOf(byStrtod)) << text;
        }
    }
    EXPECT_FALSE(readDecimalNumberByStrtod("2e-324"));
    EXPECT_EQ(bitsOf(readDecimalNumberByStrtod("4e-324")), 1u);
    EXPECT_EQ(bitsOf(readDecimalNumberByStrtod("-0")), std::uint64_t{1} << 63);
}

}  // namespace
}  // namespace momentart
