#include "engine/recipe.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>
#include <utility>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/startup.h"
#include "engine/state_fields.h"
#include "recipe_support.h"

namespace momentart {
namespace {

// A clock that gives each run the next seed of a list and its own moment.
class SeedListClock final : public Clock {
public:
    explicit SeedListClock(std::vector<std::uint32_t> seeds) : seeds_(std::move(seeds)) {}
    std::uint32_t timerSeed() override { return seeds_.at(next_++); }
    CalendarTime now() override { return {2031, 3, 4, 5, 6, static_cast<int>(next_)}; }

private:
    std::vector<std::uint32_t> seeds_;
    std::size_t next_ = 0;
};

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Names of the fields in which the two states differ (bit for bit).
std::vector<std::string> differences(const GenerationState& a, const GenerationState& b) {
    std::vector<std::string> names;
    for (const NumberField& field : numberFields())
        if (!sameBits(a.*field.member, b.*field.member)) names.emplace_back(field.name);
    if (a.imeslike != b.imeslike) names.emplace_back("imeslike");
    if (a.tekst1 != b.tekst1) names.emplace_back("tekst1");
    if (a.tekst2 != b.tekst2) names.emplace_back("tekst2");
    if (a.rnd.rawState() != b.rnd.rawState() || a.rnd.rawIncrement() != b.rnd.rawIncrement())
        names.emplace_back("rnd");
    return names;
}

// A state in which every field holds a value of its own, with awkward ones
// among them wherever a run's state may hold any finite number.
GenerationState unusualState() {
    GenerationState s;
    const double awkward[] = {0.1 + 0.2, -0.0, 1e-310, 1.25e300, -123456789.125,
                              1.0 / 3.0, 4294967296.0, -1e-300};
    const auto fields = numberFields();
    for (std::size_t n = 0; n < fields.size(); ++n)
        s.*fields[n].member = awkward[n % std::size(awkward)] * static_cast<double>(n + 1);
    s.izraz = -0.0;
    // The fields a run checks hold values a run can leave: type 66 repeated.
    const std::pair<std::string_view, double> runnable[] = {
        {"izbors", 1},  {"izbor", 66},  {"v1", 16},   {"v2", 12},        {"barve", 3},
        {"tip", 21},    {"osx", 0.1 + 12.2},          {"nac", 17},       {"negat", 2},
        {"kriz", 2},    {"sir", 600},   {"vis", 450}, {"sir0", 1030},    {"vis0", 770},
        {"vsehbarv", 16777215},         {"ib", 400},
    };
    for (const auto& [name, value] : runnable) s.*findNumberField(name)->member = value;
    s.imeslike = "T20261207081453";
    s.tekst1 = "back\\slash = and\nnew line\t\xc4\x8d";
    s.tekst2 = "";
    s.rnd.restore(0xfedcba9876543210ULL, Pcg32::kIncrement);
    return s;
}

Recipe unusualRecipe() {
    Recipe r;
    r.before = unusualState();
    r.seed = 4294967295u;
    r.forcedType = 66;
    r.moment = {2026, 12, 7, 8, 14, 53};
    r.stamp = false;
    return r;
}

using testing::resigned;

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

TEST(RecipeText, RoundTripsEveryFieldBitForBit) {
    const Recipe r = unusualRecipe();
    const std::string text = encodeRecipe(r);
    const RecipeReading read = decodeRecipe(text);
    ASSERT_TRUE(read.recipe) << read.error;
    EXPECT_TRUE(differences(read.recipe->before, r.before).empty());
    EXPECT_EQ(read.recipe->seed, r.seed);
    EXPECT_EQ(read.recipe->forcedType, r.forcedType);
    EXPECT_EQ(read.recipe->moment.year, 2026);
    EXPECT_EQ(read.recipe->moment.month, 12);
    EXPECT_EQ(read.recipe->moment.day, 7);
    EXPECT_EQ(read.recipe->moment.hour, 8);
    EXPECT_EQ(read.recipe->moment.minute, 14);
    EXPECT_EQ(read.recipe->moment.second, 53);
    EXPECT_FALSE(read.recipe->stamp);
    // Written again, the text is the same.
    EXPECT_EQ(encodeRecipe(*read.recipe), text);
}

TEST(RecipeText, IsVersionedPlainAsciiLinesOfKeyAndValue) {
    const std::string text = encodeRecipe(unusualRecipe());
    EXPECT_TRUE(text.starts_with("momentart recipe 1\n"));
    EXPECT_EQ(text.back(), '\n');
    std::size_t lines = 0;
    for (char c : text) {
        EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << static_cast<int>(c);
        if (c == '\n') ++lines;
    }
    // First line, seven keys of the run and the check, three texts, the numbers.
    EXPECT_EQ(lines, 1 + 7 + 3 + numberFields().size());
    EXPECT_NE(text.find("\nizraz=-0\n"), std::string::npos);
    EXPECT_NE(text.find("\ntekst1=back\\\\slash = and\\x0anew line\\x09\\xc4\\x8d\n"), std::string::npos);
    EXPECT_NE(text.find("\ntekst2=\n"), std::string::npos);
    EXPECT_NE(text.find("\nrnd-state=fedcba9876543210\n"), std::string::npos);
    EXPECT_NE(text.find("\nmoment=2026-12-07 08:14:53\n"), std::string::npos);
}

TEST(RecipeText, KeysMayComeInAnyOrderBeforeTheCheck) {
    const Recipe r = unusualRecipe();
    std::string text = encodeRecipe(r);
    // Move the seed line to just before the check line.
    const std::size_t seedAt = text.find("\nseed=") + 1;
    const std::size_t seedEnd = text.find('\n', seedAt) + 1;
    const std::string seedLine = text.substr(seedAt, seedEnd - seedAt);
    text.erase(seedAt, seedEnd - seedAt);
    text.insert(text.rfind("check="), seedLine);
    const RecipeReading read = decodeRecipe(resigned(text));
    ASSERT_TRUE(read.recipe) << read.error;
    EXPECT_EQ(read.recipe->seed, r.seed);
}

TEST(RecipeText, TheScaleIsAnOptionalKeyAbsentAtScaleOne) {
    Recipe r = unusualRecipe();
    const std::string plain = encodeRecipe(r);
    EXPECT_EQ(plain.find("\nscale="), std::string::npos);
    ASSERT_TRUE(decodeRecipe(plain).recipe);
    EXPECT_EQ(decodeRecipe(plain).recipe->scale, 1);
    for (int scale : {2, 16}) {
        r.scale = scale;
        const RecipeReading read = decodeRecipe(encodeRecipe(r));
        ASSERT_TRUE(read.recipe) << read.error;
        EXPECT_EQ(read.recipe->scale, scale);
    }
    const std::string withScale = encodeRecipe(r);
    for (const char* bad : {"scale=0", "scale=17", "scale=two", "scale=-1"}) {
        const RecipeReading read = decodeRecipe(resigned(replaced(withScale, "scale=16", bad)));
        EXPECT_FALSE(read.recipe) << bad;
        EXPECT_NE(read.error.find("scale"), std::string::npos) << read.error;
    }
    // Given at 1, it reads as 1 too.
    const RecipeReading one = decodeRecipe(resigned(replaced(withScale, "scale=16", "scale=1")));
    ASSERT_TRUE(one.recipe) << one.error;
    EXPECT_EQ(one.recipe->scale, 1);
}

TEST(RecipeText, CrLfLineEndsReadAsTheyWereWritten) {
    // An editor that saves CR LF: the check value stays the one of the text
    // with LF line ends.
    const std::string text = encodeRecipe(unusualRecipe());
    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const RecipeReading read = decodeRecipe(crlf);
    ASSERT_TRUE(read.recipe) << read.error;
    EXPECT_EQ(encodeRecipe(*read.recipe), text);
}

struct BadRecipe {
    const char* what;
    std::string text;
    const char* message;  // a part of the expected message
};

TEST(RecipeText, RejectsDamagedOrIncompleteTextsSayingWhatIsWrong) {
    const std::string good = encodeRecipe(unusualRecipe());
    const std::string noCheck = good.substr(0, good.rfind("check="));
    const std::vector<BadRecipe> cases = {
        {"empty", "", "not a momentart recipe"},
        {"other text", "hello\n", "not a momentart recipe"},
        {"long line of junk", "momentart recipe 1\n" + std::string(100000, '\xff') + "\n", "is not key=value"},
        {"newer version", resigned(replaced(good, "recipe 1\n", "recipe 2\n")), "version 2"},
        {"version not a number", replaced(good, "recipe 1\n", "recipe one\n"), "version"},
        {"altered value, old check", replaced(good, "\nseed=4294967295\n", "\nseed=4294967294\n"),
         "altered or damaged"},
        {"cut short", noCheck, "check line is missing"},
        {"no line end at the end", good.substr(0, good.size() - 1), "no line end"},
        {"text after the check", good + "izbor=3\n", "after the check line"},
        {"not key=value", resigned(replaced(good, "\nseed=", "\nseed ")), "is not key=value"},
        {"unknown key", resigned(replaced(good, "\nseed=", "\nseeds=")), "unknown key 'seeds'"},
        {"key twice", resigned(noCheck + "izraz=1\ncheck=0\n"), "'izraz' is given twice"},
        {"key missing", resigned(replaced(good, "\nizraz=-0\n", "\n")), "'izraz' is missing"},
        {"number not a number", resigned(replaced(good, "\nizraz=-0\n", "\nizraz=abc\n")), "izraz"},
        {"number infinite", resigned(replaced(good, "\nizraz=-0\n", "\nizraz=inf\n")), "finite"},
        {"number not a number (nan)", resigned(replaced(good, "\nizraz=-0\n", "\nizraz=nan\n")),
         "finite"},
        {"number too large", resigned(replaced(good, "\nizraz=-0\n", "\nizraz=1e999\n")), "finite"},
        {"number with junk", resigned(replaced(good, "\nizraz=-0\n", "\nizraz=1.5x\n")), "izraz"},
        {"seed too large", resigned(replaced(good, "\nseed=4294967295\n", "\nseed=4294967296\n")),
         "seed"},
        {"negative seed", resigned(replaced(good, "\nseed=4294967295\n", "\nseed=-1\n")), "seed"},
        {"type out of range", resigned(replaced(good, "\nforced-type=66\n", "\nforced-type=8\n")),
         "forced-type"},
        {"type too large", resigned(replaced(good, "\nforced-type=66\n", "\nforced-type=67\n")),
         "forced-type"},
        {"moment malformed",
         resigned(replaced(good, "moment=2026-12-07 08:14:53", "moment=2026-12-7 08:14:53")), "moment"},
        {"moment out of range",
         resigned(replaced(good, "moment=2026-12-07 08:14:53", "moment=2026-13-07 08:14:53")),
         "moment"},
        {"stamp not 0 or 1", resigned(replaced(good, "\nstamp=0\n", "\nstamp=yes\n")), "stamp"},
        {"generator state short",
         resigned(replaced(good, "rnd-state=fedcba9876543210", "rnd-state=fedcba987654321")),
         "rnd-state"},
        {"generator increment not the generator's",
         resigned(replaced(good, "rnd-increment=000000000000006d", "rnd-increment=8000000000000001")),
         "rnd-increment '8000000000000001' is not the generator's increment 109"},
        {"drawing mode far too large", resigned(replaced(good, "\nnac=17\n", "\nnac=1e300\n")),
         "nac '1e300' is not a drawing mode 1, 3, 12, 13 or 17"},
        {"drawing mode not one", resigned(replaced(good, "\nnac=17\n", "\nnac=2\n")), "nac '2'"},
        {"type not whole", resigned(replaced(good, "\nizbor=66\n", "\nizbor=9.99\n")), "izbor '9.99'"},
        {"type huge", resigned(replaced(good, "\nizbor=66\n", "\nizbor=1e308\n")), "izbor '1e308'"},
        {"type 0 when repeating", resigned(replaced(good, "\nizbor=66\n", "\nizbor=0\n")), "izbor '0'"},
        {"formula group 17", resigned(replaced(good, "\nv1=16\n", "\nv1=17\n")), "v1 '17'"},
        {"scheme not of its family", resigned(replaced(good, "\ntip=21\n", "\ntip=62\n")), "tip '62'"},
        {"negative box", resigned(replaced(good, "\nsir0=1030\n", "\nsir0=-1\n")), "sir0 '-1'"},
        {"repeat switch 2", resigned(replaced(good, "\nizbors=1\n", "\nizbors=2\n")), "izbors '2'"},
        {"picture name", resigned(replaced(good, "\nimeslike=T20261207081453\n", "\nimeslike=x\n")),
         "imeslike 'x'"},
        {"stamp text too long", resigned(replaced(good, "\ntekst2=\n", "\ntekst2=" + std::string(121, 'a') + "\n")),
         "tekst2"},
        {"moment on 31 February",
         resigned(replaced(good, "moment=2026-12-07 08:14:53", "moment=2026-02-31 08:14:53")), "moment"},
        {"broken escape", resigned(replaced(good, "\ntekst2=\n", "\ntekst2=a\\q\n")), "tekst2"},
        {"raw control character", resigned(replaced(good, "\ntekst2=\n", "\ntekst2=a\tb\n")), "tekst2"},
        {"check not hexadecimal", noCheck + "check=xyz\n", "hexadecimal"},
    };
    for (const BadRecipe& c : cases) {
        const RecipeReading read = decodeRecipe(c.text);
        EXPECT_FALSE(read.recipe) << c.what;
        EXPECT_NE(read.error.find(c.message), std::string::npos)
            << c.what << ": the message was '" << read.error << "'";
        EXPECT_EQ(read.error.find('\n'), std::string::npos) << c.what;
    }
}

// The window's way of working: one state for many pictures, new types and
// repeats of the type mixed, each run reading what the last one left.
struct Session {
    GenerationState state;
    std::unique_ptr<Canvas> canvas = std::make_unique<Canvas>();
};

TEST(RecipeReplay, ThePictureAfterSeveralOthersIsMadeAgainFromItsRecipeAlone) {
    SeedListClock clock({1001, 2002, 3003, 4004, 5005, 6006});
    RunHost host{clock};
    Session window;
    startup(window.state, 1000);
    const double izbors[] = {0, 1, 0, 0, 1};
    for (double choice : izbors) {
        window.state.izbors = choice;
        makeimage(window.state, *window.canvas, host);
    }
    window.state.izbors = 1;  // the last picture repeats the type
    const Recipe recipe = makeimageRecorded(window.state, *window.canvas, host);
    EXPECT_EQ(recipe.seed, 6006u);
    EXPECT_EQ(recipe.moment.second, 6);
    EXPECT_EQ(recipe.forcedType, 0);
    EXPECT_FALSE(recipe.stamp);

    const RecipeReading read = decodeRecipe(encodeRecipe(recipe));
    ASSERT_TRUE(read.recipe) << read.error;
    Session fresh;
    remake(*read.recipe, fresh.state, *fresh.canvas, nullptr);
    EXPECT_TRUE(*fresh.canvas == *window.canvas);
    const std::vector<std::string> differing = differences(fresh.state, window.state);
    EXPECT_TRUE(differing.empty()) << differing.size() << " fields differ, the first "
                                   << (differing.empty() ? "" : differing.front());
}

TEST(RecipeReplay, TheCarriedStateMattersSoAFreshStartWithTheSameSeedDiffers) {
    // Without the recorded state the same seed and moment make another
    // picture: the recipe is not just the seed.
    SeedListClock clock({11, 22, 33, 44});
    RunHost host{clock};
    Session window;
    startup(window.state, 10);
    for (int n = 0; n < 3; ++n) makeimage(window.state, *window.canvas, host);
    const Recipe recipe = makeimageRecorded(window.state, *window.canvas, host);

    Recipe naive = recipe;
    naive.before = GenerationState{};
    startup(naive.before, recipe.seed);
    Session fresh;
    remake(naive, fresh.state, *fresh.canvas, nullptr);
    EXPECT_FALSE(*fresh.canvas == *window.canvas);
}

TEST(RecipeReplay, AForcedTypeIsRecordedAndGivenAgain) {
    SeedListClock clock({77, 88});
    RunHost host{clock};
    Session window;
    startup(window.state, 5);
    makeimage(window.state, *window.canvas, host);
    const Recipe recipe = makeimageRecorded(window.state, *window.canvas, host, RunOptions{31});
    EXPECT_EQ(recipe.forcedType, 31);
    EXPECT_EQ(window.state.izbor, 31);

    const RecipeReading read = decodeRecipe(encodeRecipe(recipe));
    ASSERT_TRUE(read.recipe) << read.error;
    Session fresh;
    remake(*read.recipe, fresh.state, *fresh.canvas, nullptr);
    EXPECT_EQ(fresh.state.izbor, 31);
    EXPECT_TRUE(*fresh.canvas == *window.canvas);
}

TEST(RecipeReplay, RecordingDoesNotChangeThePicture) {
    SeedListClock plainClock({424242}), recordedClock({424242});
    RunHost plainHost{plainClock}, recordedHost{recordedClock};
    Session plain, recorded;
    startup(plain.state, 9);
    startup(recorded.state, 9);
    makeimage(plain.state, *plain.canvas, plainHost);
    const Recipe recipe = makeimageRecorded(recorded.state, *recorded.canvas, recordedHost);
    EXPECT_TRUE(*plain.canvas == *recorded.canvas);
    EXPECT_TRUE(differences(plain.state, recorded.state).empty());
    // The recipe holds the state before the run, not after it.
    GenerationState started;
    startup(started, 9);
    EXPECT_TRUE(differences(recipe.before, started).empty());
}

TEST(Recipe, BadVariationKeysAreRejected) {
    Recipe recipe;
    startup(recipe.before, 1);
    recipe.variation = {VariationKind::Zoom, 12};
    const std::string good = encodeRecipe(recipe);
    ASSERT_TRUE(decodeRecipe(good).recipe);
    auto edited = [&](const std::string& from, const std::string& to) {
        return decodeRecipe(resigned(replaced(good, from, to)));
    };
    const RecipeReading badKind = edited("variation=zoom", "variation=sideways");
    EXPECT_FALSE(badKind.recipe);
    EXPECT_NE(badKind.error.find("variation 'sideways' is not centres, colours, formula or zoom"), std::string::npos)
        << badKind.error;
    const RecipeReading badSeed = edited("variation-seed=12", "variation-seed=4294967296");
    EXPECT_FALSE(badSeed.recipe);
    EXPECT_NE(badSeed.error.find("variation-seed"), std::string::npos) << badSeed.error;
    const RecipeReading alone = edited("variation-seed=12\n", "");
    EXPECT_FALSE(alone.recipe);
    EXPECT_NE(alone.error.find("go together"), std::string::npos) << alone.error;
}

}  // namespace
}  // namespace momentart
