#include "pairing/mixed_passes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <random>

namespace pf {
namespace {

// The pairs of `group`, `perRound` to a round, pass after pass: pass p is the
// circle method's round p (or −p), its pair at distance j from the centre
// seated j/perRound rounds into the pass. From one pass to the next every
// member's distance changes by at most one, so nobody moves more than a round
// later in the pass. With `repeat` 2 each pass comes twice in a row.
std::vector<std::array<int, 2>> passPairs(std::vector<int> group, int perRound, int rounds,
                                          std::mt19937& rng, int repeat = 1) {
    std::shuffle(group.begin(), group.end(), rng);
    const int n = static_cast<int>(group.size());
    const int ring = n - 1; // group[n − 1] is the centre
    const int step = rng() % 2 == 0 ? 1 : ring - 1;
    const auto at = [&](int k) {
        return group[static_cast<std::size_t>(((k % ring) + ring) % ring)];
    };
    std::vector<std::array<int, 2>> pairs;
    pairs.reserve(static_cast<std::size_t>(rounds * perRound));
    for (int pass = 0; static_cast<int>(pairs.size()) < rounds * perRound; ++pass) {
        const int i = pass / repeat * step;
        pairs.push_back({group[static_cast<std::size_t>(ring)], at(i)});
        for (int j = 1; j < n / 2; ++j)
            pairs.push_back({at(i - j), at(i + j)});
    }
    pairs.resize(static_cast<std::size_t>(rounds * perRound));
    return pairs;
}

// Each man and woman who share a court should be partners in as many of those
// matches as they face each other: a short anneal lets each match's two women
// change sides where that brings the two counts nearer, and keeps the best
// seen. `seats` as returned by mixedPassSeats.
void balanceSides(std::vector<int>& seats, int members, std::mt19937& rng) {
    const auto n = static_cast<std::size_t>(members);
    std::vector<int> lean(n * n, 0); // partners minus opponents, by man·n + woman
    const auto add = [&](const int* s, int sign) {
        lean[static_cast<std::size_t>(s[0]) * n + static_cast<std::size_t>(s[1])] += sign;
        lean[static_cast<std::size_t>(s[2]) * n + static_cast<std::size_t>(s[3])] += sign;
        lean[static_cast<std::size_t>(s[0]) * n + static_cast<std::size_t>(s[3])] -= sign;
        lean[static_cast<std::size_t>(s[2]) * n + static_cast<std::size_t>(s[1])] -= sign;
    };
    const std::size_t matches = seats.size() / 4;
    for (std::size_t k = 0; k < matches; ++k)
        add(&seats[4 * k], 1);
    const auto cost = [&](const int* s) {
        std::int64_t c = 0;
        for (const auto& [a, b] : {std::pair{0, 1}, {2, 3}, {0, 3}, {2, 1}}) {
            const std::int64_t v =
                lean[static_cast<std::size_t>(s[a]) * n + static_cast<std::size_t>(s[b])];
            c += v * v;
        }
        return c;
    };
    // The search that follows mends what is left.
    std::int64_t total = 0;
    for (std::size_t k = 0; k < matches; ++k)
        total += cost(&seats[4 * k]);
    std::int64_t best = total;
    std::vector<int> kept = seats;
    const std::size_t steps = 400 * matches;
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (std::size_t step = 0; step < steps && best > 0; ++step) {
        const double temperature = 4.0 * std::pow(0.02, static_cast<double>(step) / steps);
        int* s = &seats[4 * (rng() % matches)];
        const std::int64_t before = cost(s);
        add(s, -1);
        std::swap(s[1], s[3]);
        add(s, 1);
        const std::int64_t delta = cost(s) - before;
        if (delta > 0 && unit(rng) >= std::exp(-static_cast<double>(delta) / temperature)) {
            add(s, -1);
            std::swap(s[1], s[3]);
            add(s, 1);
            continue;
        }
        total += delta;
        if (total < best) {
            best = total;
            kept = seats;
        }
    }
    seats = std::move(kept);
}

// Four of one gender on two courts play every round, and their three ways of
// pairing up share the rounds evenly. The others' passes each come twice,
// every member in the same round of both, and in that round of both the four
// pair up the same way, each two on the other court the second time: whoever
// plays meets each of the four exactly once in the two passes. (One pass
// after another, the four's two-and-two would have to be told off to each
// court so that everybody meets the other two the next time, and the
// rotation soon asks for both at once.)
std::vector<int> fourOnTwoCourts(const std::vector<int>& many, std::vector<int> four,
                                 bool manyAreMen, int rounds, std::mt19937& rng) {
    const int perPass = static_cast<int>(many.size()) / 4; // rounds
    const auto pairs = passPairs(many, 2, rounds, rng, 2);
    std::shuffle(four.begin(), four.end(), rng);
    const std::array<std::array<std::array<int, 2>, 2>, 3> ways{{
        {{{four[0], four[1]}, {four[2], four[3]}}},
        {{{four[0], four[2]}, {four[1], four[3]}}},
        {{{four[0], four[3]}, {four[1], four[2]}}},
    }};
    std::vector<unsigned> courtTurn(static_cast<std::size_t>(rounds), 0);
    for (auto& t : courtTurn)
        t = rng() % 2;
    std::vector<int> seats;
    seats.reserve(static_cast<std::size_t>(rounds * 8));
    for (int r = 0; r < rounds; ++r) {
        const int pass = r / perPass;
        const int slot = pass / 2 * perPass + r % perPass;
        const auto& way = ways[static_cast<std::size_t>(slot % 3)];
        const unsigned turn =
            courtTurn[static_cast<std::size_t>(slot)] ^ static_cast<unsigned>(pass % 2);
        for (unsigned court = 0; court < 2; ++court) {
            const auto& a = pairs[static_cast<std::size_t>(2 * r) + court];
            const auto& b = way[court ^ turn];
            if (manyAreMen)
                seats.insert(seats.end(), {a[0], b[0], a[1], b[1]});
            else
                seats.insert(seats.end(), {b[0], a[0], b[1], a[1]});
        }
    }
    return seats;
}

} // namespace

std::vector<int> mixedPassSeats(const std::vector<int>& men, const std::vector<int>& women,
                                int courts, int rounds, std::uint32_t seed) {
    const auto even = [courts](std::size_t n) {
        return n >= static_cast<std::size_t>(2 * courts) && n % 2 == 0;
    };
    if (courts < 1 || rounds < 1 || !even(men.size()) || !even(women.size()))
        return {};
    std::mt19937 rng(seed);
    const int members = static_cast<int>(men.size() + women.size());
    std::vector<int> seats;
    const bool fourWomen = women.size() == 4 && men.size() % 4 == 0;
    const bool fourMen = men.size() == 4 && women.size() % 4 == 0;
    if (courts == 2 && (fourWomen || fourMen)) {
        seats = fourOnTwoCourts(fourWomen ? men : women, fourWomen ? women : men, fourWomen, rounds,
                                rng);
    } else {
        const auto m = passPairs(men, courts, rounds, rng);
        const auto w = passPairs(women, courts, rounds, rng);
        seats.reserve(static_cast<std::size_t>(rounds * 4 * courts));
        for (std::size_t k = 0; k < m.size(); ++k)
            seats.insert(seats.end(), {m[k][0], w[k][0], m[k][1], w[k][1]});
    }
    // Where a pass ends within a round, the next one's first pairs share it:
    // nobody may be in both, nor out longer than a gender's even turn.
    const auto gapOk = [&](const std::vector<int>& group) {
        const int limit = (static_cast<int>(group.size()) + 2 * courts - 1) / (2 * courts);
        for (const int x : group) {
            int last = -1;
            for (int r = 0; r < rounds; ++r) {
                const auto from = seats.begin() + static_cast<std::ptrdiff_t>(r * 4 * courts);
                const auto times = std::count(from, from + 4 * courts, x);
                if (times > 1)
                    return false;
                if (times == 1) {
                    if (r - last - 1 > limit)
                        return false;
                    last = r;
                }
            }
            if (rounds - last - 1 > limit)
                return false;
        }
        return true;
    };
    if (!gapOk(men) || !gapOk(women))
        return {};
    balanceSides(seats, members, rng);
    return seats;
}

} // namespace pf
