#include "engine/state_fields.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

namespace momentart {
namespace {

// The record holds three texts, the generator and nothing but doubles
// otherwise, so its size tells how many number fields there are.
constexpr std::size_t kDoublesInState =
    (sizeof(GenerationState) - 3 * sizeof(std::string) - sizeof(Pcg32)) / sizeof(double);
static_assert((sizeof(GenerationState) - 3 * sizeof(std::string) - sizeof(Pcg32)) %
                  sizeof(double) ==
              0);

TEST(StateFields, TheTableListsAsManyFieldsAsTheRecordHoldsDoubles) {
    EXPECT_EQ(numberFields().size(), kDoublesInState);
}

TEST(StateFields, EveryEntryIsADifferentMemberUnderADifferentName) {
    GenerationState s;
    const auto fields = numberFields();
    for (std::size_t n = 0; n < fields.size(); ++n) s.*fields[n].member = static_cast<double>(n + 1);
    // Two entries for one member would leave the earlier one reading the
    // later one's value.
    for (std::size_t n = 0; n < fields.size(); ++n)
        EXPECT_EQ(s.*fields[n].member, static_cast<double>(n + 1)) << fields[n].name;
    std::set<std::string_view> names;
    for (const NumberField& field : fields) EXPECT_TRUE(names.insert(field.name).second) << field.name;
}

TEST(StateFields, WritingThroughTheTableLeavesTextsAndGeneratorAlone) {
    GenerationState s;
    s.imeslike = "prazno";
    s.tekst1 = "a";
    s.tekst2 = "b";
    s.rnd.restore(0x1234, 0x55);
    for (const NumberField& field : numberFields()) s.*field.member = -7.5;
    EXPECT_EQ(s.imeslike, "prazno");
    EXPECT_EQ(s.tekst1, "a");
    EXPECT_EQ(s.tekst2, "b");
    EXPECT_EQ(s.rnd.rawState(), 0x1234u);
    EXPECT_EQ(s.rnd.rawIncrement(), 0x55u);
    EXPECT_EQ(s.izbors, -7.5);
    EXPECT_EQ(s.dbl, -7.5);
}

TEST(StateFields, NamesFindTheirOwnMembers) {
    struct Expected {
        std::string_view name;
        double GenerationState::*member;
    };
    const Expected expected[] = {
        {"izbors", &GenerationState::izbors}, {"izraz", &GenerationState::izraz},
        {"fi8", &GenerationState::fi8},       {"ob78", &GenerationState::ob78},
        {"max", &GenerationState::max},       {"k", &GenerationState::k},
        {"re", &GenerationState::re},         {"dbl", &GenerationState::dbl},
    };
    for (const Expected& e : expected) {
        const NumberField* field = findNumberField(e.name);
        ASSERT_NE(field, nullptr) << e.name;
        EXPECT_EQ(field->name, e.name);
        EXPECT_TRUE(field->member == e.member) << e.name;
    }
    EXPECT_EQ(findNumberField("imeslike"), nullptr);
    EXPECT_EQ(findNumberField("rnd"), nullptr);
    EXPECT_EQ(findNumberField(""), nullptr);
    EXPECT_EQ(findNumberField("izbor "), nullptr);
}

}  // namespace
}  // namespace momentart
