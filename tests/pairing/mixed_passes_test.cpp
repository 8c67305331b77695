// Mixed days from the genders' round robins: what every such day keeps by
// construction, on rosters of each kind it is built for and the ones it
// declines.

#include "pairing/mixed_passes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>

namespace pf {
namespace {

struct PassCase {
    const char* name;
    int men;
    int women;
    int courts;
    // Largest spread of same-gender opponent counts, men and women.
    int menSpread;
    int womenSpread;
    // Every man shares a court with every woman equally often, partners
    // in half of those matches (within one).
    bool acrossExact = false;
};

class MixedPasses : public ::testing::TestWithParam<PassCase> {};

TEST_P(MixedPasses, KeepsTheRotationAndEvensEachGender) {
    const PassCase& c = GetParam();
    const int n = c.men + c.women;
    std::vector<int> men;
    std::vector<int> women;
    for (int i = 0; i < n; ++i) // women at every third place, as a roster might have them
        ((i % 3 == 1 && static_cast<int>(women.size()) < c.women) ||
                 static_cast<int>(men.size()) == c.men
             ? women
             : men)
            .push_back(i);
    const int rounds = 120 / c.courts;
    const std::vector<int> seats = mixedPassSeats(men, women, c.courts, rounds, 7);
    ASSERT_EQ(seats.size(), static_cast<std::size_t>(rounds * 4 * c.courts));
    std::vector<bool> isMan(static_cast<std::size_t>(n), false);
    for (int x : men)
        isMan[static_cast<std::size_t>(x)] = true;
    std::vector<int> plays(static_cast<std::size_t>(n), 0);
    std::vector<int> last(static_cast<std::size_t>(n), -1);
    std::map<std::pair<int, int>, int> faced;   // same gender
    std::map<std::pair<int, int>, int> partner; // man, woman
    std::map<std::pair<int, int>, int> across;  // man, woman: faced
    for (int r = 0; r < rounds; ++r) {
        std::vector<int> in;
        for (int j = 0; j < c.courts; ++j) {
            const int* s = &seats[static_cast<std::size_t>(r * 4 * c.courts + 4 * j)];
            for (int k = 0; k < 4; ++k)
                ASSERT_EQ(isMan[static_cast<std::size_t>(s[k])], k % 2 == 0) << "round " << r;
            ++faced[std::minmax(s[0], s[2])];
            ++faced[std::minmax(s[1], s[3])];
            ++partner[{s[0], s[1]}];
            ++partner[{s[2], s[3]}];
            ++across[{s[0], s[3]}];
            ++across[{s[2], s[1]}];
            in.insert(in.end(), s, s + 4);
        }
        std::sort(in.begin(), in.end());
        ASSERT_EQ(std::adjacent_find(in.begin(), in.end()), in.end()) << "round " << r;
        for (int x : in) {
            const int limit =
                ((isMan[static_cast<std::size_t>(x)] ? c.men : c.women) + 2 * c.courts - 1) /
                (2 * c.courts);
            EXPECT_LE(r - last[static_cast<std::size_t>(x)] - 1, limit) << x << " in round " << r;
            last[static_cast<std::size_t>(x)] = r;
            ++plays[static_cast<std::size_t>(x)];
        }
        for (const auto* group : {&men, &women}) {
            const auto [lo, hi] =
                std::minmax_element(group->begin(), group->end(), [&](int a, int b) {
                    return plays[static_cast<std::size_t>(a)] < plays[static_cast<std::size_t>(b)];
                });
            ASSERT_LE(plays[static_cast<std::size_t>(*hi)] - plays[static_cast<std::size_t>(*lo)],
                      1)
                << "after round " << r;
        }
    }
    const auto spread = [&](const std::vector<int>& group) {
        int lo = 1 << 20;
        int hi = 0;
        for (std::size_t a = 0; a < group.size(); ++a)
            for (std::size_t b = a + 1; b < group.size(); ++b) {
                const int k = faced[std::minmax(group[a], group[b])];
                lo = std::min(lo, k);
                hi = std::max(hi, k);
            }
        return hi - lo;
    };
    EXPECT_EQ(spread(men), c.menSpread);
    EXPECT_EQ(spread(women), c.womenSpread);
    if (c.acrossExact) {
        const auto met = [&](int m, int w) {
            return partner[std::pair(m, w)] + across[std::pair(m, w)];
        };
        for (int m : men)
            for (int w : women) {
                EXPECT_EQ(met(m, w), met(men[0], women[0])) << m << " and " << w;
                EXPECT_LE(std::abs(partner[std::pair(m, w)] - across[std::pair(m, w)]), 1)
                    << m << " and " << w;
            }
    }
}

INSTANTIATE_TEST_SUITE_P(Rosters, MixedPasses,
                         ::testing::Values(
                             // Sixteen women on one court face each other exactly once; the
                             // twenty-four men at most once.
                             PassCase{"TwentyFourAndSixteenOn1", 24, 16, 1, 1, 0},
                             PassCase{"SixAndSixOn1", 6, 6, 1, 0, 0},
                             // Ten men, six a round: passes end within rounds.
                             PassCase{"TenAndSixOn3", 10, 6, 3, 1, 0},
                             PassCase{"TwentyFourAndSixteenOn3", 24, 16, 3, 1, 0},
                             // Four of a gender on two courts: everyone meets each of the four
                             // alike; the others' passes twice each leave their match-ups two
                             // apart at most.
                             PassCase{"TwelveMenFourWomenOn2", 12, 4, 2, 2, 0, true},
                             PassCase{"FourMenEightWomenOn2", 4, 8, 2, 0, 2, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MixedPasses, DeclinesOddOrTooFew) {
    const std::vector<int> five = {0, 1, 2, 3, 4};
    const std::vector<int> six = {5, 6, 7, 8, 9, 10};
    EXPECT_TRUE(mixedPassSeats(five, six, 1, 120, 1).empty());
    EXPECT_TRUE(mixedPassSeats(six, {0, 1}, 2, 60, 1).empty());
}

} // namespace
} // namespace pf
