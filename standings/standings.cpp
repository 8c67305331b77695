#include "standings/standings.h"

#include "model/text_codec.h"

#include <algorithm>
#include <charconv>

namespace pf {
namespace {

std::string decimal(std::int64_t value) {
    return std::to_string(value);
}

// "%4.3f" without the C library's locale: the numbers must read 0.667 whatever
// the organiser's locale.
std::string rateText(float rate) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(rate),
                                   std::chars_format::fixed, 3);
    std::string text(buf, res.ptr);
    if (text.size() < 4)
        text.insert(0, 4 - text.size(), ' ');
    return text;
}

const Name& sjis(const char* utf8) {
    return cp932Literal(utf8);
}

constexpr const char* Rule1Headings[StandingsColumns] = {
    "順位", "メンバー名", "試合数",   "勝数",     "敗数",    "分数",
    "勝率", "ゲーム数",   "勝ゲーム", "敗ゲーム", "ゲーム率"};
constexpr const char* Rule2Headings[StandingsColumns] = {
    "順位", "メンバー名", "ゲーム数", "勝ゲーム", "敗ゲーム", "ゲーム率", "", "", "", "", ""};

void fillRow(const StandingRow& e, RankingRule rule, StandingsTable& table, int row) {
    // A member too few matches in has no rank: the cell stays empty.
    table.cell(row, 0) = e.ranked ? decimal(e.rank) : std::string();
    table.cell(row, 1) = e.name;
    if (rule == RankingRule::ByMatchesThenGames) {
        table.cell(row, 2) = decimal(e.matches);
        table.cell(row, 3) = decimal(e.wins);
        table.cell(row, 4) = decimal(e.losses);
        table.cell(row, 5) = decimal(e.draws);
        table.cell(row, 6) = rateText(e.winRate);
        table.cell(row, 7) = decimal(e.games);
        table.cell(row, 8) = decimal(e.gamesWon);
        table.cell(row, 9) = decimal(e.gamesLost);
        table.cell(row, 10) = rateText(e.gameRate);
    } else {
        table.cell(row, 2) = decimal(e.games);
        table.cell(row, 3) = decimal(e.gamesWon);
        table.cell(row, 4) = decimal(e.gamesLost);
        table.cell(row, 5) = rateText(e.gameRate);
    }
}

} // namespace

int standingsColumnCount(RankingRule rule) {
    return rule == RankingRule::ByMatchesThenGames ? StandingsColumns : 6;
}

StandingsTable standingsTable(const Standings& standings) {
    StandingsTable table;
    const auto& headings =
        standings.rule == RankingRule::ByMatchesThenGames ? Rule1Headings : Rule2Headings;
    for (int col = 0; col < StandingsColumns; ++col)
        table.cell(0, col) = sjis(headings[col]);
    const std::size_t rows =
        std::min(standings.rows.size(), static_cast<std::size_t>(StandingsRows - 1));
    for (std::size_t i = 0; i < rows; ++i)
        fillRow(standings.rows[i], standings.rule, table, static_cast<int>(i) + 1);
    return table;
}

void ComputeStandings(const MatchTable& matches, int rankingMethod, StandingsTable& table,
                      int minMatches) {
    table = standingsTable(computeStandings(matches, rankingRuleOf(rankingMethod), minMatches));
}

} // namespace pf
