#include "pairing/schedule_quality.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

std::vector<Name> numbered(int n) {
    std::vector<Name> names;
    for (int i = 0; i < n; ++i)
        names.push_back("m" + std::to_string(i + 1));
    return names;
}

// Two matches among m1 … m4, the rest of the table blank: m5 never plays, and
// m1–m4, m2–m3 never share a side.
TEST(ScheduleQuality, FiguresOfATwoMatchTable) {
    const auto members = numbered(5);
    MatchTable table{};
    table[0] = {"m1", "m2", "m3", "m4", 0, 0};
    table[1] = {"m1", "m3", "m2", "m4", 0, 0};
    const ScheduleQuality q = computeQuality(members, table, 1);

    EXPECT_EQ(q.matches, 2);
    EXPECT_EQ(q.rounds, 2); // the 118 blank rounds are no rests
    const MemberQuality& m1 = q.rows[0];
    EXPECT_EQ(m1.plays, 2);
    EXPECT_EQ(m1.longestPlayRun, 2);
    EXPECT_EQ(m1.longestSitOut, 0);
    EXPECT_EQ(m1.distinctPartners, 2);  // m2, m3
    EXPECT_EQ(m1.distinctOpponents, 3); // m3, m4, m2
    const MemberQuality& m5 = q.rows[4];
    EXPECT_EQ(m5.name, "m5");
    EXPECT_EQ(m5.plays, 0);
    EXPECT_EQ(m5.longestSitOut, 2);
    EXPECT_EQ(m5.distinctPartners + m5.distinctOpponents, 0);

    EXPECT_EQ(q.partners.at(0, 1), 1);
    EXPECT_EQ(q.partners.at(1, 2), 0);
    EXPECT_EQ(q.opponents.at(0, 3), 2);
    EXPECT_EQ(q.opponents.at(3, 0), 2);
    EXPECT_DOUBLE_EQ(q.partnerMean, 0.4);  // 4 pairings over 10 pairs
    EXPECT_DOUBLE_EQ(q.opponentMean, 0.8); // 8 over 10

    // 8 plays over 5 members cannot be even; 4 pairings over 10 pairs leave a
    // spread of at least 1 with a largest count of 1.
    EXPECT_EQ(q.playSpread.value, 2);
    EXPECT_EQ(q.playSpread.bound, 1);
    EXPECT_EQ(q.partnerSpread.value, 1);
    EXPECT_EQ(q.partnerSpread.bound, 1);
    EXPECT_EQ(q.partnerMax.value, 1);
    EXPECT_EQ(q.partnerMax.bound, 1);
    EXPECT_EQ(q.opponentSpread.value, 2);
    EXPECT_EQ(q.opponentSpread.bound, 1);
    EXPECT_EQ(q.opponentMax.value, 2);
    EXPECT_EQ(q.opponentMax.bound, 1);
    EXPECT_EQ(q.longestSitOut.value, 2);
    EXPECT_EQ(q.longestSitOut.bound, 1); // ceil(1 / 4)
    EXPECT_EQ(q.longestPlayRun.value, 2);
    EXPECT_EQ(q.longestPlayRun.bound, 4); // ceil(5 / 1) − 1
}

TEST(ScheduleQuality, NamesOffTheRosterCountForNobody) {
    MatchTable table{};
    table[0] = {"m1", "x", "m2", "m3", 0, 0};
    table[1] = {"m1", "m1", "m2", "", 0, 0}; // hand-edited: a name twice, a blank
    const ScheduleQuality q = computeQuality(numbered(3), table, 1);
    EXPECT_EQ(q.rows[0].plays, 2);
    EXPECT_EQ(q.rows[0].distinctPartners, 0);
    EXPECT_EQ(q.partners.at(1, 2), 1);
    EXPECT_EQ(q.opponents.at(0, 1), 2);
    EXPECT_EQ(q.opponents.at(0, 0), 0);
}

// Twelve members in three fixed fours; match k is played by four k mod 3. How
// long members play and rest in a row depends on how many matches make a
// round.
struct RoundCase {
    const char* name;
    int courts;
    int firstMatch;
    int rounds;
    int plays;
    int sitOut, sitOutBound;
    int playRun;
    std::optional<int> playRunBound;
};

class QualityRounds : public ::testing::TestWithParam<RoundCase> {};

TEST_P(QualityRounds, RunsOfPlayAndRest) {
    const RoundCase& c = GetParam();
    const auto members = numbered(12);
    MatchTable table{};
    for (int k = 0; k < MaxMatches; ++k) {
        const auto four = static_cast<std::size_t>(4 * (k % 3));
        table[static_cast<std::size_t>(k)] = {
            members[four], members[four + 1], members[four + 2], members[four + 3], 0, 0};
    }
    const ScheduleQuality q = computeQuality(members, table, c.courts, c.firstMatch);
    EXPECT_EQ(q.courts, c.courts);
    EXPECT_EQ(q.rounds, c.rounds);
    for (const MemberQuality& row : q.rows)
        EXPECT_EQ(row.plays, c.plays) << row.name;
    EXPECT_EQ(q.playSpread.value, 0);
    EXPECT_EQ(q.longestSitOut.value, c.sitOut);
    EXPECT_EQ(q.longestSitOut.bound, c.sitOutBound);
    EXPECT_EQ(q.longestPlayRun.value, c.playRun);
    EXPECT_EQ(q.longestPlayRun.bound, c.playRunBound);
}

INSTANTIATE_TEST_SUITE_P(Courts, QualityRounds,
                         ::testing::Values(
                             // 8 rest while 4 play: nobody can avoid two rests in a row.
                             RoundCase{"OneCourt", 1, 0, 120, 40, 2, 2, 1, 1},
                             // Rounds (0,1), (2,0), (1,2): each four plays two rounds, rests one.
                             RoundCase{"TwoCourts", 2, 0, 60, 40, 1, 1, 2, 2},
                             // Everybody plays every round; no rest, so no limit on a run.
                             RoundCase{"ThreeCourts", 3, 0, 40, 40, 0, 0, 40, std::nullopt},
                             RoundCase{"TwoCourtsFromMatch61", 2, 60, 30, 20, 1, 1, 2, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScheduleQuality, TooFewMembersForPairs) {
    const ScheduleQuality none = computeQuality({}, MatchTable{}, 2);
    EXPECT_EQ(none.rounds, 0);
    EXPECT_EQ(none.partnerSpread.bound, 0);
    const ScheduleQuality one = computeQuality({"m1"}, MatchTable{}, 2);
    EXPECT_EQ(one.rows.size(), 1u);
    EXPECT_EQ(one.partnerMax.value, 0);
}

TEST(ScheduleQuality, DistanceFromAnEvenShare) {
    // 240 pairings over 36 pairs: 6 or 7 each is as even as it gets.
    const double mean = 240.0 / 36.0;
    EXPECT_EQ(distanceFromEven(6, mean), 0);
    EXPECT_EQ(distanceFromEven(7, mean), 0);
    EXPECT_EQ(distanceFromEven(9, mean), 2);
    EXPECT_EQ(distanceFromEven(5, mean), -1);
    EXPECT_EQ(distanceFromEven(8, 8.0), 0);
    EXPECT_EQ(distanceFromEven(7, 8.0), -1);
}

} // namespace
} // namespace pf
