#include "standings/ranking.h"

#include <algorithm>
#include <utility>

namespace pf {
namespace {

// Rates are kept as 32-bit floats and compared exactly: 1 of 2 and 3 of 6 are
// the same rate and tie.
float rate(std::int64_t part, std::int64_t whole) {
    return whole == 0 ? 0.0f : static_cast<float>(part) / static_cast<float>(whole);
}

// Every distinct name in slot order, a before b before c before d; the
// 101st and later distinct names are left out.
std::vector<StandingRow> collectGames(const MatchTable& matches) {
    std::vector<StandingRow> list;
    list.reserve(MaxMembers);
    for (const MatchRecord& m : matches) {
        const Name* names[] = {&m.a, &m.b, &m.c, &m.d};
        for (int k = 0; k < 4; ++k) {
            const Name& name = *names[k];
            if (name.empty())
                continue;
            auto it = std::find_if(list.begin(), list.end(),
                                   [&](const StandingRow& e) { return e.name == name; });
            if (it == list.end()) {
                if (list.size() >= static_cast<std::size_t>(MaxMembers))
                    continue;
                list.push_back(StandingRow{.name = name});
                it = list.end() - 1;
            }
            const bool pairA = k < 2;
            it->gamesWon += pairA ? m.WinA : m.WinB;
            it->gamesLost += pairA ? m.WinB : m.WinA;
        }
    }
    return list;
}

void countResults(const MatchTable& matches, std::vector<StandingRow>& list) {
    for (const MatchRecord& m : matches) {
        if (m.WinA == 0 && m.WinB == 0)
            continue; // no result yet
        const Name* names[] = {&m.a, &m.b, &m.c, &m.d};
        for (int k = 0; k < 4; ++k) {
            if (names[k]->empty())
                continue;
            auto it = std::find_if(list.begin(), list.end(),
                                   [&](const StandingRow& e) { return e.name == *names[k]; });
            if (it == list.end())
                continue;
            const std::int32_t own = k < 2 ? m.WinA : m.WinB;
            const std::int32_t other = k < 2 ? m.WinB : m.WinA;
            ++it->matches;
            if (own > other)
                ++it->wins;
            else if (own < other)
                ++it->losses;
            else
                ++it->draws;
        }
    }
}

} // namespace

Standings computeStandings(const MatchTable& matches, RankingRule rule, int minMatches) {
    const bool rule1 = rule == RankingRule::ByMatchesThenGames;
    Standings out{rule, collectGames(matches)};
    if (rule1)
        countResults(matches, out.rows);
    if (minMatches > 0) {
        // Rule 2 shows no match counters, but who is ranked still depends on them.
        std::vector<StandingRow> played = out.rows;
        if (!rule1)
            countResults(matches, played);
        for (std::size_t i = 0; i < out.rows.size(); ++i)
            out.rows[i].ranked = played[i].matches >= minMatches;
    }
    for (StandingRow& e : out.rows) {
        e.winRate = rate(e.wins, e.matches - e.draws);
        e.games = e.gamesWon + e.gamesLost;
        e.gameRate = rate(e.gamesWon, e.games);
    }

    // Greater rates first; members equal in every key keep the order in which
    // they were first met. Only listed members take part, so a member whose
    // rates are odd (negative counts in a hand-edited file) is still listed.
    auto keys = [rule1](const StandingRow& e) {
        return rule1 ? std::pair{e.winRate, e.gameRate} : std::pair{e.gameRate, 0.0f};
    };
    std::stable_sort(out.rows.begin(), out.rows.end(),
                     [&](const StandingRow& x, const StandingRow& y) {
                         if (x.ranked != y.ranked)
                             return x.ranked;
                         return keys(x) > keys(y);
                     });

    for (std::size_t i = 0; i < out.rows.size(); ++i) {
        StandingRow& e = out.rows[i];
        if (!e.ranked) {
            e.rank = 0;
            continue;
        }
        const bool tied = i > 0 && keys(e) == keys(out.rows[i - 1]);
        e.rank = tied ? out.rows[i - 1].rank : static_cast<int>(i) + 1;
    }
    return out;
}

} // namespace pf
