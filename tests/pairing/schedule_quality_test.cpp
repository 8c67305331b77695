#include "pairing/schedule_quality.h"
#include "support/match_helpers.h"

#include "pairing/balanced_selection.h"
#include "pairing/replan.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

using test::numberedNames;

std::string figure(const QualityFigure& f) {
    return std::to_string(f.value) + "/" + (f.bound ? std::to_string(*f.bound) : "-");
}

// "value/bound" of play spread, partner spread and max, opponent spread and
// max, longest sit-out, longest play run.
std::string figures(const ScheduleQuality& q) {
    std::string s;
    for (const QualityFigure* f :
         {&q.playSpread, &q.partnerSpread, &q.partnerMax, &q.opponentSpread, &q.opponentMax,
          &q.longestSitOut, &q.longestPlayRun})
        s += (s.empty() ? "" : " ") + figure(*f);
    return s;
}

// Plays, longest sit-out, longest play run, distinct partners and opponents.
std::string row(const MemberQuality& m) {
    return std::to_string(m.plays) + " " + std::to_string(m.longestSitOut) + " " +
           std::to_string(m.longestPlayRun) + " " + std::to_string(m.distinctPartners) + " " +
           std::to_string(m.distinctOpponents);
}

// Two matches among m1 … m4, the rest of the table blank: m5 never plays, and
// m1–m4, m2–m3 never share a side.
TEST(ScheduleQuality, FiguresOfATwoMatchTable) {
    MatchTable table{};
    table[0] = {"m1", "m2", "m3", "m4", 0, 0};
    table[1] = {"m1", "m3", "m2", "m4", 0, 0};
    const ScheduleQuality q = computeQuality(numberedNames(5), table, 1);

    EXPECT_EQ(q.matches, 2);
    EXPECT_EQ(q.rounds, 2); // the 118 blank rounds are no rests
    EXPECT_EQ(row(q.rows[0]), "2 0 2 2 3");
    EXPECT_EQ(row(q.rows[4]), "0 2 0 0 0");
    EXPECT_EQ(q.partners.at(0, 1), 1);
    EXPECT_EQ(q.partners.at(1, 2), 0);
    EXPECT_EQ(q.opponents.at(3, 0), 2);
    EXPECT_DOUBLE_EQ(q.partnerMean, 0.4);  // 4 pairings over 10 pairs
    EXPECT_DOUBLE_EQ(q.opponentMean, 0.8); // 8 over 10
    // 8 plays over 5 members cannot be even; 4 pairings over 10 pairs leave a
    // spread of 1 at best; one rests of five: sit-outs of ceil(1/4), runs of
    // ceil(5/1) − 1.
    EXPECT_EQ(figures(q), "2/1 1/1 1/1 2/1 2/1 2/1 2/4");
}

// The day stopped after each of three matches among five members (10 pairs):
// plays stay within one throughout; m1–m3 face each other a second time in
// match 2, when 8 opponent slots are not yet one per pair; m1–m2 partner a
// second time in match 3, with 6 partner slots over 10 pairs.
struct Stop {
    int endMatch;
    int rounds;
    const char* prefix; // play spread, partner and opponent excess
};

class QualityStoppedEarly : public ::testing::TestWithParam<Stop> {};

TEST_P(QualityStoppedEarly, PrefixFigures) {
    MatchTable table{};
    table[0] = {"m1", "m2", "m3", "m4", 0, 0};
    table[1] = {"m5", "m1", "m2", "m3", 0, 0};
    table[2] = {"m1", "m2", "m4", "m5", 0, 0};
    const ScheduleQuality q = computeQuality(numberedNames(5), table, 1, 0, GetParam().endMatch);
    EXPECT_EQ(q.rounds, GetParam().rounds);
    EXPECT_EQ(figure(q.prefixPlaySpread) + " " + figure(q.prefixPartnerExcess) + " " +
                  figure(q.prefixOpponentExcess),
              GetParam().prefix);
}

INSTANTIATE_TEST_SUITE_P(Matches, QualityStoppedEarly,
                         ::testing::Values(Stop{1, 1, "1/1 0/0 0/0"}, Stop{2, 2, "1/1 0/0 1/0"},
                                           Stop{3, 3, "1/1 1/0 1/0"},
                                           Stop{MaxMatches, 3, "1/1 1/0 1/0"}),
                         [](const auto& info) { return std::to_string(info.param.endMatch); });

TEST(ScheduleQuality, NamesOffTheRosterCountForNobody) {
    MatchTable table{};
    table[0] = {"m1", "x", "m2", "m3", 0, 0};
    table[1] = {"m1", "m1", "m2", "", 0, 0}; // hand-edited: a name twice, a blank
    const ScheduleQuality q = computeQuality(numberedNames(3), table, 1);
    EXPECT_EQ(row(q.rows[0]), "2 0 2 0 2");
    EXPECT_EQ(q.partners.at(1, 2), 1);
    EXPECT_EQ(q.opponents.at(0, 1), 2);
    EXPECT_EQ(q.opponents.at(0, 0), 0);
    // Nobody to pair with: no division by zero pairs.
    EXPECT_EQ(figures(computeQuality({"m1"}, table, 2)), "0/0 0/0 0/0 0/0 0/0 0/0 1/-");
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
    const char* sitOutAndRun;
};

class QualityRounds : public ::testing::TestWithParam<RoundCase> {};

TEST_P(QualityRounds, RunsOfPlayAndRest) {
    const RoundCase& c = GetParam();
    const auto members = numberedNames(12);
    MatchTable table{};
    for (std::size_t k = 0; k < MaxMatches; ++k) {
        const std::size_t four = 4 * (k % 3);
        table[k] = {members[four], members[four + 1], members[four + 2], members[four + 3], 0, 0};
    }
    const ScheduleQuality q = computeQuality(members, table, c.courts, c.firstMatch);
    EXPECT_EQ(q.rounds, c.rounds);
    for (const MemberQuality& m : q.rows)
        EXPECT_EQ(m.plays, c.plays) << m.name;
    EXPECT_EQ(figure(q.longestSitOut) + " " + figure(q.longestPlayRun), c.sitOutAndRun);
}

INSTANTIATE_TEST_SUITE_P(Courts, QualityRounds,
                         ::testing::Values(
                             // 8 rest while 4 play: nobody can avoid two rests in a row.
                             RoundCase{"OneCourt", 1, 0, 120, 40, "2/2 1/1"},
                             // Rounds (0,1), (2,0), (1,2): each four plays two rounds, rests one.
                             RoundCase{"TwoCourts", 2, 0, 60, 40, "1/1 2/2"},
                             // Everybody plays every round; no rest, so no limit on a run.
                             RoundCase{"ThreeCourts", 3, 0, 40, 40, "0/0 40/-"},
                             RoundCase{"TwoCourtsFromMatch61", 2, 60, 30, 20, "1/1 2/2"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ScheduleQuality, DistanceFromAnEvenShare) {
    const double mean = 240.0 / 36.0; // 6 or 7 each is as even as it gets
    EXPECT_EQ(distanceFromEven(6, mean), 0);
    EXPECT_EQ(distanceFromEven(7, mean), 0);
    EXPECT_EQ(distanceFromEven(9, mean), 2);
    EXPECT_EQ(distanceFromEven(5, mean), -1);
    EXPECT_EQ(distanceFromEven(7, 8.0), -1);
}

} // namespace
} // namespace pf

namespace pf {
namespace {

// A day re-planned at round 30 of one court: m1 leaves, m6 comes. Each is
// measured over the rounds they were there, and marked.
TEST(ScheduleQuality, AReplannedDayMeasuresEachOverTheirOwnRounds) {
    const std::vector<Name> morning = test::numberedNames(5);
    MemberRoster roster{};
    std::copy(morning.begin(), morning.end(), roster.begin());
    MatchTable table{};
    generateBalanced(morning, 1, 0, nullptr, {3, 20'000}, table);
    const std::vector<Name> afternoon{"m2", "m3", "m4", "m5", "m6"};
    const ReplanResult r = planReplan(roster, table, {31, afternoon, 1, 5, 20'000});
    ASSERT_TRUE(r.ok()) << r.error;
    const ScheduleQuality q = computeQuality(participantsOf(r.roster), r.matches, 1);

    ASSERT_EQ(q.members, 6);
    EXPECT_EQ(q.presentNow, 5);
    for (const MemberQuality& m : q.rows) {
        EXPECT_EQ(m.left, m.name == "m1") << m.name;
        EXPECT_EQ(m.joined, m.name == "m6") << m.name;
    }
    // Neither the leaver's afternoon nor the latecomer's morning is a rest.
    EXPECT_LE(q.longestSitOut.value, 2);
    EXPECT_LE(q.playSpread.value, 1);
}

} // namespace
} // namespace pf
