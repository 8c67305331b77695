#pragma once
// Standings as numbers: per-member statistics from the match table, in rank
// order under rule 1 (match win rate, then game rate) or rule 2 (game rate
// alone). Every reader formats them through standings.h, so the window, the
// exports and the announcement show the same texts.

#include "model/session.h"

#include <cstdint>
#include <vector>

namespace pf {

enum class RankingRule { ByMatchesThenGames, ByGames };

// The ranking setting stores 0 for rule 1; any other value selects rule 2.
inline RankingRule rankingRuleOf(int rankingMethod) {
    return rankingMethod == 0 ? RankingRule::ByMatchesThenGames : RankingRule::ByGames;
}

// Counters are 64-bit: a hand-edited file may hold counts near the 32-bit
// limits, and their sums must not wrap around. Under rule 2 the match
// counters and the win rate stay 0.
struct StandingRow {
    int rank = 0; // equal for members tied on every key: 1, 2, 2, 4; 0 when not ranked
    bool ranked = true;
    Name name;
    std::int64_t matches = 0;
    std::int64_t wins = 0;
    std::int64_t losses = 0;
    std::int64_t draws = 0;
    float winRate = 0.0f;
    std::int64_t games = 0;
    std::int64_t gamesWon = 0;
    std::int64_t gamesLost = 0;
    float gameRate = 0.0f;
};

struct Standings {
    RankingRule rule = RankingRule::ByMatchesThenGames;
    std::vector<StandingRow> rows; // rank order, at most MaxMembers
};

// Members with fewer than `minMatches` matches with a result (a latecomer's
// single win) are listed after the ranked ones, in the same order among
// themselves, with rank 0 and `ranked` false. 0 ranks everybody.
Standings computeStandings(const MatchTable& matches, RankingRule rule, int minMatches = 0);

} // namespace pf
