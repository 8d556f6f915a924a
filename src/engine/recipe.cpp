#include "engine/recipe.h"

#include <algorithm>
#include <vector>

#include "engine/recipe_keys.h"
#include "engine/recipe_values.h"
#include "engine/state_rules.h"

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
constexpr std::string_view kCheckKey = "check";

// FNV-1a, 64 bits: the check value over the lines before the check line.
std::uint64_t fnv1a(std::string_view bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

// A value as a message shows it: escaped, in quotes, at most about 40
// characters of it.
std::string quoted(std::string_view text) {
    constexpr std::size_t kLongest = 40;
    std::string shown;
    std::size_t n = 0;
    for (; n < text.size() && shown.size() < kLongest; ++n) shown += escapeText(text.substr(n, 1));
    if (n < text.size()) shown += "...";
    return "'" + shown + "'";
}

std::string atLine(int number) { return "line " + std::to_string(number) + ": "; }

// The text with every CR LF line end made a plain LF, so that a recipe
// saved by an editor that writes CR LF reads (and checks) as it was written.
std::string plainLineEnds(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t n = 0; n < text.size(); ++n)
        if (!(text[n] == '\r' && n + 1 < text.size() && text[n + 1] == '\n')) plain += text[n];
    return plain;
}

// The first line: what this is, and which version of the form. Returns
// what is wrong, or nothing.
std::optional<std::string> firstLineProblem(std::string_view text) {
    const std::size_t end = text.find('\n');
    const std::string_view first = text.substr(0, end);
    if (!first.starts_with(kFirstLinePrefix))
        return "not a momentart recipe (it does not begin with '" + std::string(kFirstLinePrefix) +
               "<version>')";
    const std::string_view version = first.substr(kFirstLinePrefix.size());
    if (version != std::to_string(kRecipeVersion))
        return "recipe version " + escapeText(version.substr(0, 20)) + " is not one this program reads (" +
               std::to_string(kRecipeVersion) + ")";
    if (end == std::string_view::npos) return "the recipe ends after its first line";
    return std::nullopt;
}

// One key=value line after the first.
struct KeyLine {
    int number = 0;
    const RecipeKey* key = nullptr;
    std::string_view value;
};

struct KeyLines {
    std::vector<KeyLine> lines;  // every key line, the check line not included
    std::string error;           // what is wrong, when not empty
};

// Splits the lines after the first into keys and values: each line
// key=value, each key known and given once, the check line last and
// matching everything before it.
KeyLines splitKeyLines(std::string_view text) {
    KeyLines result;
    auto fail = [&result](std::string message) {
        result.error = std::move(message);
        return result;
    };
    std::size_t at = text.find('\n') + 1;
    int number = 1;
    while (at < text.size()) {
        ++number;
        const std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) return fail(atLine(number) + "the last line has no line end");
        const std::string_view line = text.substr(at, end - at);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) return fail(atLine(number) + quoted(line) + " is not key=value");
        const std::string_view name = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        if (name == kCheckKey) {
            const auto check = readHex64(value);
            if (!check) return fail(atLine(number) + "check " + quoted(value) + " is not 16 hexadecimal digits");
            if (*check != fnv1a(text.substr(0, at)))
                return fail("the check value does not match: the recipe was altered or damaged");
            if (end + 1 < text.size()) return fail(atLine(number + 1) + "text after the check line");
            return result;
        }
        const RecipeKey* key = findRecipeKey(name);
        if (key == nullptr) return fail(atLine(number) + "unknown key " + quoted(name));
        for (const KeyLine& earlier : result.lines)
            if (earlier.key == key)
                return fail(atLine(number) + "key '" + std::string(name) + "' is given twice");
        result.lines.push_back({number, key, value});
        at = end + 1;
    }
    return fail("the check line is missing: the recipe is cut short");
}

// Reads every key's value into a recipe. Returns what is wrong, or nothing.
std::optional<std::string> readValues(const std::vector<KeyLine>& lines, Recipe& recipe) {
    for (const RecipeKey& key : recipeKeys()) {
        const auto given = std::find_if(lines.begin(), lines.end(),
                                        [&](const KeyLine& line) { return line.key == &key; });
        if (given == lines.end() && key.writtenWhen != nullptr) continue;  // optional: its old meaning
        if (given == lines.end()) return "key '" + std::string(key.name) + "' is missing";
        if (!key.format->read(given->value, recipe, key))
            return atLine(given->number) + std::string(key.name) + " " + quoted(given->value) + " is not " +
                   std::string(key.format->expected);
    }
    for (const auto& [first, second] : kKeysTogether) {
        const auto given = [&](std::string_view name) {
            return std::any_of(lines.begin(), lines.end(), [&](const KeyLine& line) { return line.key->name == name; });
        };
        if (given(first) != given(second))
            return "keys '" + std::string(first) + "' and '" + std::string(second) + "' go together";
    }
    return std::nullopt;
}

// Whether a run could have started from the recipe's state. Returns what is
// wrong, or nothing.
std::optional<std::string> stateProblem(const std::vector<KeyLine>& lines, const Recipe& recipe) {
    const auto problem = unreachableField(recipe.before);
    if (!problem) return std::nullopt;
    const auto given = std::find_if(lines.begin(), lines.end(),
                                    [&](const KeyLine& line) { return line.key->name == problem->field; });
    const std::string where = given == lines.end() ? std::string() : atLine(given->number);
    const std::string value = given == lines.end() ? std::string() : " " + quoted(given->value);
    return where + std::string(problem->field) + value + " is not " + problem->expected;
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
    recipe.maths = options.maths;
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
    options.maths = recipe.maths;
    return makeimage(s, canvas, host, options);
}

std::string encodeRecipe(const Recipe& recipe) {
    std::string text = std::string(kFirstLinePrefix) + std::to_string(kRecipeVersion) + "\n";
    for (const RecipeKey& key : recipeKeys()) {
        if (key.writtenWhen != nullptr && !key.writtenWhen(recipe)) continue;
        text.append(key.name);
        text += '=';
        text += key.format->write(recipe, key);
        text += '\n';
    }
    const std::uint64_t check = fnv1a(text);
    text.append(kCheckKey);
    text += '=' + hex64(check) + '\n';
    return text;
}

RecipeReading decodeRecipe(std::string_view given) {
    auto fail = [](std::string message) { return RecipeReading{std::nullopt, std::move(message)}; };
    const std::string text = plainLineEnds(given);
    // A CR left alone ends a line on old Macs; no value holds one (texts
    // escape it), so the lines run together and would be misreported.
    if (text.find('\r') != std::string::npos)
        return fail("its line ends are not recognised: a line ends in CR alone (a recipe's lines end in LF or CR LF)");
    if (auto problem = firstLineProblem(text)) return fail(std::move(*problem));
    KeyLines split = splitKeyLines(text);
    if (!split.error.empty()) return fail(std::move(split.error));
    Recipe recipe;
    if (auto problem = readValues(split.lines, recipe)) return fail(std::move(*problem));
    if (auto problem = stateProblem(split.lines, recipe)) return fail(std::move(*problem));
    return {std::move(recipe), {}};
}

}  // namespace momentart
