#include "pairing/kept_apart_day.h"

#include <array>
#include <random>
#include <utility>

namespace pf {

bool makeKeptApartEight(const std::vector<Name>& participants, int courts, const DayFacts& facts,
                        const DayRules& rules, std::uint32_t seed, MatchTable& table) {
    constexpr int Members = 8;
    if (participants.size() != Members || facts.size() != Members || courts < 1 || courts > 2 ||
        bindingRules(facts, rules) != DayRules{.keptApart = true})
        return false;
    int a = -1;
    int b = -1;
    int apartPairs = 0;
    for (int i = 0; i < Members; ++i)
        for (const int j : facts.keptApart[static_cast<std::size_t>(i)])
            if (j > i && j < Members) {
                ++apartPairs;
                a = i;
                b = j;
            }
    if (apartPairs != 1)
        return false;

    std::mt19937 rng(seed);
    auto below = [&rng](std::uint32_t k) {
        return static_cast<int>((static_cast<std::uint64_t>(rng()) * k) >> 32);
    };
    std::array<int, 6> others{};
    for (int i = 0, k = 0; i < Members; ++i)
        if (i != a && i != b)
            others[static_cast<std::size_t>(k++)] = i;
    for (int i = 5; i > 0; --i)
        std::swap(others[static_cast<std::size_t>(i)],
                  others[static_cast<std::size_t>(below(static_cast<std::uint32_t>(i + 1)))]);
    if (below(2) != 0)
        std::swap(a, b);
    // The ten splits of the six into two threes, by the three holding the
    // first of them.
    std::array<std::array<int, 3>, 10> threes{};
    for (int j = 1, k = 0; j < 6; ++j)
        for (int l = j + 1; l < 6; ++l)
            threes[static_cast<std::size_t>(k++)] = {0, j, l};
    for (int i = 9; i > 0; --i)
        std::swap(threes[static_cast<std::size_t>(i)],
                  threes[static_cast<std::size_t>(below(static_cast<std::uint32_t>(i + 1)))]);

    auto name = [&](int member) { return participants[static_cast<std::size_t>(member)]; };
    // `apart` with the centre of `three`, against the other two.
    auto matchOf = [&](int apart, const std::array<int, 3>& three, int centre) {
        auto other = [&](int k) {
            return name(others[static_cast<std::size_t>(three[static_cast<std::size_t>(k % 3)])]);
        };
        return MatchRecord{name(apart), other(centre), other(centre + 1), other(centre + 2), 0, 0};
    };
    int round = 0;
    for (int pass = 0; pass < 3; ++pass) {
        for (const std::array<int, 3>& first : threes) {
            std::array<int, 3> rest{};
            for (int x = 0, k = 0; x < 6; ++x)
                if (x != first[1] && x != first[2] && x != first[0])
                    rest[static_cast<std::size_t>(k++)] = x;
            for (int side = 0; side < 2; ++side) {
                const MatchRecord withA = matchOf(a, side == 0 ? first : rest, pass);
                const MatchRecord withB = matchOf(b, side == 0 ? rest : first, pass);
                // On one court the first of the two keeps the odd matches and
                // the second the even ones, so neither sits out two running.
                const bool swapCourts = courts == 2 && below(2) != 0;
                table[static_cast<std::size_t>(2 * round)] = swapCourts ? withB : withA;
                table[static_cast<std::size_t>(2 * round + 1)] = swapCourts ? withA : withB;
                ++round;
            }
        }
    }
    return true;
}

} // namespace pf
