// Reading a recipe's numbers: a finite decimal number as std::from_chars
// reads it ("-12.5", "3e-7", ".5", "1."; no "+", no spaces, no hexadecimal,
// no "inf"), to the nearest double; one that rounds to infinity, or to zero
// although a digit is not 0, is refused.
#pragma once

#include <optional>
#include <string_view>

namespace momentart {

std::optional<double> readDecimalNumber(std::string_view text);

// The same through the C library's strtod in the "C" locale: what
// readDecimalNumber is where the standard library has no std::from_chars
// for doubles (WebAssembly's libc++). Built everywhere, so that the tests
// hold the two to the same results.
std::optional<double> readDecimalNumberByStrtod(std::string_view text);

}  // namespace momentart
