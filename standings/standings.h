#pragma once
// Standings: per-member statistics from the match table, ranked under rule 1
// (match win rate, then game rate) or rule 2 (game rate alone), written as the
// texts of an 11 × 101 table. Row 0 holds the headings; rows 1 … 100 the
// members in rank order; every cell after the last member is empty.

#include "app/session.h"

#include <array>
#include <string>

namespace pf {

inline constexpr int StandingsColumns = 11;
inline constexpr int StandingsRows = 101;

// Cells hold Shift-JIS bytes, like the names they copy: the HTML page prints
// them unchanged, the windows decode them for display.
class StandingsTable {
public:
    const std::string& cell(int row, int column) const {
        return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
    std::string& cell(int row, int column) {
        return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
    // Rows 1 … up to the first row whose name cell is empty.
    int memberRows() const {
        int n = 0;
        while (n + 1 < StandingsRows && !cell(n + 1, 1).empty())
            ++n;
        return n;
    }

private:
    // No braced initialiser: clang 14 crashes on one over nested arrays of
    // strings, and the strings start empty anyway.
    std::array<std::array<std::string, StandingsColumns>, StandingsRows> cells_;
};

// RankingMethod 0 selects rule 1, any other value rule 2.
void ComputeStandings(const MatchTable& matches, int rankingMethod, StandingsTable& table);

} // namespace pf
