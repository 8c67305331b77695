#include "pairing/court_guess.h"
#include "pairing/sequential_selection.h"
#include "support/match_helpers.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

using test::numberedNames;

struct GuessCase {
    const char* name;
    int members;
    int courts;
    int expected;
};

class GuessCourtCount : public ::testing::TestWithParam<GuessCase> {};

// Tables made by the program for n courts: the guess gives n back, or more
// courts when the roster happens to allow them (never fewer).
TEST_P(GuessCourtCount, OfAGeneratedTable) {
    const GuessCase& c = GetParam();
    SequentialState state;
    MatchTable table{};
    GenerateSequential(state, numberedNames(c.members), c.courts, table);
    EXPECT_EQ(guessCourtCount(table), c.expected);
    EXPECT_TRUE(roundsHoldDistinctMembers(table, c.courts));
}

INSTANTIATE_TEST_SUITE_P(
    Rosters, GuessCourtCount,
    ::testing::Values(GuessCase{"FourOnOne", 4, 1, 1}, GuessCase{"SevenOnOne", 7, 1, 1},
                      GuessCase{"NineOnTwo", 9, 2, 2}, GuessCase{"ElevenOnTwo", 11, 2, 2},
                      GuessCase{"TwelveOnThree", 12, 3, 3}, GuessCase{"ThirtyOnThree", 30, 3, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GuessCourtCount, OneMemberTwiceInARoundRulesThatCountOut) {
    MatchTable table{};
    for (int k = 0; k < MaxMatches; ++k) {
        const std::string s = std::to_string(k);
        table[static_cast<std::size_t>(k)] = {"a" + s, "b" + s, "c" + s, "d" + s, 0, 0};
    }
    EXPECT_EQ(guessCourtCount(table), 3);
    table[118].a = table[119].d; // round 40 of three courts, round 60 of two
    EXPECT_EQ(guessCourtCount(table), 1);
    EXPECT_FALSE(roundsHoldDistinctMembers(table, 2));
    table[118].a = "x";
    table[0].b = table[2].c; // round 1 of three courts only
    EXPECT_EQ(guessCourtCount(table), 2);
    // An empty table fits any count; empty fields are not members.
    EXPECT_EQ(guessCourtCount(MatchTable{}), 3);
}

} // namespace
} // namespace pf
