#include "engine/recipe_keys.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "engine/decimal_number.h"
#include "engine/generation/catalogue.h"
#include "engine/generation/run.h"
#include "engine/generation/variation.h"
#include "engine/state_fields.h"

namespace momentart {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

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

std::string momentText(const CalendarTime& t) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return text;
}

int daysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
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

// --- the value formats ---

const ValueFormat kSeed{
    [](const Recipe& r, const RecipeKey&) { return std::to_string(r.seed); },
    [](std::string_view text, Recipe& r, const RecipeKey&) {
        const auto seed = readUnsigned(text, UINT32_MAX);
        if (seed) r.seed = static_cast<std::uint32_t>(*seed);
        return seed.has_value();
    },
    "a whole number from 0 to 4294967295"};

const ValueFormat kForcedType{
    [](const Recipe& r, const RecipeKey&) { return std::to_string(r.forcedType); },
    [](std::string_view text, Recipe& r, const RecipeKey&) {
        const auto type = readUnsigned(text, kLastType);
        if (!type || (*type != 0 && *type < static_cast<std::uint64_t>(kFirstType))) return false;
        r.forcedType = static_cast<int>(*type);
        return true;
    },
    "0 or a type from 9 to 66"};

const ValueFormat kMoment{
    [](const Recipe& r, const RecipeKey&) { return momentText(r.moment); },
    [](std::string_view text, Recipe& r, const RecipeKey&) {
        const auto moment = readMoment(text);
        if (moment) r.moment = *moment;
        return moment.has_value();
    },
    "a moment YYYY-MM-DD hh:mm:ss"};

const ValueFormat kStamp{
    [](const Recipe& r, const RecipeKey&) { return std::string(r.stamp ? "1" : "0"); },
    [](std::string_view text, Recipe& r, const RecipeKey&) {
        if (text != "0" && text != "1") return false;
        r.stamp = text == "1";
        return true;
    },
    "0 or 1"};

const ValueFormat kRndState{
    [](const Recipe& r, const RecipeKey&) { return hex64(r.before.rnd.rawState()); },
    [](std::string_view text, Recipe& r, const RecipeKey&) {
        const auto state = readHex64(text);
        if (state) r.before.rnd.restore(*state, r.before.rnd.rawIncrement());
        return state.has_value();
    },
    "16 hexadecimal digits"};

const ValueFormat kRndIncrement{
    [](const Recipe& r, const RecipeKey&) { return hex64(r.before.rnd.rawIncrement()); },
    [](std::string_view text, Recipe& r, const RecipeKey&) {
        const auto increment = readHex64(text);
        if (increment) r.before.rnd.restore(r.before.rnd.rawState(), *increment);
        return increment.has_value();
    },
    "16 hexadecimal digits"};

const ValueFormat kText{
    [](const Recipe& r, const RecipeKey& key) { return escapeText(r.before.*key.text); },
    [](std::string_view text, Recipe& r, const RecipeKey& key) {
        auto plain = unescapeText(text);
        if (plain) r.before.*key.text = std::move(*plain);
        return plain.has_value();
    },
    "text with well-formed escapes (\\\\ or \\xhh)"};

// Numbers are written in the shortest form that reads back as the same
// double; any finite decimal number is read.
const ValueFormat kNumber{
    [](const Recipe& r, const RecipeKey& key) {
        char text[32];
        const auto result = std::to_chars(text, text + sizeof text, r.before.*key.number);
        return std::string(text, result.ptr);
    },
    [](std::string_view text, Recipe& r, const RecipeKey& key) {
        const std::optional<double> value = readDecimalNumber(text);
        if (!value) return false;
        r.before.*key.number = *value;
        return true;
    },
    "a finite decimal number"};

// The scale K (an optional key, written only when not 1): 1..16.
bool isScaled(const Recipe& r) { return r.scale != 1; }

const ValueFormat kScale{
    [](const Recipe& r, const RecipeKey&) { return std::to_string(r.scale); },
    [](std::string_view text, Recipe& r, const RecipeKey&) {
        const auto scale = readUnsigned(text, kLargestScale);
        if (!scale || *scale < 1) return false;
        r.scale = static_cast<int>(*scale);
        return true;
    },
    "a whole number from 1 to 16"};

// A variation (optional keys, written only for a variation): its kind by
// name, and its seed.
bool isVariation(const Recipe& r) { return r.variation.kind != VariationKind::None; }

const ValueFormat kVariationKind{
    [](const Recipe& r, const RecipeKey&) { return std::string(variationName(r.variation.kind)); },
    [](std::string_view text, Recipe& r, const RecipeKey&) {
        const auto kind = variationKindNamed(text);
        if (kind) r.variation.kind = *kind;
        return kind.has_value();
    },
    "centres, colours, formula or zoom"};

const ValueFormat kVariationSeed{
    [](const Recipe& r, const RecipeKey&) { return std::to_string(r.variation.seed); },
    [](std::string_view text, Recipe& r, const RecipeKey&) {
        const auto seed = readUnsigned(text, UINT32_MAX);
        if (seed) r.variation.seed = static_cast<std::uint32_t>(*seed);
        return seed.has_value();
    },
    "a whole number from 0 to 4294967295"};

// The maths (an optional key, written for every picture made with the
// correctly rounded functions; absent, the C library's).
bool isCorrectlyRounded(const Recipe& r) { return r.maths != Maths::CLibrary; }

const ValueFormat kMaths{
    [](const Recipe& r, const RecipeKey&) { return std::string(mathsName(r.maths)); },
    [](std::string_view text, Recipe& r, const RecipeKey&) {
        for (const Maths maths : {Maths::CLibrary, Maths::CorrectlyRounded}) {
            if (text != mathsName(maths)) continue;
            r.maths = maths;
            return true;
        }
        return false;
    },
    "correctly-rounded or c-library"};

std::vector<RecipeKey> makeKeys() {
    std::vector<RecipeKey> keys = {
        {"seed", &kSeed},
        {"forced-type", &kForcedType},
        {"moment", &kMoment},
        {"stamp", &kStamp},
        {"rnd-state", &kRndState},
        {"rnd-increment", &kRndIncrement},
        {"imeslike", &kText, nullptr, &GenerationState::imeslike},
        {"tekst1", &kText, nullptr, &GenerationState::tekst1},
        {"tekst2", &kText, nullptr, &GenerationState::tekst2},
    };
    for (const NumberField& field : numberFields()) keys.push_back({field.name, &kNumber, field.member});
    keys.push_back({"scale", &kScale, nullptr, nullptr, isScaled});
    keys.push_back({"maths", &kMaths, nullptr, nullptr, isCorrectlyRounded});
    keys.push_back({"variation", &kVariationKind, nullptr, nullptr, isVariation});
    keys.push_back({"variation-seed", &kVariationSeed, nullptr, nullptr, isVariation});
    return keys;
}

}  // namespace

std::span<const RecipeKey> recipeKeys() {
    static const std::vector<RecipeKey> keys = makeKeys();
    return keys;
}

const RecipeKey* findRecipeKey(std::string_view name) {
    for (const RecipeKey& key : recipeKeys())
        if (key.name == name) return &key;
    return nullptr;
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

std::optional<std::uint64_t> readHex64(std::string_view text) {
    if (text.size() != 16) return std::nullopt;
    for (char c : text)
        if (hexDigit(c) < 0) return std::nullopt;
    std::uint64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return value;
}

}  // namespace momentart
