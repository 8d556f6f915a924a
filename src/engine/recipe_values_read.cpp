#include "engine/recipe_values.h"

#include <charconv>

namespace momentart {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

int daysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

std::optional<std::string> unescapeText(std::string_view text) {
    std::string plain;
    for (std::size_t n = 0; n < text.size(); ++n) {
        const char c = text[n];
        if (c < 0x20 || c >= 0x7F) return std::nullopt;
        if (c != '\\') {
            plain += c;
            continue;
        }
        if (n + 1 < text.size() && text[n + 1] == '\\') {
            plain += '\\';
            n += 1;
        } else if (n + 3 < text.size() && text[n + 1] == 'x' && hexDigit(text[n + 2]) >= 0 &&
                   hexDigit(text[n + 3]) >= 0) {
            plain += static_cast<char>(hexDigit(text[n + 2]) * 16 + hexDigit(text[n + 3]));
            n += 3;
        } else {
            return std::nullopt;
        }
    }
    return plain;
}

std::optional<std::uint64_t> readUnsigned(std::string_view text, std::uint64_t high) {
    if (text.empty() || text.size() > 20) return std::nullopt;
    std::uint64_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || value > high)
        return std::nullopt;
    return value;
}

std::optional<CalendarTime> readMoment(std::string_view text) {
    // YYYY-MM-DD hh:mm:ss, each part exactly as wide as that.
    constexpr std::string_view shape = "0000-00-00 00:00:00";
    if (text.size() != shape.size()) return std::nullopt;
    for (std::size_t n = 0; n < shape.size(); ++n) {
        const bool digit = text[n] >= '0' && text[n] <= '9';
        if (shape[n] == '0' ? !digit : text[n] != shape[n]) return std::nullopt;
    }
    auto part = [&](std::size_t at, std::size_t width) {
        int value = 0;
        for (std::size_t n = at; n < at + width; ++n) value = value * 10 + (text[n] - '0');
        return value;
    };
    CalendarTime t{part(0, 4), part(5, 2), part(8, 2), part(11, 2), part(14, 2), part(17, 2)};
    if (t.year < 1 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > daysInMonth(t.year, t.month) ||
        t.hour > 23 || t.minute > 59 || t.second > 59)
        return std::nullopt;
    return t;
}

std::optional<std::uint64_t> readHex64(std::string_view text) {
    if (text.size() != 16) return std::nullopt;
    for (char c : text)
        if (hexDigit(c) < 0) return std::nullopt;
    std::uint64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return value;
}

}  // namespace momentart
