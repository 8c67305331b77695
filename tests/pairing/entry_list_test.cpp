#include "pairing/entry_list.h"
#include "pairing/random_source.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

std::vector<Name> names(int n, const std::string& prefix = "m") {
    std::vector<Name> out;
    for (int i = 1; i <= n; ++i)
        out.push_back(prefix + std::to_string(i));
    return out;
}

TEST(EntryList, FirstRegistrationNumbersInRosterOrderWithOwnTalliesSet) {
    EntryList list;
    const auto roster = names(8);
    list.RegisterRoster(&roster, 8, 2);
    ASSERT_EQ(list.size(), 8);
    for (int x = 1; x <= 8; ++x) {
        EXPECT_EQ(list.name(x), roster[static_cast<std::size_t>(x - 1)]);
        EXPECT_EQ(list.state(x), EntryList::Available);
        EXPECT_EQ(list.played(x), 0u);
        for (int y = 1; y <= 8; ++y) {
            const std::uint32_t own = x == y ? EntryList::OwnTally : 0u;
            EXPECT_EQ(list.partnered(x, y), own);
            EXPECT_EQ(list.opposed(x, y), own);
            EXPECT_EQ(list.lastPartnered(x, y), 0u);
            for (int z = 1; z <= 8; ++z)
                EXPECT_EQ(list.facedPair(x, y, z), z == x ? EntryList::OwnTally : 0u)
                    << x << ' ' << y << ' ' << z;
        }
    }
}

TEST(EntryList, ReRegistrationKeepsTalliesAndOnlyResetsStates) {
    EntryList list;
    const auto roster = names(8);
    list.RegisterRoster(&roster, 8, 1);
    list.MatchSerial = 5;
    list.MarkPlaced(3);
    list.AddPartner(3, 4);
    list.AddOpponent(1, 2);
    list.RegisterRoster(&roster, 8, 1);
    EXPECT_EQ(list.size(), 8);
    EXPECT_EQ(list.state(3), EntryList::Available);
    EXPECT_EQ(list.played(3), 1u);
    EXPECT_EQ(list.partnered(3, 4), 1u);
    EXPECT_EQ(list.lastPartnered(3, 4), 5u);
    EXPECT_EQ(list.partnered(4, 3), 0u); // one direction only
    EXPECT_EQ(list.opposed(1, 2), 1u);
}

TEST(EntryList, NamesMissingFromACallStayOutOfTheRoundAndNewOnesAreAppended) {
    EntryList list;
    const auto first = names(4);
    list.RegisterRoster(&first, 4, 1);
    list.AddOpponent(1, 2);
    std::vector<Name> second = {"m2", "m3", "m4", "new"};
    list.RegisterRoster(&second, 4, 1);
    ASSERT_EQ(list.size(), 5);
    EXPECT_EQ(list.state(1), EntryList::NotInRoster);
    EXPECT_EQ(list.opposed(1, 2), 1u);
    EXPECT_EQ(list.name(5), "new");
    EXPECT_EQ(list.state(5), EntryList::Available);
    // The newcomer's tallies line up with the earlier entries'.
    EXPECT_EQ(list.partnered(5, 5), EntryList::OwnTally);
    EXPECT_EQ(list.partnered(1, 5), 0u);
    EXPECT_EQ(list.facedPair(1, 5, 1), EntryList::OwnTally);
    EXPECT_EQ(list.facedPair(1, 1, 5), 0u);
    EXPECT_EQ(list.facedPair(5, 2, 5), EntryList::OwnTally);
    EXPECT_EQ(list.facedPair(2, 3, 5), 0u);
}

TEST(EntryList, ClearRestartsNumberingAndSerial) {
    EntryList list;
    const auto a = names(5, "a");
    list.RegisterRoster(&a, 5, 1);
    list.MatchSerial = 12;
    list.AddPartner(1, 2);
    list.Clear();
    EXPECT_EQ(list.size(), 0);
    EXPECT_EQ(list.MatchSerial, 0);
    const auto b = names(4, "b");
    list.RegisterRoster(&b, 4, 1);
    EXPECT_EQ(list.size(), 4);
    EXPECT_EQ(list.name(1), "b1");
    EXPECT_EQ(list.partnered(1, 2), 0u);
}

TEST(EntryList, PairFacedCountsBothOrdersAndPartnerStampsTheSerial) {
    EntryList list;
    const auto roster = names(6);
    list.RegisterRoster(&roster, 6, 1);
    list.AddPairFaced(2, 5, 1);
    EXPECT_EQ(list.facedPair(1, 2, 5), 1u);
    EXPECT_EQ(list.facedPair(1, 5, 2), 1u);
    EXPECT_EQ(list.facedPair(2, 1, 5), 0u);
    list.MatchSerial = 9;
    list.AddPartner(2, 3);
    list.AddPartner(2, 3);
    EXPECT_EQ(list.partnered(2, 3), 2u);
    EXPECT_EQ(list.lastPartnered(2, 3), 9u);
}

TEST(EntryList, RandomPickDrawsOnceEvenForOneCandidate) {
    EntryList list;
    processRandom().seed(0); // next draws: 346, 130
    const int only[] = {7};
    EXPECT_EQ(list.RandomPick(1, only), 7);
    const int three[] = {2, 4, 6};
    EXPECT_EQ(list.RandomPick(3, three), 4); // 130 % 3 == 1
}

TEST(EntryList, CopyNamesFillsTheFourPositions) {
    EntryList list;
    const auto roster = names(4);
    list.RegisterRoster(&roster, 4, 1);
    MatchRecord m;
    m.WinA = 3;
    list.CopyNames(4, 2, 1, 3, m);
    EXPECT_EQ(m.a, "m4");
    EXPECT_EQ(m.b, "m2");
    EXPECT_EQ(m.c, "m1");
    EXPECT_EQ(m.d, "m3");
    EXPECT_EQ(m.WinA, 3);
}

using EntryListDeathTest = ::testing::Test;

TEST_F(EntryListDeathTest, TooFewNamesEndsTheProcess) {
    const auto roster = names(7);
    EXPECT_EXIT(
        {
            EntryList list;
            list.RegisterRoster(&roster, 7, 2);
        },
        ::testing::ExitedWithCode(1), "^entry_size is illegal\n: ");
}

TEST_F(EntryListDeathTest, MissingListOrNameEndsTheProcess) {
    EXPECT_EXIT(
        {
            EntryList list;
            list.RegisterRoster(nullptr, 4, 1);
        },
        ::testing::ExitedWithCode(1), "^entry list is illegal\n: ");
    const auto three = names(3);
    EXPECT_EXIT(
        {
            EntryList list;
            list.RegisterRoster(&three, 4, 1);
        },
        ::testing::ExitedWithCode(1), "^entry list is illegal\n: ");
}

} // namespace
} // namespace pf

namespace pf {
namespace {

TEST(EntryList, TalliesForAHundredMembersStayUnderSixteenMegabytes) {
    EntryList list;
    std::vector<Name> roster;
    for (int i = 0; i < MaxMembers; ++i)
        roster.push_back("member" + std::to_string(i));
    list.RegisterRoster(&roster, MaxMembers, 3);
    EXPECT_LT(list.tallyBytes(), 16u * 1024 * 1024);
    EXPECT_EQ(list.facedPair(100, 99, 100), EntryList::OwnTally);
}

} // namespace
} // namespace pf
