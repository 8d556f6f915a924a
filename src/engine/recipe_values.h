// The values of a recipe's lines as text: written, and read back strictly
// (a value that is not exactly of its kind is refused, not guessed at).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/host.h"

namespace momentart {

// Text as one line of printable ASCII: a backslash and every other byte
// escaped (\\, \xhh).
std::string escapeText(std::string_view text);

// A 64-bit value as 16 lower-case hexadecimal digits, and back.
std::string hex64(std::uint64_t value);
std::optional<std::uint64_t> readHex64(std::string_view text);

// A moment as YYYY-MM-DD hh:mm:ss, and back: each part exactly as wide as
// that, and a day that the calendar has.
std::string momentText(const CalendarTime& t);
std::optional<CalendarTime> readMoment(std::string_view text);

// Text escaped by escapeText, back to its bytes.
std::optional<std::string> unescapeText(std::string_view text);

// Decimal digits only, at most `high`.
std::optional<std::uint64_t> readUnsigned(std::string_view text, std::uint64_t high);

}  // namespace momentart
