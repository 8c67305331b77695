#include "pairing/kept_apart_day.h"

#include "pairing/pair_matrix.h"

#include <algorithm>
#include <array>
#include <climits>
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
    auto shuffle = [&below](auto& items) {
        for (std::size_t i = items.size() - 1; i > 0; --i)
            std::swap(items[i],
                      items[static_cast<std::size_t>(below(static_cast<std::uint32_t>(i + 1)))]);
    };
    std::array<int, 6> others{};
    for (int i = 0, k = 0; i < Members; ++i)
        if (i != a && i != b)
            others[static_cast<std::size_t>(k++)] = i;
    shuffle(others);
    if (below(2) != 0)
        std::swap(a, b);
    // The ten splits of the six into two threes, by the three holding the
    // first of them.
    std::array<std::array<int, 3>, 10> threes{};
    for (int j = 1, k = 0; j < 6; ++j)
        for (int l = j + 1; l < 6; ++l)
            threes[static_cast<std::size_t>(k++)] = {0, j, l};
    shuffle(threes);

    // Each round as two fours of members, the one kept apart and the centre
    // on one side.
    using Four = std::array<int, 4>;
    auto fourOf = [&](int apart, const std::array<int, 3>& three, int centre) {
        auto other = [&](int k) {
            return others[static_cast<std::size_t>(three[static_cast<std::size_t>(k % 3)])];
        };
        return Four{apart, other(centre), other(centre + 1), other(centre + 2)};
    };
    std::vector<std::array<Four, 2>> rounds;
    for (int use = 0; use < 3; ++use)
        for (const std::array<int, 3>& first : threes) {
            std::array<int, 3> rest{};
            for (int x = 0, k = 0; x < 6; ++x)
                if (x != first[0] && x != first[1] && x != first[2])
                    rest[static_cast<std::size_t>(k++)] = x;
            rounds.push_back({fourOf(a, first, use), fourOf(b, rest, use)});
            rounds.push_back({fourOf(a, rest, use), fourOf(b, first, use)});
        }

    // The day may stop at any round: each round is the one that brings no
    // pair further above an even share of the meetings so far than it must,
    // partners first. Taken from a few shuffled orders, the one whose worst
    // pair stays nearest its share is kept.
    using Day = std::vector<std::array<Four, 2>>;
    constexpr int Pairs = Members * (Members - 1) / 2;
    auto meetings = [](const Four& f, auto&& each) {
        each(f[0], f[1], true);
        each(f[2], f[3], true);
        for (int i = 0; i < 2; ++i)
            for (int j = 2; j < 4; ++j)
                each(f[static_cast<std::size_t>(i)], f[static_cast<std::size_t>(j)], false);
    };
    auto order = [&](Day& day) {
        PairMatrix partners(Members);
        PairMatrix opponents(Members);
        std::pair<int, int> worst{INT_MIN, INT_MIN};
        for (int r = 0; r < static_cast<int>(day.size()); ++r) {
            const int partnerShare = (4 * (r + 1) + Pairs - 1) / Pairs;
            const int opponentShare = (8 * (r + 1) + Pairs - 1) / Pairs;
            int best = r;
            std::pair<int, int> bestExcess{INT_MAX, INT_MAX};
            for (int c = r; c < static_cast<int>(day.size()); ++c) {
                std::pair<int, int> excess{INT_MIN, INT_MIN};
                for (const Four& f : day[static_cast<std::size_t>(c)])
                    meetings(f, [&](int x, int y, bool partner) {
                        int& e = partner ? excess.first : excess.second;
                        e = std::max(e, (partner ? partners : opponents).at(x, y) + 1 -
                                            (partner ? partnerShare : opponentShare));
                    });
                if (excess < bestExcess) {
                    bestExcess = excess;
                    best = c;
                }
            }
            std::swap(day[static_cast<std::size_t>(r)], day[static_cast<std::size_t>(best)]);
            for (const Four& f : day[static_cast<std::size_t>(r)])
                meetings(f, [&](int x, int y, bool partner) {
                    (partner ? partners : opponents).add(x, y);
                });
            worst = {std::max(worst.first, bestExcess.first),
                     std::max(worst.second, bestExcess.second)};
        }
        return worst;
    };
    Day best;
    std::pair<int, int> bestWorst{INT_MAX, INT_MAX};
    for (int attempt = 0; attempt < 8; ++attempt) {
        Day day = rounds;
        shuffle(day);
        if (const std::pair<int, int> worst = order(day); worst < bestWorst) {
            bestWorst = worst;
            best = std::move(day);
        }
    }

    auto name = [&](int member) { return participants[static_cast<std::size_t>(member)]; };
    for (int r = 0; r < static_cast<int>(best.size()); ++r) {
        std::array<MatchRecord, 2> matches{};
        for (int side = 0; side < 2; ++side) {
            const Four& f = best[static_cast<std::size_t>(r)][static_cast<std::size_t>(side)];
            matches[static_cast<std::size_t>(side)] =
                MatchRecord{name(f[0]), name(f[1]), name(f[2]), name(f[3]), 0, 0};
        }
        // On one court the first of the two keeps the odd matches and the
        // second the even ones, so neither sits out two running.
        const bool swapCourts = courts == 2 && below(2) != 0;
        table[static_cast<std::size_t>(2 * r)] = matches[swapCourts ? 1 : 0];
        table[static_cast<std::size_t>(2 * r + 1)] = matches[swapCourts ? 0 : 1];
    }
    return true;
}

} // namespace pf
