#include "standings/standings.h"

#include "app/text_codec.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <vector>

namespace pf {
namespace {

// Counters are summed in 64 bits: a hand-edited file may hold counts near the
// 32-bit limits, and their sum must not wrap around.
struct Entry {
    Name name;
    std::int64_t matches = 0;
    std::int64_t wins = 0;
    std::int64_t losses = 0;
    std::int64_t draws = 0;
    std::int64_t gamesWon = 0;
    std::int64_t gamesLost = 0;

    std::int64_t games() const { return gamesWon + gamesLost; }
    // Rates are kept as 32-bit floats and compared exactly: 1 of 2 and 3 of 6
    // are the same rate and tie.
    float winRate() const {
        const std::int64_t decided = matches - draws;
        return decided == 0 ? 0.0f : static_cast<float>(wins) / static_cast<float>(decided);
    }
    float gameRate() const {
        const std::int64_t g = games();
        return g == 0 ? 0.0f : static_cast<float>(gamesWon) / static_cast<float>(g);
    }
};

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

// Every distinct name in slot order, a before b before c before d; the
// 101st and later distinct names are left out.
std::vector<Entry> collectGames(const MatchTable& matches) {
    std::vector<Entry> list;
    list.reserve(MaxMembers);
    for (const MatchRecord& m : matches) {
        const Name* names[] = {&m.a, &m.b, &m.c, &m.d};
        for (int k = 0; k < 4; ++k) {
            const Name& name = *names[k];
            if (name.empty())
                continue;
            auto it = std::find_if(list.begin(), list.end(),
                                   [&](const Entry& e) { return e.name == name; });
            if (it == list.end()) {
                if (list.size() >= static_cast<std::size_t>(MaxMembers))
                    continue;
                list.push_back(Entry{name});
                it = list.end() - 1;
            }
            const bool pairA = k < 2;
            it->gamesWon += pairA ? m.WinA : m.WinB;
            it->gamesLost += pairA ? m.WinB : m.WinA;
        }
    }
    return list;
}

void countResults(const MatchTable& matches, std::vector<Entry>& list) {
    for (const MatchRecord& m : matches) {
        if (m.WinA == 0 && m.WinB == 0)
            continue; // no result yet
        const Name* names[] = {&m.a, &m.b, &m.c, &m.d};
        for (int k = 0; k < 4; ++k) {
            if (names[k]->empty())
                continue;
            auto it = std::find_if(list.begin(), list.end(),
                                   [&](const Entry& e) { return e.name == *names[k]; });
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

void ComputeStandings(const MatchTable& matches, int rankingMethod, StandingsTable& table) {
    const bool rule1 = rankingMethod == 0;
    table = StandingsTable{};
    const auto& headings = rule1 ? Rule1Headings : Rule2Headings;
    for (int col = 0; col < StandingsColumns; ++col)
        table.cell(0, col) = sjis(headings[col]);

    std::vector<Entry> list = collectGames(matches);
    if (rule1)
        countResults(matches, list);

    // Greater rates first; members equal in every key keep the order in which
    // they were first met. Only listed members take part, so a member whose
    // rates are odd (negative counts in a hand-edited file) is still listed.
    auto keys = [rule1](const Entry& e) {
        return rule1 ? std::pair{e.winRate(), e.gameRate()} : std::pair{e.gameRate(), 0.0f};
    };
    std::stable_sort(list.begin(), list.end(),
                     [&](const Entry& x, const Entry& y) { return keys(x) > keys(y); });

    for (std::size_t i = 0; i < list.size(); ++i) {
        const Entry& e = list[i];
        const int row = static_cast<int>(i) + 1;
        if (row > 1 && keys(e) == keys(list[i - 1]))
            table.cell(row, 0) = table.cell(row - 1, 0);
        else
            table.cell(row, 0) = decimal(row);
        table.cell(row, 1) = e.name;
        if (rule1) {
            table.cell(row, 2) = decimal(e.matches);
            table.cell(row, 3) = decimal(e.wins);
            table.cell(row, 4) = decimal(e.losses);
            table.cell(row, 5) = decimal(e.draws);
            table.cell(row, 6) = rateText(e.winRate());
            table.cell(row, 7) = decimal(e.games());
            table.cell(row, 8) = decimal(e.gamesWon);
            table.cell(row, 9) = decimal(e.gamesLost);
            table.cell(row, 10) = rateText(e.gameRate());
        } else {
            table.cell(row, 2) = decimal(e.games());
            table.cell(row, 3) = decimal(e.gamesWon);
            table.cell(row, 4) = decimal(e.gamesLost);
            table.cell(row, 5) = rateText(e.gameRate());
        }
    }
}

} // namespace pf
