#include "engine/recipe.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

#include "engine/state_fields.h"

namespace momentart {

namespace {

// A clock that passes another clock's answers on and remembers them.
class ClockRecorder final : public Clock {
public:
    explicit ClockRecorder(Clock& inner) : inner_(inner) {}
    std::uint32_t timerSeed() override { return seed_ = inner_.timerSeed(); }
    CalendarTime now() override { return moment_ = inner_.now(); }
    std::uint32_t seed() const { return seed_; }
    CalendarTime moment() const { return moment_; }

private:
    Clock& inner_;
    std::uint32_t seed_ = 0;
    CalendarTime moment_;
};

constexpr std::string_view kFirstLinePrefix = "momentart recipe ";

// Keys other than the number fields, in the order they are written.
constexpr std::string_view kSeedKey = "seed";
constexpr std::string_view kForcedTypeKey = "forced-type";
constexpr std::string_view kMomentKey = "moment";
constexpr std::string_view kStampKey = "stamp";
constexpr std::string_view kRndStateKey = "rnd-state";
constexpr std::string_view kRndIncrementKey = "rnd-increment";
constexpr std::string_view kCheckKey = "check";

// Optional keys, written before the check line only when they say
// something: absent, the picture is of scale 1 and no variation.
constexpr std::string_view kScaleKey = "scale";
constexpr std::string_view kVariationKey = "variation";
constexpr std::string_view kVariationSeedKey = "variation-seed";
constexpr std::string_view kOptionalKeys[] = {kScaleKey, kVariationKey, kVariationSeedKey};

bool isOptionalKey(std::string_view key) {
    for (std::string_view optional : kOptionalKeys)
        if (key == optional) return true;
    return false;
}

struct TextField {
    std::string_view name;
    std::string GenerationState::*member;
};
constexpr TextField kTextFields[] = {
    {"imeslike", &GenerationState::imeslike},
    {"tekst1", &GenerationState::tekst1},
    {"tekst2", &GenerationState::tekst2},
};

// FNV-1a, 64 bits: the check value over the lines before the check line.
std::uint64_t fnv1a(std::string_view bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

std::string hex64(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

// The shortest decimal text that reads back as exactly the same double.
std::string exactNumber(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

// Printable ASCII stays itself; a backslash and every other byte are escaped,
// so a value is always one line of plain text.
std::string escapeText(const std::string& text) {
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

std::optional<double> readNumber(std::string_view text) {
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<std::uint64_t> readUnsigned(std::string_view text, int base, std::uint64_t high) {
    if (text.empty() || text.size() > 20) return std::nullopt;
    std::uint64_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || value > high)
        return std::nullopt;
    return value;
}

std::optional<std::uint64_t> readHex64(std::string_view text) {
    if (text.size() != 16) return std::nullopt;
    for (char c : text)
        if (hexDigit(c) < 0) return std::nullopt;
    return readUnsigned(text, 16, UINT64_MAX);
}

std::string momentText(const CalendarTime& t) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return text;
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
    if (t.year < 1 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 ||
        t.minute > 59 || t.second > 59)
        return std::nullopt;
    return t;
}

std::string quoted(std::string_view text) {
    constexpr std::size_t kLongest = 40;
    std::string shown(text.substr(0, kLongest));
    if (text.size() > kLongest) shown += "...";
    return "'" + escapeText(shown) + "'";
}

}  // namespace

Recipe makeimageRecorded(GenerationState& s, Canvas& canvas, RunHost& host,
                         const RunOptions& options) {
    Recipe recipe;
    recipe.before = s;
    recipe.forcedType = options.forcedType;
    recipe.stamp = host.printer != nullptr;
    recipe.variation = options.variation;
    recipe.scale = options.scale;
    ClockRecorder clock(host.clock);
    RunHost recording{clock, host.printer, host.observer};
    makeimage(s, canvas, recording, options);
    recipe.seed = clock.seed();
    recipe.moment = clock.moment();
    return recipe;
}

bool remake(const Recipe& recipe, GenerationState& s, Canvas& canvas, TextPrinter* printer,
            RunObserver* observer, int jobs) {
    s = recipe.before;
    FixedMomentClock clock(recipe.seed, recipe.moment);
    RunHost host{clock, recipe.stamp ? printer : nullptr, observer};
    RunOptions options;
    options.forcedType = recipe.forcedType;
    options.variation = recipe.variation;
    options.scale = recipe.scale;
    options.jobs = jobs;
    return makeimage(s, canvas, host, options);
}

std::string encodeRecipe(const Recipe& recipe) {
    const GenerationState& s = recipe.before;
    std::string text = std::string(kFirstLinePrefix) + std::to_string(kRecipeVersion) + "\n";
    auto line = [&text](std::string_view key, const std::string& value) {
        text.append(key);
        text += '=';
        text += value;
        text += '\n';
    };
    line(kSeedKey, std::to_string(recipe.seed));
    line(kForcedTypeKey, std::to_string(recipe.forcedType));
    line(kMomentKey, momentText(recipe.moment));
    line(kStampKey, recipe.stamp ? "1" : "0");
    line(kRndStateKey, hex64(s.rnd.rawState()));
    line(kRndIncrementKey, hex64(s.rnd.rawIncrement()));
    for (const TextField& field : kTextFields) line(field.name, escapeText(s.*field.member));
    for (const NumberField& field : numberFields()) line(field.name, exactNumber(s.*field.member));
    if (recipe.scale != 1) line(kScaleKey, std::to_string(recipe.scale));
    if (recipe.variation.kind != VariationKind::None) {
        line(kVariationKey, std::string(variationName(recipe.variation.kind)));
        line(kVariationSeedKey, std::to_string(recipe.variation.seed));
    }
    line(kCheckKey, hex64(fnv1a(text)));
    return text;
}

RecipeReading decodeRecipe(std::string_view text) {
    auto fail = [](std::string message) { return RecipeReading{std::nullopt, std::move(message)}; };

    // The first line: what this is, and which version of the form.
    const std::size_t firstEnd = text.find('\n');
    const std::string_view first = text.substr(0, firstEnd);
    if (!first.starts_with(kFirstLinePrefix))
        return fail("not a momentart recipe (it does not begin with '" +
                    std::string(kFirstLinePrefix) + "<version>')");
    const auto version = readUnsigned(first.substr(kFirstLinePrefix.size()), 10, 999999);
    if (!version) return fail("line 1: the version " + quoted(first.substr(kFirstLinePrefix.size())) +
                              " is not a whole number");
    if (*version != static_cast<std::uint64_t>(kRecipeVersion))
        return fail("recipe version " + std::to_string(*version) + " is not one this program reads (" +
                    std::to_string(kRecipeVersion) + ")");
    if (firstEnd == std::string_view::npos) return fail("the recipe ends after its first line");

    // Every other line is key=value, each key known and given once, the
    // check line last.
    std::map<std::string_view, std::pair<std::string_view, int>> values;  // key -> value, line
    std::size_t at = firstEnd + 1;
    int lineNumber = 1;
    bool checked = false;
    while (at < text.size()) {
        ++lineNumber;
        const std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            return fail("line " + std::to_string(lineNumber) + ": the last line has no line end");
        const std::string_view line = text.substr(at, end - at);
        if (checked) return fail("line " + std::to_string(lineNumber) + ": text after the check line");
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return fail("line " + std::to_string(lineNumber) + ": " + quoted(line) +
                        " is not key=value");
        const std::string_view key = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        const bool known = key == kSeedKey || key == kForcedTypeKey || key == kMomentKey ||
                           key == kStampKey || key == kRndStateKey || key == kRndIncrementKey ||
                           key == kCheckKey || findNumberField(key) != nullptr ||
                           key == kTextFields[0].name || key == kTextFields[1].name ||
                           key == kTextFields[2].name || isOptionalKey(key);
        if (!known) return fail("line " + std::to_string(lineNumber) + ": unknown key " + quoted(key));
        if (values.contains(key))
            return fail("line " + std::to_string(lineNumber) + ": key '" + std::string(key) +
                        "' is given twice");
        values[key] = {value, lineNumber};
        if (key == kCheckKey) {
            const auto check = readHex64(value);
            if (!check)
                return fail("line " + std::to_string(lineNumber) + ": check " + quoted(value) +
                            " is not 16 hexadecimal digits");
            if (*check != fnv1a(text.substr(0, at)))
                return fail("the check value does not match: the recipe was altered or damaged");
            checked = true;
        }
        at = end + 1;
    }
    if (!checked) return fail("the check line is missing: the recipe is cut short");

    Recipe recipe;
    GenerationState& s = recipe.before;
    std::string missing;
    auto value = [&](std::string_view key) -> std::optional<std::string_view> {
        const auto found = values.find(key);
        if (found == values.end()) {
            if (missing.empty()) missing = std::string(key);
            return std::nullopt;
        }
        return found->second.first;
    };
    auto bad = [&](std::string_view key, std::string_view what) {
        const auto& [given, line] = values.at(key);
        return fail("line " + std::to_string(line) + ": " + std::string(key) + " " + quoted(given) +
                    " is not " + std::string(what));
    };

    if (const auto v = value(kSeedKey)) {
        const auto seed = readUnsigned(*v, 10, UINT32_MAX);
        if (!seed) return bad(kSeedKey, "a whole number from 0 to 4294967295");
        recipe.seed = static_cast<std::uint32_t>(*seed);
    }
    if (const auto v = value(kForcedTypeKey)) {
        const auto type = readUnsigned(*v, 10, 66);
        if (!type || (*type != 0 && *type < 9)) return bad(kForcedTypeKey, "0 or a type from 9 to 66");
        recipe.forcedType = static_cast<int>(*type);
    }
    if (const auto v = value(kMomentKey)) {
        const auto moment = readMoment(*v);
        if (!moment) return bad(kMomentKey, "a moment YYYY-MM-DD hh:mm:ss");
        recipe.moment = *moment;
    }
    if (const auto v = value(kStampKey)) {
        if (*v != "0" && *v != "1") return bad(kStampKey, "0 or 1");
        recipe.stamp = *v == "1";
    }
    // The scale is optional: a recipe without it is of scale 1.
    if (const auto found = values.find(kScaleKey); found != values.end()) {
        const auto scale = readUnsigned(found->second.first, 10, kLargestScale);
        if (!scale || *scale < 1) return bad(kScaleKey, "a whole number from 1 to 16");
        recipe.scale = static_cast<int>(*scale);
    }
    std::optional<std::uint64_t> rndState, rndIncrement;
    if (const auto v = value(kRndStateKey)) {
        rndState = readHex64(*v);
        if (!rndState) return bad(kRndStateKey, "16 hexadecimal digits");
    }
    if (const auto v = value(kRndIncrementKey)) {
        rndIncrement = readHex64(*v);
        // The generator's increment is always odd.
        if (!rndIncrement || *rndIncrement % 2 == 0)
            return bad(kRndIncrementKey, "16 hexadecimal digits of an odd number");
    }
    if (rndState && rndIncrement) s.rnd.restore(*rndState, *rndIncrement);
    for (const TextField& field : kTextFields) {
        if (const auto v = value(field.name)) {
            const auto plain = unescapeText(*v);
            if (!plain) return bad(field.name, "text with well-formed escapes (\\\\ or \\xhh)");
            s.*field.member = *plain;
        }
    }
    for (const NumberField& field : numberFields()) {
        if (const auto v = value(field.name)) {
            const auto number = readNumber(*v);
            if (!number) return bad(field.name, "a finite decimal number");
            s.*field.member = *number;
        }
    }
    if (!missing.empty()) return fail("key '" + missing + "' is missing");

    const bool varied = values.contains(kVariationKey);
    if (varied != values.contains(kVariationSeedKey))
        return fail(std::string("keys '") + std::string(kVariationKey) + "' and '" +
                    std::string(kVariationSeedKey) + "' go together");
    if (varied) {
        const auto kind = variationKindNamed(values.at(kVariationKey).first);
        if (!kind) return bad(kVariationKey, "centres, colours, formula or zoom");
        recipe.variation.kind = *kind;
        const auto seed = readUnsigned(values.at(kVariationSeedKey).first, 10, UINT32_MAX);
        if (!seed) return bad(kVariationSeedKey, "a whole number from 0 to 4294967295");
        recipe.variation.seed = static_cast<std::uint32_t>(*seed);
    }
    return {std::move(recipe), {}};
}

}  // namespace momentart
