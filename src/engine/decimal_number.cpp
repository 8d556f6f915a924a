#include "engine/decimal_number.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

namespace momentart {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Whether `text` is -?(d+(.d*)?|.d+)([eE][+-]?d+)?, the shape from_chars
// reads whole; sets `nonzero` when a digit before the exponent is not 0.
bool hasDecimalShape(std::string_view text, bool& nonzero) {
    std::size_t n = 0;
    // The count of digits from n on; `seen` tells whether one is not 0.
    const auto digits = [&](bool& seen) {
        const std::size_t first = n;
        for (; n < text.size() && isDigit(text[n]); ++n) seen = seen || text[n] != '0';
        return n - first;
    };
    if (n < text.size() && text[n] == '-') ++n;
    std::size_t mantissa = digits(nonzero);
    if (n < text.size() && text[n] == '.') {
        ++n;
        mantissa += digits(nonzero);
    }
    if (mantissa == 0) return false;
    if (n < text.size() && (text[n] == 'e' || text[n] == 'E')) {
        ++n;
        if (n < text.size() && (text[n] == '+' || text[n] == '-')) ++n;
        bool exponentNonzero = false;
        if (digits(exponentNonzero) == 0) return false;
    }
    return n == text.size();
}

}  // namespace

std::optional<double> readDecimalNumberByStrtod(std::string_view text) {
    bool nonzero = false;
    if (!hasDecimalShape(text, nonzero)) return std::nullopt;
    // The "C" locale's decimal point, whatever locale the process is in
    // (newlocale and strtod_l come with <clocale> and <cstdlib> on POSIX).
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    const std::string terminated(text);
    const double value = strtod_l(terminated.c_str(), nullptr, c);
    if (!std::isfinite(value) || (value == 0 && nonzero)) return std::nullopt;
    return value;
}

std::optional<double> readDecimalNumber(std::string_view text) {
#if defined(__cpp_lib_to_chars)
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
#else
    return readDecimalNumberByStrtod(text);
#endif
}

}  // namespace momentart
