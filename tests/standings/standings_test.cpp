#include "standings/standings.h"

#include "files/pairing_file.h"
#include "model/text_codec.h"

#include <QFile>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace pf {
namespace {

struct M {
    const char* a;
    const char* b;
    const char* c;
    const char* d;
    int winA;
    int winB;
};

MatchTable table(std::initializer_list<M> slots) {
    MatchTable t{};
    std::size_t i = 0;
    for (const M& m : slots)
        t[i++] = MatchRecord{m.a, m.b, m.c, m.d, m.winA, m.winB};
    return t;
}

StandingsTable compute(const MatchTable& t, int rankingMethod) {
    StandingsTable s;
    ComputeStandings(t, rankingMethod, s);
    return s;
}

// A row as the texts of the given columns.
std::vector<std::string> row(const StandingsTable& s, int r, int columns = StandingsColumns) {
    std::vector<std::string> cells;
    for (int c = 0; c < columns; ++c)
        cells.push_back(s.cell(r, c));
    return cells;
}

std::vector<std::string> headings(const StandingsTable& s) {
    std::vector<std::string> out;
    for (int c = 0; c < StandingsColumns; ++c)
        out.push_back(decodeCp932(s.cell(0, c)).toStdString());
    return out;
}

using Cells = std::vector<std::string>;

TEST(Standings, EmptyTableHasHeadingsOnlyUnderEitherRule) {
    const StandingsTable s1 = compute(MatchTable{}, 0);
    EXPECT_EQ(headings(s1), (Cells{"順位", "メンバー名", "試合数", "勝数", "敗数", "分数", "勝率",
                                   "ゲーム数", "勝ゲーム", "敗ゲーム", "ゲーム率"}));
    const StandingsTable s2 = compute(MatchTable{}, 1);
    EXPECT_EQ(headings(s2), (Cells{"順位", "メンバー名", "ゲーム数", "勝ゲーム", "敗ゲーム",
                                   "ゲーム率", "", "", "", "", ""}));
    for (const StandingsTable* s : {&s1, &s2}) {
        EXPECT_EQ(s->memberRows(), 0);
        for (int r = 1; r < StandingsRows; ++r)
            for (int c = 0; c < StandingsColumns; ++c)
                ASSERT_TRUE(s->cell(r, c).empty()) << r << "," << c;
    }
}

TEST(Standings, RefillsATableThatHeldAnEarlierResult) {
    StandingsTable s;
    ComputeStandings(table({{"A", "B", "C", "D", 3, 1}}), 0, s);
    ComputeStandings(table({{"X", "", "", "", 0, 0}}), 1, s);
    EXPECT_EQ(s.memberRows(), 1);
    EXPECT_EQ(row(s, 1), (Cells{"1", "X", "0", "0", "0", "0.000", "", "", "", "", ""}));
    EXPECT_TRUE(s.cell(2, 0).empty());
    EXPECT_TRUE(s.cell(0, 6).empty());
}

TEST(Standings, UnscoredPairingListsEveryoneInOrderOfFirstAppearanceAtRankOne) {
    const StandingsTable s =
        compute(table({{"D", "B", "A", "E", 0, 0}, {"C", "A", "F", "D", 0, 0}}), 0);
    ASSERT_EQ(s.memberRows(), 6);
    const char* order[] = {"D", "B", "A", "E", "C", "F"};
    for (int r = 1; r <= 6; ++r)
        EXPECT_EQ(row(s, r),
                  (Cells{"1", order[r - 1], "0", "0", "0", "0", "0.000", "0", "0", "0", "0.000"}));
}

TEST(Standings, DrawsCountButNotInTheWinRateDivisorAndZeroZeroIsNoMatch) {
    const StandingsTable s = compute(table({
                                         {"A", "B", "C", "D", 6, 2}, // A, B win
                                         {"A", "C", "B", "D", 2, 2}, // draw
                                         {"A", "D", "B", "C", 0, 0}, // not played
                                     }),
                                     0);
    // A and B: won 1, drew 1: win rate 1 / (2 - 1); games 6 + 2 won, 2 + 2 lost.
    // C and D: lost 1, drew 1. Tied members share the first one's rank.
    ASSERT_EQ(s.memberRows(), 4);
    EXPECT_EQ(row(s, 1), (Cells{"1", "A", "2", "1", "0", "1", "1.000", "12", "8", "4", "0.667"}));
    EXPECT_EQ(row(s, 2), (Cells{"1", "B", "2", "1", "0", "1", "1.000", "12", "8", "4", "0.667"}));
    EXPECT_EQ(row(s, 3), (Cells{"3", "C", "2", "0", "1", "1", "0.000", "12", "4", "8", "0.333"}));
    EXPECT_EQ(row(s, 4), (Cells{"3", "D", "2", "0", "1", "1", "0.000", "12", "4", "8", "0.333"}));
}

TEST(Standings, OnlyDrawsGiveWinRateZeroAndGameRateOneHalf) {
    const StandingsTable s = compute(table({{"A", "B", "C", "D", 3, 3}}), 0);
    EXPECT_EQ(row(s, 1), (Cells{"1", "A", "1", "0", "0", "1", "0.000", "6", "3", "3", "0.500"}));
    EXPECT_EQ(s.cell(4, 0), "1");
}

// X P | Y Q 5-6, then Y R | S T 0-20: Y has a match win but the worst game
// rate but one; X and P lost narrowly.
const MatchTable TwoRules = table({{"X", "P", "Y", "Q", 5, 6}, {"Y", "R", "S", "T", 0, 20}});

TEST(Standings, RuleOneRanksByWinRateThenGameRateWithSharedRanks) {
    const StandingsTable s = compute(TwoRules, 0);
    ASSERT_EQ(s.memberRows(), 7);
    EXPECT_EQ(row(s, 1), (Cells{"1", "S", "1", "1", "0", "0", "1.000", "20", "20", "0", "1.000"}));
    EXPECT_EQ(row(s, 2), (Cells{"1", "T", "1", "1", "0", "0", "1.000", "20", "20", "0", "1.000"}));
    EXPECT_EQ(row(s, 3), (Cells{"3", "Q", "1", "1", "0", "0", "1.000", "11", "6", "5", "0.545"}));
    EXPECT_EQ(row(s, 4), (Cells{"4", "Y", "2", "1", "1", "0", "0.500", "31", "6", "25", "0.194"}));
    EXPECT_EQ(row(s, 5), (Cells{"5", "X", "1", "0", "1", "0", "0.000", "11", "5", "6", "0.455"}));
    EXPECT_EQ(row(s, 6), (Cells{"5", "P", "1", "0", "1", "0", "0.000", "11", "5", "6", "0.455"}));
    EXPECT_EQ(row(s, 7), (Cells{"7", "R", "1", "0", "1", "0", "0.000", "20", "0", "20", "0.000"}));
    EXPECT_TRUE(s.cell(8, 0).empty());
}

TEST(Standings, RuleTwoIgnoresMatchResultsAndLeavesColumnsSixToTenEmpty) {
    const StandingsTable s = compute(TwoRules, 1);
    ASSERT_EQ(s.memberRows(), 7);
    const Cells e(5, "");
    auto r2 = [&](Cells head) {
        head.insert(head.end(), e.begin(), e.end());
        return head;
    };
    EXPECT_EQ(row(s, 1), r2({"1", "S", "20", "20", "0", "1.000"}));
    EXPECT_EQ(row(s, 2), r2({"1", "T", "20", "20", "0", "1.000"}));
    EXPECT_EQ(row(s, 3), r2({"3", "Q", "11", "6", "5", "0.545"}));
    EXPECT_EQ(row(s, 4), r2({"4", "X", "11", "5", "6", "0.455"}));
    EXPECT_EQ(row(s, 5), r2({"4", "P", "11", "5", "6", "0.455"}));
    EXPECT_EQ(row(s, 6), r2({"6", "Y", "31", "6", "25", "0.194"}));
    EXPECT_EQ(row(s, 7), r2({"7", "R", "20", "0", "20", "0.000"}));
    // Any non-zero setting means rule 2.
    const StandingsTable s7 = compute(TwoRules, 7);
    EXPECT_EQ(row(s7, 6), row(s, 6));
}

TEST(Standings, EqualRatesTieAndKeepTheOrderOfFirstAppearance) {
    // B: 2 wins 2 losses, A: 1 win 1 loss, o1 o2: 3 and 3; every game rate 0.5.
    const StandingsTable s = compute(table({
                                         {"B", "p2", "o1", "o2", 6, 4},
                                         {"A", "p1", "o1", "o2", 6, 4},
                                         {"A", "p1", "o1", "o2", 4, 6},
                                         {"B", "p2", "o1", "o2", 4, 6},
                                         {"B", "p2", "o1", "o2", 6, 4},
                                         {"B", "p2", "o1", "o2", 4, 6},
                                     }),
                                     0);
    const char* order[] = {"B", "p2", "o1", "o2", "A", "p1"};
    ASSERT_EQ(s.memberRows(), 6);
    for (int r = 1; r <= 6; ++r) {
        EXPECT_EQ(s.cell(r, 0), "1");
        EXPECT_EQ(s.cell(r, 1), order[r - 1]);
        EXPECT_EQ(s.cell(r, 6), "0.500");
    }
}

TEST(Standings, RanksSkipPastATie) {
    // Game rates 0.75, 0.5, 0.5, 0.25.
    const StandingsTable s =
        compute(table({{"P", "", "R", "", 3, 1}, {"U", "", "W", "", 2, 2}}), 1);
    ASSERT_EQ(s.memberRows(), 4);
    EXPECT_EQ(row(s, 1, 2), (Cells{"1", "P"}));
    EXPECT_EQ(row(s, 2, 2), (Cells{"2", "U"}));
    EXPECT_EQ(row(s, 3, 2), (Cells{"2", "W"}));
    EXPECT_EQ(row(s, 4, 2), (Cells{"4", "R"}));
}

TEST(Standings, RatesAre32BitFloatsPrintedWithThreeDecimals) {
    // 3 of 80 and 77 of 80 are exact halves in decimal; their 32-bit values lie
    // just above 0.0375 and just below 0.9625.
    const StandingsTable s =
        compute(table({{"A", "B", "C", "D", 3, 77}, {"E", "F", "G", "H", 2, 1}}), 1);
    EXPECT_EQ(row(s, 1, 6), (Cells{"1", "C", "80", "77", "3", "0.962"}));
    EXPECT_EQ(row(s, 3, 6), (Cells{"3", "E", "3", "2", "1", "0.667"}));
    EXPECT_EQ(row(s, 5, 6), (Cells{"5", "G", "3", "1", "2", "0.333"}));
    EXPECT_EQ(row(s, 7, 6), (Cells{"7", "A", "80", "3", "77", "0.038"}));
}

TEST(Standings, NamesAreComparedByteForByte) {
    const StandingsTable s =
        compute(table({{"A", "a", "A ", "Ａ", 1, 0}, {"A", "x", "y", "z", 0, 0}}), 0);
    ASSERT_EQ(s.memberRows(), 7);
    EXPECT_EQ(s.cell(1, 1), "A");
    EXPECT_EQ(s.cell(1, 2), "1"); // the second slot has no result
    EXPECT_EQ(s.cell(2, 1), "a");
    EXPECT_EQ(s.cell(3, 1), "A ");
    EXPECT_EQ(s.cell(3, 0), "3");
    EXPECT_EQ(s.cell(4, 1), "Ａ");
    EXPECT_EQ(s.cell(5, 1), "x");
}

TEST(Standings, AtMostOneHundredMembersAreListed) {
    MatchTable t{};
    for (int i = 0; i < 26; ++i) {
        MatchRecord& m = t[static_cast<std::size_t>(i)];
        m = MatchRecord{"m" + std::to_string(4 * i),
                        "m" + std::to_string(4 * i + 1),
                        "m" + std::to_string(4 * i + 2),
                        "m" + std::to_string(4 * i + 3),
                        0,
                        0};
    }
    // The 101st name wins big, but was met too late to be listed.
    t[25].WinA = 20;
    t[26] = MatchRecord{"m0", "m100", "m1", "m2", 0, 5};
    const StandingsTable s = compute(t, 0);
    EXPECT_EQ(s.memberRows(), 100);
    for (int r = 1; r <= 100; ++r)
        ASSERT_NE(s.cell(r, 1), "m100");
    EXPECT_EQ(s.cell(1, 1), "m1"); // won slot 27 together with m2
    EXPECT_EQ(s.cell(2, 1), "m2");
    EXPECT_EQ(row(s, 1, 6), (Cells{"1", "m1", "1", "1", "0", "0"}));
}

TEST(Standings, HandEditedCountsNeitherWrapNorDropAMember) {
    const StandingsTable s = compute(table({
                                         {"A", "B", "C", "D", 2147483647, 0},
                                         {"A", "B", "C", "D", 2147483647, 0},
                                         {"E", "F", "G", "H", -5, 3},
                                     }),
                                     1);
    ASSERT_EQ(s.memberRows(), 8);
    EXPECT_EQ(row(s, 1, 6), (Cells{"1", "E", "-2", "-5", "3", "2.500"}));
    EXPECT_EQ(row(s, 3, 6), (Cells{"3", "A", "4294967294", "4294967294", "0", "1.000"}));
    EXPECT_EQ(row(s, 8, 6), (Cells{"7", "H", "-2", "3", "-5", "-1.500"}));
}

// A latecomer L wins his only match 1-0. Matches: A, B, C 4; D 3; L 1.
// Rule 1: L 1.000, A 0.750, D 0.667, B 0.500, C 0.000.
// Rule 2: L 1/1, B 16/27, A 15/27, D 14/26, C 8/27.
MatchTable latecomerDay() {
    return table({{"A", "B", "C", "D", 6, 2},
                  {"A", "C", "B", "D", 2, 6},
                  {"A", "D", "B", "C", 6, 4},
                  {"L", "A", "B", "C", 1, 0}});
}

struct MinimumCase {
    const char* name;
    int rankingMethod;
    int minMatches;
    Cells ranks; // column 0, rows in order
    Cells names; // column 1
};

class StandingsMinimum : public ::testing::TestWithParam<MinimumCase> {};

TEST_P(StandingsMinimum, FewerMatchesAreListedLastWithoutARank) {
    const MinimumCase c = GetParam();
    StandingsTable s;
    ComputeStandings(latecomerDay(), c.rankingMethod, s, c.minMatches);
    Cells ranks, names;
    for (int r = 1; r <= s.memberRows(); ++r) {
        ranks.push_back(s.cell(r, 0));
        names.push_back(s.cell(r, 1));
    }
    EXPECT_EQ(ranks, c.ranks);
    EXPECT_EQ(names, c.names);
    // A minimum of 0 is the table as it always was, to the byte.
    if (c.minMatches == 0) {
        const StandingsTable plain = compute(latecomerDay(), c.rankingMethod);
        for (int r = 0; r < StandingsRows; ++r)
            EXPECT_EQ(row(s, r), row(plain, r)) << r;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Standings, StandingsMinimum,
    ::testing::Values(
        MinimumCase{"Rule1None", 0, 0, {"1", "2", "3", "4", "5"}, {"L", "A", "D", "B", "C"}},
        MinimumCase{"Rule1Three", 0, 3, {"1", "2", "3", "4", ""}, {"A", "D", "B", "C", "L"}},
        MinimumCase{"Rule1Four", 0, 4, {"1", "2", "3", "", ""}, {"A", "B", "C", "L", "D"}},
        MinimumCase{"Rule1MoreThanAnybody", 0, 5, {"", "", "", "", ""}, {"L", "A", "D", "B", "C"}},
        MinimumCase{"Rule2None", 1, 0, {"1", "2", "3", "4", "5"}, {"L", "B", "A", "D", "C"}},
        MinimumCase{"Rule2Three", 1, 3, {"1", "2", "3", "4", ""}, {"B", "A", "D", "C", "L"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The formatted table of a scored day equals the hand-worked one, cell for
// cell, under each rule.
struct GoldenCase {
    const char* name;
    RankingRule rule;
    const char* golden;
};

class StandingsGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(StandingsGolden, FormattedTableEqualsTheHandWorkedOne) {
    const PairingFileContent day = readPairingFile(QStringLiteral(PF_TEST_DATA_DIR "/cli/day.pf1"));
    ASSERT_TRUE(day.ok()) << day.error;
    const StandingsTable s = standingsTable(computeStandings(day.matches, GetParam().rule));
    QString text;
    for (int r = 0; r <= s.memberRows(); ++r) {
        for (int c = 0; c < StandingsColumns; ++c)
            text += (c > 0 ? QStringLiteral("\t") : QString()) + decodeCp932(s.cell(r, c));
        text += QLatin1Char('\n');
    }
    QFile golden(QStringLiteral(PF_TEST_DATA_DIR "/cli/") + QLatin1String(GetParam().golden));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    EXPECT_EQ(text.toStdString(), golden.readAll().toStdString());
}

INSTANTIATE_TEST_SUITE_P(BothRules, StandingsGolden,
                         ::testing::Values(GoldenCase{"Rule1", RankingRule::ByMatchesThenGames,
                                                      "day_standings_rule1.tsv"},
                                           GoldenCase{"Rule2", RankingRule::ByGames,
                                                      "day_standings_rule2.tsv"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pf
