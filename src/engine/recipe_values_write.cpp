#include "engine/recipe_values.h"

#include <cstdio>

namespace momentart {

std::string momentText(const CalendarTime& t) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return text;
}

std::string escapeText(std::string_view text) {
    std::string escaped;
    for (unsigned char c : text) {
        if (c == '\\') {
            escaped += "\\\\";
        } else if (c >= 0x20 && c < 0x7F) {
            escaped += static_cast<char>(c);
        } else {
            char code[5];
            std::snprintf(code, sizeof code, "\\x%02x", c);
            escaped += code;
        }
    }
    return escaped;
}

std::string hex64(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

}  // namespace momentart
