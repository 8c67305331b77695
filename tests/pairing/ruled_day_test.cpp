// A balanced day under the club's rules: the hard rules held on small rosters,
// the days no schedule can hold, re-planning with the rules, and the figures
// within the rules on a hand-made table.

#include "pairing/ruled_day.h"
#include "rule_helpers.h"

#include "pairing/replan.h"

#include <gtest/gtest.h>
#include <set>

namespace pf {
namespace {

using namespace pf::test;

// Twelve members, men and women alternating (A man, B woman, …), levels 2, 3
// and 4 on both sides; A–B a fixed pair, C and E kept apart, D and K too.
DayFacts twelve() {
    DayFacts facts(12);
    const int levels[12] = {3, 3, 2, 4, 4, 2, 3, 3, 2, 4, 4, 2};
    for (int i = 0; i < 12; ++i) {
        facts.gender[static_cast<std::size_t>(i)] = i % 2 == 0 ? M : F;
        facts.level[static_cast<std::size_t>(i)] = levels[i];
    }
    pair(facts, 0, 1);
    keepApart(facts, 2, 4);
    keepApart(facts, 3, 10);
    return facts;
}

// The hard rules of any schedule: every slot from `first` on filled, nobody
// twice in a round.
void expectRoundsDistinct(const MatchTable& t, int courts, int first = 0) {
    for (int r = first / courts; r < MaxMatches / courts; ++r) {
        std::set<Name> seen;
        for (int j = 0; j < courts; ++j) {
            const MatchRecord& m = t[static_cast<std::size_t>(r * courts + j)];
            for (const Name* x : {&m.a, &m.b, &m.c, &m.d}) {
                EXPECT_FALSE(x->empty()) << "round " << r;
                EXPECT_TRUE(seen.insert(*x).second) << *x << " twice in round " << r;
            }
        }
    }
}

// Play spread within each group at every round boundary.
void expectPlayEven(const std::vector<Name>& names, const DayFacts& facts, const DayRules& rules,
                    const MatchTable& t, int courts, int first = 0) {
    for (int end = first + courts; end <= MaxMatches; end += courts)
        for (const RuledFigure& g :
             ruledQuality(names, facts, rules, t, courts, first, end).playSpread)
            ASSERT_LE(g.figure.value, 1) << g.over << " up to match " << end;
}

struct HeldCase {
    const char* name;
    DayRules rules;
    int courts;
    // Other than twelve: that many members, men and women alternating, no
    // other facts but the first and the last kept apart; and then the
    // partner and opponent spreads are held to their bounds + 1 as well
    // (partners to the bound itself where some are kept apart).
    int members = 12;
};

class RuledDayHolds : public ::testing::TestWithParam<HeldCase> {};

TEST_P(RuledDayHolds, EveryRuleInEveryMatch) {
    const HeldCase& c = GetParam();
    const std::vector<Name> names = letters(c.members);
    DayFacts facts = twelve();
    if (c.members != 12) {
        facts = DayFacts(c.members);
        for (int i = 0; i < c.members; ++i)
            facts.gender[static_cast<std::size_t>(i)] = i % 2 == 0 ? M : F;
        keepApart(facts, 0, c.members - 1);
    }
    MatchTable table{};
    const std::string refusal =
        generateRuledDay(names, c.courts, 0, nullptr, facts, c.rules, {5, 200'000}, table);
    ASSERT_EQ(refusal, "");
    expectRoundsDistinct(table, c.courts);
    expectPlayEven(names, facts, c.rules, table, c.courts);
    const RuleFigures f = ruleFigures(names, facts, table, c.courts);
    EXPECT_EQ(f.breaks(c.rules), 0);
    if (c.rules.fixedPairs) {
        EXPECT_EQ(f.fixedPairsKept, 1);
    }
    if (c.rules.keptApart) {
        EXPECT_EQ(f.apartPairsKept, c.members == 12 ? 2 : 1);
    }
    if (c.rules.levelBalance) {
        // Levels 2, 3 and 4 can be balanced in every match; with the other
        // rules deciding who plays when, in nearly every one.
        int uneven = 0;
        for (int k = 0; k < MaxMatches; ++k)
            uneven += ruleFigures(names, facts, table, c.courts, k, k + 1).largestLevelGap > 1;
        EXPECT_LE(uneven, c.rules == DayRules{.levelBalance = true} ? 0 : MaxMatches / 20);
    }
    if (c.members != 12) {
        const RuledQuality q = ruledQuality(names, facts, c.rules, table, c.courts);
        EXPECT_LE(q.partnerSpread.figure.value,
                  q.partnerSpread.figure.bound.value_or(0) + (c.rules.keptApart ? 0 : 1));
        for (const RuledFigure& g : q.opponentSpread)
            EXPECT_LE(g.figure.value, g.figure.bound.value_or(0) + 1) << g.over;
    }
    if (c.members == 8 && c.rules.keptApart) { // even wherever the day stops, too
        const ScheduleQuality whole = computeQuality(names, table, c.courts);
        EXPECT_LE(whole.prefixPartnerExcess.value, 2);
        EXPECT_LE(whole.prefixOpponentExcess.value, 4);
    }
}

INSTANTIATE_TEST_SUITE_P(Rules, RuledDayHolds,
                         ::testing::Values(HeldCase{"Mixed", {.mixed = true}, 2},
                                           // Everybody plays every round: an even day
                                           // exists and must be found.
                                           HeldCase{"MixedFourAndFour", {.mixed = true}, 2, 8},
                                           HeldCase{"LevelBalance", {.levelBalance = true}, 1},
                                           HeldCase{"NearLevels", {.levelNear = true}, 2},
                                           HeldCase{"FixedPairs", {.fixedPairs = true}, 3},
                                           HeldCase{"KeptApart", {.keptApart = true}, 1},
                                           // Two of eight kept apart: a day by construction.
                                           HeldCase{"KeptApartEightOn1", {.keptApart = true}, 1, 8},
                                           HeldCase{"KeptApartEightOn2", {.keptApart = true}, 2, 8},
                                           HeldCase{
                                               "AllButNear", {true, true, false, true, true}, 2},
                                           HeldCase{"AllFive", {true, true, true, true, true}, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

// Levels 1, 1, 1, 2, 2, 3 ×5, 4 ×4, 5, 5 with near levels: the three at 1 can
// only play as one four with someone at 2, the two at 5 only with two at 4.
// Seating whoever waited longest leaves a round no four fits within a few
// rounds; an even day exists (every member 30 matches) and must be found.
TEST(RuledDay, NearLevelsWithFewFoursStillEven) {
    const std::vector<Name> names = letters(16);
    DayFacts facts(16);
    const int levels[16] = {1, 4, 2, 5, 3, 2, 3, 3, 1, 4, 3, 1, 4, 3, 5, 4};
    for (int i = 0; i < 16; ++i)
        facts.level[static_cast<std::size_t>(i)] = levels[i];
    const DayRules rules{.levelNear = true};
    for (int courts : {2, 3}) {
        MatchTable table{};
        ASSERT_EQ(generateRuledDay(names, courts, 0, nullptr, facts, rules, {1, 20'000}, table),
                  "");
        EXPECT_EQ(ruleFigures(names, facts, table, courts).breaks(rules), 0);
        expectPlayEven(names, facts, rules, table, courts);
        for (const RuledFigure& g : ruledQuality(names, facts, rules, table, courts).playSpread)
            EXPECT_EQ(g.figure.value, 0) << courts << " courts, " << g.over;
    }
}

// Levels 2 and 4 only, six of each, near levels on one court: the two sixes
// never share a match, and after three rounds someone has played twice and
// someone not at all. The day is made and the organiser is told so; a day the
// rules leave even says nothing.
TEST(RuledDay, TellsWhenThePoolsLeavePlaysTwoApart) {
    const std::vector<Name> names = letters(12);
    DayFacts pools(12);
    for (int i = 0; i < 12; ++i)
        pools.level[static_cast<std::size_t>(i)] = i < 6 ? 2 : 4;
    const DayRules near{.levelNear = true};
    MatchTable table{};
    std::string note = "stale";
    ASSERT_EQ(generateRuledDay(names, 1, 0, nullptr, pools, near, {1, 20'000}, table, &note), "");
    EXPECT_EQ(note, "指定（近いレベル）を守るため、全員の出場回数が途中で最大2回の差になる回があり"
                    "ます。その回で終えると差が残ります。");
    ASSERT_EQ(generateRuledDay(names, 2, 0, nullptr, twelve(), near, {1, 20'000}, table, &note),
              "");
    EXPECT_EQ(note, "");
}

// Twelve men and four women on two courts, mixed doubles: the four play every
// round, and each man partners and faces each of them exactly alike (5 and 5
// times), which the search alone left two apart.
TEST(RuledDay, MixedFourWomenMeetEveryManAlike) {
    const std::vector<Name> names = letters(16);
    DayFacts facts(16);
    for (int i = 0; i < 16; ++i)
        facts.gender[static_cast<std::size_t>(i)] = i % 4 == 1 ? F : M;
    const DayRules rules{.mixed = true};
    MatchTable table{};
    ASSERT_EQ(generateRuledDay(names, 2, 0, nullptr, facts, rules, {3, 20'000}, table), "");
    expectRoundsDistinct(table, 2);
    expectPlayEven(names, facts, rules, table, 2);
    EXPECT_EQ(ruleFigures(names, facts, table, 2).breaks(rules), 0);
    const RuledQuality q = ruledQuality(names, facts, rules, table, 2);
    EXPECT_EQ(q.partnerSpread.figure.value, 0);
    ASSERT_EQ(q.opponentSpread.size(), 3U);
    EXPECT_LE(q.opponentSpread[0].figure.value, q.opponentSpread[0].figure.bound.value_or(0) + 1);
    EXPECT_EQ(q.opponentSpread[1].figure.value, 0); // the four among themselves
    EXPECT_EQ(q.opponentSpread[2].figure.value, 0);
}

TEST(RuledDay, SameSeedSameDayAnotherSeedAnother) {
    const std::vector<Name> names = letters(12);
    const DayFacts facts = twelve();
    const DayRules rules{true, true, false, true, true};
    MatchTable first{};
    MatchTable again{};
    MatchTable other{};
    ASSERT_EQ(generateRuledDay(names, 2, 0, nullptr, facts, rules, {8, 5'000}, first), "");
    ASSERT_EQ(generateRuledDay(names, 2, 0, nullptr, facts, rules, {8, 5'000}, again), "");
    ASSERT_EQ(generateRuledDay(names, 2, 0, nullptr, facts, rules, {9, 5'000}, other), "");
    EXPECT_EQ(first, again);
    EXPECT_NE(first, other);
}

// Rules that the facts give nothing to do make the balanced method's day, seed
// for seed, kept days and the day's length included.
struct UnboundCase {
    const char* name;
    DayRules rules;
    int members;
    int courts;
    int endMatch;
};

class RuledDayUnbound : public ::testing::TestWithParam<UnboundCase> {};

TEST_P(RuledDayUnbound, IsTheBalancedDay) {
    const UnboundCase& c = GetParam();
    const std::vector<Name> names = letters(c.members);
    // Nobody paired or kept apart; levels unset or the middle, one apart where
    // only near levels are asked for.
    DayFacts facts(c.members);
    for (int i = 0; i < c.members; i += 3)
        facts.level[static_cast<std::size_t>(i)] =
            c.rules.levelNear && !c.rules.levelBalance ? 4 : MiddleLevel;
    BalancedOptions options{3, 20'000};
    options.endMatch = c.endMatch;
    MatchTable ruled{};
    MatchTable balanced{};
    ASSERT_EQ(generateRuledDay(names, c.courts, 0, nullptr, facts, c.rules, options, ruled), "");
    generateBalanced(names, c.courts, 0, nullptr, options, balanced);
    EXPECT_EQ(ruled, balanced);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, RuledDayUnbound,
    ::testing::Values(UnboundCase{"BalanceWithoutLevels", {.levelBalance = true}, 16, 2, 120},
                      UnboundCase{"NearWithLevelsOneApart", {.levelNear = true}, 16, 3, 120},
                      UnboundCase{"FixedPairsWithoutPartners", {.fixedPairs = true}, 9, 1, 120},
                      UnboundCase{
                          "AllButMixedOnAShortDay", {false, true, true, true, true}, 14, 3, 36}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    int members;
    int courts;
    void (*facts)(DayFacts&);
    DayRules rules;
    const char* reason; // part of the message
};

class RuledDayRefuses : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RuledDayRefuses, SaysWhyAndLeavesTheTable) {
    const RefusedCase& c = GetParam();
    DayFacts facts(c.members);
    for (int i = 0; i < c.members; ++i) {
        facts.gender[static_cast<std::size_t>(i)] = i % 2 == 0 ? M : F;
        facts.level[static_cast<std::size_t>(i)] = 3;
    }
    c.facts(facts);
    MatchTable table{};
    table[0] = {"kept", "as", "it", "was"};
    const MatchTable before = table;
    const std::string got = generateRuledDay(letters(c.members), c.courts, 0, nullptr, facts,
                                             c.rules, {1, 1'000}, table);
    EXPECT_NE(got.find(c.reason), std::string::npos) << got;
    EXPECT_EQ(table, before);
}

INSTANTIATE_TEST_SUITE_P(
    Days, RuledDayRefuses,
    ::testing::Values(
        // A–B and C–D always fill the one court: E would never play.
        RefusedCase{"OneMemberOutsideThePairs",
                    5,
                    1,
                    [](DayFacts& f) {
                        pair(f, 0, 1);
                        pair(f, 2, 3);
                    },
                    {.fixedPairs = true},
                    "固定ペアのないメンバーがEだけ"},
        // Both men are in pairs: no single man for F.
        RefusedCase{"SingleWomanWithoutASingleMan",
                    5,
                    1,
                    [](DayFacts& f) {
                        pair(f, 0, 1);
                        pair(f, 2, 3);
                        f.gender[4] = F;
                    },
                    {.mixed = true, .fixedPairs = true},
                    "固定ペアのない女性（E）と組める、固定ペアのない男性がいません"},
        // G (man, 1) has three members near him, but no man for the other side.
        RefusedCase{"NoMatchForTheWeakestMan",
                    8,
                    1,
                    [](DayFacts& f) { f.level = {3, 3, 3, 2, 3, 2, 1, 1}; },
                    {.mixed = true, .levelNear = true},
                    "Gが入れる試合を組めません（ミックスダブルス・近いレベル）"},
        // Everybody plays every round on three courts, but two groups of six
        // levels apart cannot make matches of four.
        RefusedCase{"ClustersThatCannotFillTheCourts",
                    12,
                    3,
                    [](DayFacts& f) {
                        for (int i = 0; i < 12; ++i)
                            f.level[static_cast<std::size_t>(i)] = i < 6 ? 2 : 4;
                    },
                    {.levelNear = true},
                    "1ラウンド目で、指定（近いレベル）を守りながら"},
        // The two men at level 1 play every match at their level, the four
        // at level 4 every other one of theirs: play drifts apart without end.
        RefusedCase{"LevelsThatKeepPlayUneven",
                    10,
                    1,
                    [](DayFacts& f) {
                        f.gender[9] = M;
                        f.level = {1, 1, 1, 1, 4, 4, 4, 4, 4, 4};
                    },
                    {.mixed = true, .levelNear = true},
                    "を守ると、出場回数を均等にできません（男性で最大"},
        // What rules a day out beforehand comes first.
        RefusedCase{"TooFewWomen",
                    8,
                    2,
                    [](DayFacts& f) { f.gender[7] = M; },
                    {.mixed = true},
                    "（２人×コート数）人以上必要"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RuledReplan, KeepsThePlayedPartAndTheRulesForTheRest) {
    const std::vector<Name> day = letters(10);
    DayFacts facts(10);
    for (int i = 0; i < 10; ++i)
        facts.gender[static_cast<std::size_t>(i)] = i % 2 == 0 ? M : F;
    pair(facts, 0, 1);
    keepApart(facts, 2, 5);
    const DayRules rules{.mixed = true, .fixedPairs = true, .keptApart = true};
    MemberRoster roster{};
    std::copy(day.begin(), day.end(), roster.begin());
    MatchTable table{};
    ASSERT_EQ(generateRuledDay(day, 2, 0, nullptr, facts, rules, {3, 20'000}, table), "");

    // From match 41 on, I and J have left and K (man) and L (woman) come.
    std::vector<Name> present(day.begin(), day.begin() + 8);
    present.push_back("K");
    present.push_back("L");
    DayFacts later(10);
    for (int i = 0; i < 10; ++i)
        later.gender[static_cast<std::size_t>(i)] = i % 2 == 0 ? M : F;
    pair(later, 0, 1);
    keepApart(later, 2, 5);
    ReplanRequest request{41, present, 2, 9, 20'000};
    request.facts = &later;
    request.rules = rules;
    const ReplanResult r = planReplan(roster, table, request);
    ASSERT_TRUE(r.ok()) << r.error;
    for (int s = 0; s < 40; ++s)
        EXPECT_EQ(r.matches[static_cast<std::size_t>(s)], table[static_cast<std::size_t>(s)]);
    expectRoundsDistinct(r.matches, 2, 40);
    expectPlayEven(present, later, rules, r.matches, 2, 40);
    const RuleFigures f = ruleFigures(present, later, r.matches, 2, 40);
    EXPECT_EQ(f.breaks(rules), 0);

    // Only two women from match 41 on two courts: refused, with the reason.
    std::vector<Name> fewWomen(day.begin(), day.begin() + 6);
    fewWomen.push_back("K");
    fewWomen.push_back("M");
    DayFacts eight(8);
    for (int i = 0; i < 8; ++i)
        eight.gender[static_cast<std::size_t>(i)] = i == 1 || i == 3 ? F : M; // two women
    ReplanRequest refused{41, fewWomen, 2, 9, 1'000};
    refused.facts = &eight;
    refused.rules = {.mixed = true};
    const ReplanResult no = planReplan(roster, table, refused);
    EXPECT_NE(no.error.find("（２人×コート数）人以上必要"), std::string::npos) << no.error;
}

TEST(RuledQuality, FiguresWithinTheRulesOnAHandMadeDay) {
    // A and C men, B and D women, one court, three matches.
    DayFacts facts(4);
    facts.gender = {M, F, M, F};
    MatchTable table{};
    table[0] = {"A", "B", "C", "D"};
    table[1] = {"A", "D", "C", "B"};
    table[2] = {"A", "B", "C", "D"};
    const RuledQuality q = ruledQuality(letters(4), facts, {.mixed = true}, table, 1);
    ASSERT_EQ(q.playSpread.size(), 2u);
    EXPECT_EQ(q.playSpread[0].over, "男性");
    EXPECT_EQ(q.playSpread[0].figure.value, 0);
    EXPECT_EQ(q.playSpread[1].over, "女性");
    // Partners AB 2, AD 1, CB 1, CD 2 over 6 sides: one apart, as even as can be.
    EXPECT_EQ(q.partnerSpread.over, "男性と女性のペア");
    EXPECT_EQ(q.partnerSpread.figure.value, 1);
    EXPECT_EQ(q.partnerSpread.figure.bound, 1);
    ASSERT_EQ(q.opponentSpread.size(), 3u);
    EXPECT_EQ(q.opponentSpread[0].over, "男性同士"); // A–C three times: even
    EXPECT_EQ(q.opponentSpread[0].figure.value, 0);
    EXPECT_EQ(q.opponentSpread[0].figure.bound, 0);
    EXPECT_EQ(q.opponentSpread[2].over, "男性と女性"); // AD 2, AB 1, CB 2, CD 1
    EXPECT_EQ(q.opponentSpread[2].figure.value, 1);
    EXPECT_EQ(q.opponentSpread[2].figure.bound, 1);

    // Colouring a grid: A and B may partner, 6 sides over 4 pairs; A and C never.
    EXPECT_TRUE(q.partnerWindow(0, 1).counted);
    EXPECT_EQ(q.partnerWindow(1, 0).lo, 1);
    EXPECT_EQ(q.partnerWindow(1, 0).hi, 2);
    EXPECT_FALSE(q.partnerWindow(0, 2).counted);
    EXPECT_EQ(q.opponentWindow(0, 2).lo, 3); // the one man–man pair met 3 times

    // Without mixed doubles everybody is one group and every pair counts.
    const RuledQuality all = ruledQuality(letters(4), facts, {.levelBalance = true}, table, 1);
    ASSERT_EQ(all.playSpread.size(), 1u);
    EXPECT_EQ(all.playSpread[0].over, "全員");
    EXPECT_EQ(all.partnerSpread.over, "全員");
    // Partners AB 2, CD 2, AD 1, CB 1, AC 0, BD 0.
    EXPECT_EQ(all.partnerSpread.figure.value, 2);
    EXPECT_EQ(all.partnerSpread.figure.bound, 0);
}

TEST(RuledQuality, ABoundTheRulesForceIsTheBound) {
    // Men A, C, E and F, women B and D, C and F kept apart, sixteen matches:
    // each match the two women and two men, who face each other. C and F
    // face only A and E, eight times each, which takes all of A's and E's
    // sixteen: A and E can never face each other, and 4, 4, 4, 4, 0 is as
    // even as that leaves. With nobody kept apart the same day is a miss.
    DayFacts facts(6);
    facts.gender = {M, F, M, F, M, M};
    keepApart(facts, 2, 5);
    MatchTable table{};
    const char* men[4] = {"AC", "AF", "EC", "EF"};
    for (int k = 0; k < 16; ++k)
        table[static_cast<std::size_t>(k)] = {Name(1, men[k % 4][0]), "B", Name(1, men[k % 4][1]),
                                              "D"};
    const RuledQuality apart =
        ruledQuality(letters(6), facts, {.mixed = true, .keptApart = true}, table, 1, 0, 16);
    ASSERT_EQ(apart.opponentSpread.size(), 3u);
    EXPECT_EQ(apart.opponentSpread[0].over, "男性同士");
    EXPECT_EQ(apart.opponentSpread[0].figure.value, 4);
    EXPECT_EQ(apart.opponentSpread[0].figure.bound, 4);
    const RuledQuality mixed = ruledQuality(letters(6), facts, {.mixed = true}, table, 1, 0, 16);
    EXPECT_EQ(mixed.opponentSpread[0].figure.value, 4);
    EXPECT_EQ(mixed.opponentSpread[0].figure.bound, 1);
}

TEST(RuledQuality, PairsAreJudgedWithinTheirTwoLevels) {
    // Near levels: A (level 1) may meet only B, C and D (level 2), so each of
    // A's three matches is A, B, C and D, and A faces each of them twice while
    // pairs such as B–E (levels 2 and 3) never face each other. Judged over
    // every pair that may meet, that is a spread of 2; but every pair of the
    // same two levels faces alike, which is as even as these levels allow.
    DayFacts facts(8);
    facts.level = {1, 2, 2, 2, 3, 3, 3, 3};
    MatchTable table{};
    const char* rounds[6] = {"ABCD", "EFGH", "ACBD", "EGFH", "ADBC", "EHFG"};
    for (int r = 0; r < 6; ++r)
        table[static_cast<std::size_t>(r)] = {Name(1, rounds[r][0]), Name(1, rounds[r][1]),
                                              Name(1, rounds[r][2]), Name(1, rounds[r][3])};
    const RuledQuality q = ruledQuality(letters(8), facts, {.levelNear = true}, table, 1);
    ASSERT_EQ(q.opponentSpread.size(), 1u);
    EXPECT_EQ(q.opponentSpread[0].over, "全員、レベルの組み合わせごと");
    EXPECT_EQ(q.opponentSpread[0].figure.value, 0);
    EXPECT_EQ(q.opponentSpread[0].figure.bound, 0);
    EXPECT_EQ(q.partnerSpread.over, "組める2人、レベルの組み合わせごと");
    EXPECT_EQ(q.opponentWindow(0, 1).hi, 2); // A's six slots over three
    EXPECT_EQ(q.opponentWindow(1, 4).hi, 0); // levels 2 and 3 never faced
    EXPECT_FALSE(q.opponentWindow(0, 4).counted);

    // A seventh match, AB against CD, has A face C and D three times and B
    // twice: the cell's spread is 1, as an uneven share of 8 over 3 must be.
    table[6] = {"A", "B", "C", "D"};
    const RuledQuality more = ruledQuality(letters(8), facts, {.levelNear = true}, table, 1);
    EXPECT_EQ(more.opponentSpread[0].figure.value, 1);
    EXPECT_EQ(more.opponentSpread[0].figure.bound, 1);
}

} // namespace
} // namespace pf
