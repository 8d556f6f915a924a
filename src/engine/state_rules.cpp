#include "engine/state_rules.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "engine/canvas.h"
#include "engine/generation/catalogue.h"
#include "engine/generation/run.h"

namespace momentart {

namespace {

using S = GenerationState;

bool whole(double v, double lo, double hi) { return v >= lo && v <= hi && v == std::floor(v); }
bool oneOf(double v, std::initializer_list<double> values) {
    return std::find(values.begin(), values.end(), v) != values.end();
}
// With izbors = 1 the catalogue keeps the selectors of the previous run, so
// they must be ones a run leaves; with izbors = 0 it writes them afresh, and
// before the first run they are still 0.
bool repeating(const S& s) { return s.izbors == 1; }
bool orStartUp(const S& s, double v, bool afterRun) { return afterRun || (!repeating(s) && v == 0); }

// What a run leaves in `sir` and `vis`: the picture's width or height, `unit`
// times its scale (0 before the first run).
bool sizeOfScale(double v, int unit) {
    return v == 0 || (whole(v, unit, unit * kLargestScale) && std::fmod(v, unit) == 0);
}

// The scheme numbers each colouring family has.
bool schemeOfFamily(const S& s) {
    if (s.barve == 2) return oneOf(s.tip, {2, 3});
    if (s.barve == 3) return whole(s.tip, 1, 21);
    if (s.barve == 5) return s.tip == 62;
    return s.tip == 0;
}

struct NumberRule {
    std::string_view field;
    bool (*allows)(const S& s);
    std::string_view expected;
};

// Fields that a run reads before it writes them, and fields only start-up
// writes. Every other number field may hold any finite value.
constexpr NumberRule kNumberRules[] = {
    {"izbors", [](const S& s) { return oneOf(s.izbors, {0, 1}); }, "0 or 1"},
    {"izbor", [](const S& s) { return orStartUp(s, s.izbor, whole(s.izbor, kFirstType, kLastType)); },
     "an image type from 9 to 66 (or 0 before the first picture)"},
    {"v1", [](const S& s) { return orStartUp(s, s.v1, whole(s.v1, 1, 16)); },
     "a formula group from 1 to 16"},
    {"v2", [](const S& s) { return orStartUp(s, s.v2, whole(s.v2, 1, 15)); },
     "a formula from 1 to 15"},
    {"barve", [](const S& s) { return orStartUp(s, s.barve, oneOf(s.barve, {2, 3, 5})); },
     "a colouring family 2, 3 or 5"},
    {"tip", schemeOfFamily, "a scheme of its family (2 or 3 in family 2, 1 to 21 in 3, 62 in 5)"},
    {"osx", [](const S& s) { return orStartUp(s, s.osx, s.osx >= 3 && s.osx <= 13); },
     "a picture width from 3 to 13"},
    {"nac", [](const S& s) { return orStartUp(s, s.nac, oneOf(s.nac, {1, 3, 12, 13, 17})); },
     "a drawing mode 1, 3, 12, 13 or 17"},
    {"negat", [](const S& s) { return oneOf(s.negat, {0, 1, 2}); }, "0, 1 or 2"},
    {"kriz", [](const S& s) { return orStartUp(s, s.kriz, oneOf(s.kriz, {1, 2})); }, "1 or 2"},
    {"sir", [](const S& s) { return sizeOfScale(s.sir, Canvas::kWidth); }, "0 or 600 K for a scale K of 1 to 16"},
    {"vis", [](const S& s) { return sizeOfScale(s.vis, Canvas::kHeight); }, "0 or 450 K for a scale K of 1 to 16"},
    {"sir0", [](const S& s) { return s.sir0 == 1030; }, "1030"},
    {"vis0", [](const S& s) { return s.vis0 == 770; }, "770"},
    {"vsehbarv", [](const S& s) { return s.vsehbarv == 16777215; }, "16777215"},
    {"ib", [](const S& s) { return s.ib == 400; }, "400"},
};

// "T" and 14 digits of date and time, or the start-up name.
bool pictureName(const std::string& name) {
    if (name == "prazno") return true;
    return name.size() == 15 && name[0] == 'T' &&
           std::all_of(name.begin() + 1, name.end(), [](char c) { return c >= '0' && c <= '9'; });
}
// The stamp's texts: start-up gives them and no run changes them; any text
// of about a stamp's width is accepted.
bool stampText(const std::string& text) { return text.size() <= 120; }

struct TextRule {
    std::string S::*member;
    std::string_view field;
    bool (*allows)(const std::string& text);
    std::string_view expected;
};

constexpr TextRule kTextRules[] = {
    {&S::imeslike, "imeslike", pictureName, "'prazno' or 'T' and 14 digits"},
    {&S::tekst1, "tekst1", stampText, "at most 120 bytes long"},
    {&S::tekst2, "tekst2", stampText, "at most 120 bytes long"},
};

}  // namespace

std::optional<StateProblem> unreachableField(const GenerationState& s) {
    for (const NumberRule& rule : kNumberRules)
        if (!rule.allows(s)) return StateProblem{rule.field, std::string(rule.expected)};
    for (const TextRule& rule : kTextRules)
        if (!rule.allows(s.*rule.member)) return StateProblem{rule.field, std::string(rule.expected)};
    if (s.rnd.rawIncrement() != Pcg32::kIncrement)
        return StateProblem{"rnd-increment", "the generator's increment " +
                                                 std::to_string(Pcg32::kIncrement)};
    return std::nullopt;
}

}  // namespace momentart
