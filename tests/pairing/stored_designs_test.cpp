#include "pairing/balanced_selection.h"
#include "pairing/schedule_quality.h"
#include "pairing/stored_designs.h"
#include "support/match_helpers.h"

#include <cstring>
#include <gtest/gtest.h>
#include <set>

namespace pf {
namespace {

// The hard rules of a balanced day, and both pair spreads at their bounds.
// Play runs may be longer than the search allows itself: sixteen members on
// three courts meet evenly only when each round's three matches come from one
// set of four disjoint groups, and the change from one set to the next keeps
// some members on court for six rounds.
void expectEvenDay(const std::vector<Name>& members, const MatchTable& t, int courts) {
    for (int r = 0; r < MaxMatches / courts; ++r) {
        std::set<Name> on;
        for (int j = 0; j < courts; ++j) {
            const MatchRecord& m = t[static_cast<std::size_t>(r * courts + j)];
            for (const Name* x : {&m.a, &m.b, &m.c, &m.d})
                EXPECT_TRUE(on.insert(*x).second) << *x << " twice in round " << r;
        }
    }
    const ScheduleQuality q = computeQuality(members, t, courts);
    EXPECT_EQ(q.matches, MaxMatches);
    EXPECT_LE(q.playSpread.value, *q.playSpread.bound);
    EXPECT_LE(q.longestSitOut.value, *q.longestSitOut.bound + 1);
    if (q.longestPlayRun.bound) { // none when everybody plays every round
        EXPECT_LE(q.longestPlayRun.value, *q.longestPlayRun.bound + 3);
    }
    EXPECT_LE(q.partnerSpread.value, *q.partnerSpread.bound);
    EXPECT_LE(q.opponentSpread.value, *q.opponentSpread.bound);
}

class StoredDay : public ::testing::TestWithParam<StoredDesign> {};

TEST_P(StoredDay, IsAnEvenDay) {
    const StoredDesign& d = GetParam();
    ASSERT_EQ(std::strlen(d.matches), 4u * MaxMatches);
    std::vector<Name> members;
    for (int i = 0; i < d.members; ++i)
        members.push_back(std::to_string(i));
    MatchTable t{};
    for (std::size_t k = 0; k < t.size(); ++k) {
        auto name = [&](std::size_t i) {
            const int m = storedMemberIndex(d.matches[4 * k + i]);
            EXPECT_TRUE(m >= 0 && m < d.members) << "match " << k;
            return m >= 0 && m < d.members ? members[static_cast<std::size_t>(m)] : Name{};
        };
        t[k] = MatchRecord{name(0), name(1), name(2), name(3), 0, 0};
    }
    expectEvenDay(members, t, d.courts);
}

INSTANTIATE_TEST_SUITE_P(Days, StoredDay,
                         ::testing::ValuesIn(storedDesigns().begin(), storedDesigns().end()),
                         [](const auto& info) {
                             return std::to_string(info.param.members) + "on" +
                                    std::to_string(info.param.courts);
                         });

// Whether the stored day keeps play counts within one at every round
// boundary, run forwards or backwards.
bool evenWhereverItStops(const StoredDesign& d) {
    std::vector<Name> members;
    for (int i = 0; i < d.members; ++i)
        members.push_back(std::string(1, storedMemberChar(i)));
    MatchTable forwards{};
    MatchTable backwards{};
    const int rounds = MaxMatches / d.courts;
    for (int k = 0; k < MaxMatches; ++k) {
        auto name = [&](int i) { return std::string(1, d.matches[4 * k + i]); };
        const MatchRecord m{name(0), name(1), name(2), name(3), 0, 0};
        forwards[static_cast<std::size_t>(k)] = m;
        backwards[static_cast<std::size_t>((rounds - 1 - k / d.courts) * d.courts + k % d.courts)] =
            m;
    }
    return computeQuality(members, forwards, d.courts).prefixPlaySpread.value <= 1 ||
           computeQuality(members, backwards, d.courts).prefixPlaySpread.value <= 1;
}

// The balanced method hands a stored day out under new names, in an order
// its seed chooses, and keeps it even. A stored day that is uneven at some
// round boundary both ways is not handed out: the search plans that roster.
TEST(StoredDayHandedOut, FollowsItsSeedAndStaysEven) {
    for (const StoredDesign& d : storedDesigns()) {
        SCOPED_TRACE(std::to_string(d.members) + " on " + std::to_string(d.courts));
        const auto members = test::numberedNames(d.members);
        MatchTable first{}, again{}, other{};
        generateBalanced(members, d.courts, 0, nullptr, {5, 20'000}, first);
        generateBalanced(members, d.courts, 0, nullptr, {5, 20'000}, again);
        generateBalanced(members, d.courts, 0, nullptr, {6, 20'000}, other);
        EXPECT_EQ(first, again);
        EXPECT_NE(first, other);
        EXPECT_LE(computeQuality(members, first, d.courts).prefixPlaySpread.value, 1);
        if (evenWhereverItStops(d))
            expectEvenDay(members, first, d.courts);
    }
}

// The days kept for a club that may stop anywhere: handed out under any
// seed, no pair meets more than once above an even share at any round
// boundary, which they keep only when run forwards.
TEST(StoredDayHandedOut, DaysKeptEvenWhereTheyStopStaySo) {
    for (const auto& [members, courts] :
         {std::pair{6, 1}, {8, 1}, {12, 3}, {13, 3}, {16, 2}, {16, 3}}) {
        for (std::uint32_t seed = 1; seed <= 16; ++seed) {
            SCOPED_TRACE(std::to_string(members) + " on " + std::to_string(courts) + ", seed " +
                         std::to_string(seed));
            const auto names = test::numberedNames(members);
            MatchTable t{};
            generateBalanced(names, courts, 0, nullptr, {seed, 20'000}, t);
            const ScheduleQuality q = computeQuality(names, t, courts);
            EXPECT_LE(q.prefixPartnerExcess.value, 1);
            EXPECT_LE(q.prefixOpponentExcess.value, 1);
            EXPECT_LE(q.partnerSpread.value, *q.partnerSpread.bound);
            EXPECT_LE(q.opponentSpread.value, *q.opponentSpread.bound);
        }
    }
}

} // namespace
} // namespace pf
