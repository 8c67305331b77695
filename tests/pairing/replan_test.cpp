#include "pairing/replan.h"
#include "support/core_steps.h"
#include "support/match_helpers.h"

#include "model/texts.h"
#include "pairing/balanced_selection.h"
#include "pairing/rotation_bounds.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace pf {
namespace {

using test::numberedNames;

// A whole day for `members`, with results typed into the first `scored`
// matches.
Session dayOf(const std::vector<Name>& members, int courts, int scored) {
    Session s;
    std::copy(members.begin(), members.end(), s.Roster.begin());
    s.CourtCount = courts;
    s.PairingOpen = true;
    generateBalanced(members, courts, 0, nullptr, {7, 20'000}, s.Matches);
    for (int i = 0; i < scored; ++i) {
        s.Matches[static_cast<std::size_t>(i)].WinA = i % 7;
        s.Matches[static_cast<std::size_t>(i)].WinB = 6 - i % 3;
    }
    return s;
}

struct ChangeCase {
    const char* name;
    int courts;
    int members;
    int firstMatch;
    int leavers;    // the first ones of the roster
    int latecomers; // new names
};

class ReplanChange : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(ReplanChange, KeepsThePlayedPartAndSharesTheRestEvenly) {
    const ChangeCase& c = GetParam();
    const std::vector<Name> day = numberedNames(c.members, "m");
    const Session before = dayOf(day, c.courts, c.firstMatch - 1);
    std::vector<Name> present(day.begin() + c.leavers, day.end());
    const std::vector<Name> late = numberedNames(c.latecomers, "late");
    present.insert(present.end(), late.begin(), late.end());

    const ReplanResult r =
        planReplan(before.Roster, before.Matches, {c.firstMatch, present, c.courts, 3, 20'000});
    ASSERT_TRUE(r.ok()) << r.error;

    for (int s = 0; s < c.firstMatch - 1; ++s)
        EXPECT_EQ(r.matches[static_cast<std::size_t>(s)],
                  before.Matches[static_cast<std::size_t>(s)])
            << "kept match " << s + 1;

    // Everybody of the day played before K, so the roster is the old one
    // (leavers included) followed by the latecomers.
    std::vector<Name> roster = day;
    roster.insert(roster.end(), late.begin(), late.end());
    EXPECT_EQ(participantsOf(r.roster), roster);

    const std::set<Name> allowed(present.begin(), present.end());
    std::map<Name, int> plays, out;
    int longestOut = 0;
    for (int round = (c.firstMatch - 1) / c.courts; round < MaxMatches / c.courts; ++round) {
        std::set<Name> on;
        for (int j = 0; j < c.courts; ++j) {
            const MatchRecord& m = r.matches[static_cast<std::size_t>(round * c.courts + j)];
            EXPECT_FALSE(m.hasScore());
            for (const Name* x : {&m.a, &m.b, &m.c, &m.d}) {
                EXPECT_TRUE(allowed.count(*x)) << *x << " is not present";
                EXPECT_TRUE(on.insert(*x).second) << *x << " twice in round " << round;
                ++plays[*x];
            }
        }
        for (const Name& x : present) {
            out[x] = on.count(x) ? 0 : out[x] + 1;
            longestOut = std::max(longestOut, out[x]);
        }
    }
    // Those present all day end the day even, counting the kept part too; a
    // latecomer plays at their rate from K on (what evens the others out may
    // give one of them a match more or less than that).
    std::map<Name, int> dayPlays;
    for (int s = 0; s < MaxMatches; ++s) {
        const MatchRecord& m = r.matches[static_cast<std::size_t>(s)];
        for (const Name* x : {&m.a, &m.b, &m.c, &m.d})
            ++dayPlays[*x];
    }
    int lo = MaxMatches, hi = 0, newLo = MaxMatches, newHi = 0;
    for (auto x = day.begin() + c.leavers; x != day.end(); ++x) {
        lo = std::min(lo, dayPlays[*x]);
        hi = std::max(hi, dayPlays[*x]);
        newLo = std::min(newLo, plays[*x]);
        newHi = std::max(newHi, plays[*x]);
    }
    EXPECT_LE(hi - lo, 1) << "whole-day spread of those present all day";
    for (const Name& x : late) {
        EXPECT_GE(plays[x], newLo - 1) << x;
        EXPECT_LE(plays[x], newHi + 1) << x;
    }
    const int sitBound = sitOutBound(static_cast<int>(present.size()), c.courts);
    EXPECT_LE(longestOut, sitBound + 1);
}

INSTANTIATE_TEST_SUITE_P(Days, ReplanChange,
                         ::testing::Values(ChangeCase{"TwoLateAtRoundFive", 2, 10, 9, 0, 2},
                                           ChangeCase{"ThreeLeaveAtMidday", 3, 18, 61, 3, 0},
                                           ChangeCase{"OneInOneOut", 1, 6, 10, 1, 1},
                                           ChangeCase{"EightGrowToTwenty", 2, 8, 21, 0, 12},
                                           ChangeCase{"FromTheFirstMatch", 1, 5, 1, 0, 3},
                                           ChangeCase{"FourteenOnThreeAtNineteen", 3, 14, 19, 1, 2},
                                           ChangeCase{"ElevenOnTwoAtThirtyOne", 2, 11, 31, 0, 1},
                                           ChangeCase{"SevenOnOneAtFifty", 1, 7, 50, 1, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    int firstMatch;
    int courts;
    std::vector<Name> present;
    std::string message;
};

class ReplanRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ReplanRefusal, TellsWhyAndChangesNothing) {
    const RefusalCase& c = GetParam();
    // 60 members who all played in the first 20 rounds of three courts.
    Session session = dayOf(numberedNames(60, "m"), 3, 61);
    session.PageTop = 12;
    const Session before = session;
    const ReplanResult r = replanPairing(session, {c.firstMatch, c.present, c.courts, 1, 1'000});
    EXPECT_EQ(r.error, c.message);
    EXPECT_EQ(session.Roster, before.Roster);
    EXPECT_EQ(session.Matches, before.Matches);
    EXPECT_EQ(session.CourtCount, before.CourtCount);
    EXPECT_EQ(session.PageTop, before.PageTop);
    EXPECT_FALSE(session.Modified);
}

std::vector<Name> with(std::vector<Name> list, const Name& extra) {
    list.push_back(extra);
    return list;
}

INSTANTIATE_TEST_SUITE_P(
    Requests, ReplanRefusal,
    ::testing::Values(
        RefusalCase{"BeforeTheTable", 0, 3, numberedNames(12, "m"), MsgReplanStart},
        RefusalCase{"AfterTheTable", 121, 3, numberedNames(12, "m"), MsgReplanStart},
        RefusalCase{"InsideARound", 62, 3, numberedNames(12, "m"), MsgReplanStart},
        RefusalCase{"Duplicate", 61, 3, with(numberedNames(12, "m"), "m3"), MsgDuplicateMember},
        RefusalCase{"TooFewForTheCourts", 61, 3, numberedNames(11, "m"), MsgTooFewMembers},
        RefusalCase{"CommaInAName", 61, 3, with(numberedNames(12, "m"), "a,b"),
                    "メンバー名「a,b」に半角カンマ(,)は使用出来ません。"},
        RefusalCase{"RosterOverAHundred", 61, 3, numberedNames(41, "late"),
                    MsgReplanTooManyMembers}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReplanRoster, KeepsWhoPlayedThenNamesOnlyInTheTableThenNewcomers) {
    MemberRoster roster{};
    const std::vector<Name> rows{"h", "a", "b", "c", "idle", "d", "e", "f", "g"};
    std::copy(rows.begin(), rows.end(), roster.begin());
    MatchTable table{};
    table[0] = {"a", "b", "c", "d", 6, 4};
    table[1] = {"e", "x", "g", "h", 2, 6};
    table[2] = {"f", "a", "idle", "b", 0, 0};
    EXPECT_EQ(replanRoster(roster, table, 3, {"new", "b", "idle", "c", "z"}),
              (std::vector<Name>{"h", "a", "b", "c", "d", "e", "g", "x", "new", "idle", "z"}));
}

struct StartCase {
    const char* name;
    int courts;
    int lastScored; // 1-based; 0 = none
    int expected;
};

class ReplanStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(ReplanStart, IsTheRoundAfterTheLastResult) {
    const StartCase& c = GetParam();
    MatchTable table{};
    if (c.lastScored > 0)
        table[static_cast<std::size_t>(c.lastScored - 1)].WinB = 1;
    EXPECT_EQ(firstUnplayedMatch(table, c.courts), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Tables, ReplanStart,
                         ::testing::Values(StartCase{"NothingPlayed", 2, 0, 1},
                                           StartCase{"OneCourt", 1, 7, 8},
                                           StartCase{"FirstOfARound", 2, 7, 9},
                                           StartCase{"LastOfARound", 3, 9, 10},
                                           StartCase{"LastRound", 3, 119, 121}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pf
