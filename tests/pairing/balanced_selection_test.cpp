#include "pairing/balanced_selection.h"
#include "pairing/court_guess.h"
#include "pairing/generators.h"
#include "pairing/rotation_bounds.h"
#include "pairing/schedule_quality.h"
#include "support/match_helpers.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace pf {
namespace {

using test::numberedNames;

// The search itself, also for rosters that would be handed a stored day.
MatchTable balanced(int n, int courts, std::uint32_t seed) {
    MatchTable table{};
    generateBalanced(numberedNames(n), courts, 0, nullptr, {seed, 20'000, false}, table);
    return table;
}

// Per member, over the rounds from `firstRound`: matches played and the
// longest run of rounds out.
struct Turns {
    std::map<Name, int> plays;
    int longestOut = 0;
    std::set<Name> firstRoundOut;
};

Turns turnsOf(const MatchTable& t, const std::vector<Name>& members, int courts, int firstRound) {
    Turns turns;
    std::map<Name, int> out;
    for (int r = firstRound; r < MaxMatches / courts; ++r) {
        std::set<Name> on;
        for (int j = 0; j < courts; ++j) {
            const MatchRecord& m = t[static_cast<std::size_t>(r * courts + j)];
            for (const Name* x : {&m.a, &m.b, &m.c, &m.d}) {
                EXPECT_TRUE(on.insert(*x).second) << "twice in round " << r;
                ++turns.plays[*x];
            }
            EXPECT_EQ(m.WinA, 0);
            EXPECT_EQ(m.WinB, 0);
        }
        for (const Name& x : members) {
            out[x] = on.count(x) ? 0 : out[x] + 1;
            turns.longestOut = std::max(turns.longestOut, out[x]);
            if (r == firstRound && !on.count(x))
                turns.firstRoundOut.insert(x);
        }
    }
    return turns;
}

int spread(const std::map<Name, int>& plays, const std::vector<Name>& members) {
    int lo = MaxMatches, hi = 0;
    for (const Name& x : members) {
        const auto it = plays.find(x);
        const int p = it == plays.end() ? 0 : it->second;
        lo = std::min(lo, p);
        hi = std::max(hi, p);
    }
    return hi - lo;
}

struct Roster {
    int members;
    int courts;
};

class BalancedRoster : public ::testing::TestWithParam<Roster> {};

TEST_P(BalancedRoster, KeepsTheHardRulesAndFollowsItsSeed) {
    const auto [n, courts] = GetParam();
    const MatchTable t = balanced(n, courts, 7);
    const Turns turns = turnsOf(t, numberedNames(n), courts, 0);
    EXPECT_EQ(spread(turns.plays, numberedNames(n)), 480 % n == 0 ? 0 : 1);
    const int sitBound = sitOutBound(n, courts);
    EXPECT_LE(turns.longestOut, sitBound + 1);
    // Wherever the day stops, play counts differ by at most one.
    EXPECT_LE(computeQuality(numberedNames(n), t, courts).prefixPlaySpread.value, 1);
    EXPECT_EQ(balanced(n, courts, 7), t);
    EXPECT_NE(balanced(n, courts, 8), t);
}

INSTANTIATE_TEST_SUITE_P(Days, BalancedRoster,
                         ::testing::Values(Roster{4, 1}, Roster{5, 1}, Roster{8, 1}, Roster{9, 2},
                                           Roster{13, 3}, Roster{16, 2}, Roster{24, 3},
                                           Roster{30, 3}, Roster{36, 1}, Roster{100, 3},
                                           Roster{100, 1}),
                         [](const auto& info) {
                             return std::to_string(info.param.members) + "on" +
                                    std::to_string(info.param.courts);
                         });

// A day planned for fewer rounds than the table holds: those rounds are a
// whole balanced day, every slot after them stays empty.
struct Length {
    int members;
    int courts;
    int rounds;
};

class BalancedDayLength : public ::testing::TestWithParam<Length> {};

TEST_P(BalancedDayLength, PlansOnlyItsRounds) {
    const auto [n, courts, rounds] = GetParam();
    const auto members = numberedNames(n);
    MatchTable t{};
    t.fill(MatchRecord{"x", "y", "z", "w", 3, 4}); // what a day length must clear
    BalancedOptions options{5, 20'000};
    options.endMatch = rounds * courts;
    generateBalanced(members, courts, 0, nullptr, options, t);
    for (int k = rounds * courts; k < MaxMatches; ++k)
        ASSERT_EQ(t[static_cast<std::size_t>(k)], MatchRecord{}) << k;
    EXPECT_EQ(dayRoundsOf(t, courts), rounds);
    const ScheduleQuality q = computeQuality(members, t, courts);
    EXPECT_EQ(q.matches, rounds * courts);
    EXPECT_LE(q.playSpread.value, 1);
    EXPECT_LE(q.prefixPlaySpread.value, 1);
    EXPECT_LE(q.longestSitOut.value, *q.longestSitOut.bound + 1);
}

INSTANTIATE_TEST_SUITE_P(Days, BalancedDayLength,
                         ::testing::Values(Length{14, 3, 12}, Length{13, 1, 20}, Length{9, 2, 1}),
                         [](const auto& info) {
                             return std::to_string(info.param.members) + "on" +
                                    std::to_string(info.param.courts) + "for" +
                                    std::to_string(info.param.rounds);
                         });

struct Replan {
    int members;
    int courts;
    int firstRound;
};

class BalancedReplan : public ::testing::TestWithParam<Replan> {};

// Re-planning part way through a day: the kept matches stay, the rest is an
// even share within the limits on sitting out, and whoever has sat out as
// long as the rotation allows at the end of the kept part plays first. 36 on
// one court from round 25 has five due for four places: then whoever waited
// longest goes first, so that nobody waits past the limit.
TEST_P(BalancedReplan, FillsOnlyTheRestAndSeatsLongestSittersFirst) {
    const auto [n, courts, firstRound] = GetParam();
    const int firstMatch = firstRound * courts;
    const int sitBound = sitOutBound(n, courts);
    const auto members = numberedNames(n);
    const MatchTable day = balanced(n, courts, 3);
    BalancedHistory h;
    h.partner = PairMatrix(n);
    h.opponent = PairMatrix(n);
    h.sitOutRun.assign(n, 0);
    h.playRun.assign(n, 0);
    auto id = [&](const Name& x) { return std::stoi(x.substr(1)) - 1; };
    for (int i = 0; i < firstMatch; ++i) {
        const MatchRecord& m = day[static_cast<std::size_t>(i)];
        const int p[4] = {id(m.a), id(m.b), id(m.c), id(m.d)};
        h.partner.add(p[0], p[1]);
        h.partner.add(p[2], p[3]);
        for (int a : {p[0], p[1]})
            for (int c : {p[2], p[3]})
                h.opponent.add(a, c);
    }
    for (int r = 0; r < firstRound; ++r) {
        std::set<int> on;
        for (int j = 0; j < courts; ++j) {
            const MatchRecord& m = day[static_cast<std::size_t>(r * courts + j)];
            for (const Name* x : {&m.a, &m.b, &m.c, &m.d})
                on.insert(id(*x));
        }
        for (int x = 0; x < n; ++x) {
            auto& run = on.count(x) ? h.playRun : h.sitOutRun;
            auto& other = on.count(x) ? h.sitOutRun : h.playRun;
            ++run[static_cast<std::size_t>(x)];
            other[static_cast<std::size_t>(x)] = 0;
        }
    }
    MatchTable t = day;
    for (int i = firstMatch; i < MaxMatches; ++i)
        t[static_cast<std::size_t>(i)] = MatchRecord{"", "", "", "", 5, 5};
    generateBalanced(members, courts, firstMatch, &h, {11, 20'000}, t);
    for (int i = 0; i < firstMatch; ++i)
        ASSERT_EQ(t[static_cast<std::size_t>(i)], day[static_cast<std::size_t>(i)]);
    const Turns turns = turnsOf(t, members, courts, firstRound);
    EXPECT_LE(spread(turns.plays, members), 1);
    EXPECT_LE(computeQuality(members, t, courts, firstMatch).prefixPlaySpread.value, 1);
    EXPECT_LE(turns.longestOut, sitBound + 1);
    // Counting the wait the kept part ended on too.
    EXPECT_LE(computeQuality(members, t, courts).longestSitOut.value, sitBound + 1);
    const auto due = std::count_if(h.sitOutRun.begin(), h.sitOutRun.end(),
                                   [&](int run) { return run >= sitBound; });
    for (int x = 0; x < n && due <= 4 * courts; ++x) {
        if (h.sitOutRun[static_cast<std::size_t>(x)] >= sitBound) {
            EXPECT_FALSE(turns.firstRoundOut.count(members[static_cast<std::size_t>(x)])) << x;
        }
    }
}

// One court changes who sits out by exchanging whole stretches of rounds,
// which must respect what the kept part ended on.
INSTANTIATE_TEST_SUITE_P(Days, BalancedReplan,
                         ::testing::Values(Replan{10, 2, 20}, Replan{13, 1, 40}, Replan{36, 1, 27},
                                           Replan{36, 1, 25}),
                         [](const auto& info) {
                             return std::to_string(info.param.members) + "on" +
                                    std::to_string(info.param.courts) + "from" +
                                    std::to_string(info.param.firstRound);
                         });

struct Setting {
    std::int32_t stored;
    PairingMethod method;
};

class MethodSetting : public ::testing::TestWithParam<Setting> {};

TEST_P(MethodSetting, MapsTheStoredValue) {
    EXPECT_EQ(pairingMethodFromSetting(GetParam().stored), GetParam().method);
}

INSTANTIATE_TEST_SUITE_P(Values, MethodSetting,
                         ::testing::Values(Setting{0, PairingMethod::Random},
                                           Setting{1, PairingMethod::Sequential},
                                           Setting{2, PairingMethod::Balanced},
                                           Setting{7, PairingMethod::Sequential},
                                           Setting{-2, PairingMethod::Sequential}),
                         [](const auto& info) {
                             const int v = info.param.stored;
                             return v < 0 ? "minus" + std::to_string(-v) : std::to_string(v);
                         });

} // namespace
} // namespace pf
