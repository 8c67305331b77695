// How far apart the rules force a cell's counts, on small hand-worked cells.

#include "pairing/least_spread.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

struct SpreadCase {
    const char* name;
    std::vector<std::pair<int, int>> pairs;
    std::vector<int> totals;
    int from;
    int below;
    int expected;
};

class LeastForcedSpread : public ::testing::TestWithParam<SpreadCase> {};

TEST_P(LeastForcedSpread, IsTheLeastAnyCountsCouldHave) {
    const SpreadCase& c = GetParam();
    EXPECT_EQ(leastForcedSpread(c.pairs, c.totals, c.from, c.below), c.expected);
}

// Four men facing one man a match, 30 matches each; 1 and 3 kept apart.
// Their totals leave 0–2 no count at all: 1 and 3 take all of 0's and 2's.
const std::vector<std::pair<int, int>> KeptApartFour = {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {2, 3}};

INSTANTIATE_TEST_SUITE_P(
    Cells, LeastForcedSpread,
    ::testing::Values(
        SpreadCase{"KeptApartFour", KeptApartFour, {30, 30, 30, 30}, 0, 40, 15},
        SpreadCase{"NothingSmallerThanTheDayHas", KeptApartFour, {30, 30, 30, 30}, 0, 15, 15},
        SpreadCase{"FourAllMeetingTenEach",
                   {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}},
                   {30, 30, 30, 30},
                   0,
                   40,
                   0},
        // 1 meets 0 and 2 alike; 2 has nobody else, so 0–1 takes 0's 10.
        SpreadCase{"APath", {{0, 1}, {1, 2}}, {10, 20, 10}, 0, 40, 0},
        SpreadCase{"APathOneEndEmpty", {{0, 1}, {1, 2}}, {10, 10, 0}, 0, 40, 10},
        // 1.5 each is no count: 1, 1 and 2.
        SpreadCase{"ATriangleOfOdd", {{0, 1}, {1, 2}, {0, 2}}, {3, 3, 3}, 0, 40, 1},
        SpreadCase{"StartsAtFrom",
                   {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}},
                   {30, 30, 30, 30},
                   2,
                   40,
                   2}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pf
