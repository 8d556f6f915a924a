// Editing a recipe's text in tests as a person would: the check line is
// computed afresh (FNV-1a over everything before it, docs/recipe.md), so the
// reader's checks of the values are reached. Plain C++, for every test
// program.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace momentart::testing {

// The text with its check line (if any) replaced by a correct one.
inline std::string resigned(std::string text) {
    const std::size_t check = text.rfind("check=");
    if (check != std::string::npos && (check == 0 || text[check - 1] == '\n')) text.erase(check);
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 0x100000001b3ULL;
    }
    char line[40];
    std::snprintf(line, sizeof line, "check=%016llx\n", static_cast<unsigned long long>(hash));
    return text + line;
}

}  // namespace momentart::testing
