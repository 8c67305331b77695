#pragma once
// The texts of the standings: an 11 × 101 table whose row 0 holds the
// headings and rows 1 … 100 the members in rank order; every cell after the
// last member is empty. One formatter makes them from the numbers of
// ranking.h, for the window, the HTML page, the command-line tool and any
// later reader alike.

#include "standings/ranking.h"

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

// Columns that carry something under the rule: 11 under rule 1, 6 under
// rule 2 (whose columns 6 … 10 are empty, headings included).
int standingsColumnCount(RankingRule rule);

StandingsTable standingsTable(const Standings& standings);

// Computes and formats in one step; RankingMethod 0 selects rule 1, any other
// value rule 2. A member below `minMatches` gets an empty rank cell.
void ComputeStandings(const MatchTable& matches, int rankingMethod, StandingsTable& table,
                      int minMatches = 0);

} // namespace pf
