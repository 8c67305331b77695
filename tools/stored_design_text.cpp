#include "tools/stored_design_text.h"

#include "pairing/balanced_selection.h"
#include "pairing/schedule_quality.h"
#include "pairing/stored_designs.h"
#include "tools/meeting_search.h"

#include <cstdio>
#include <regex>
#include <vector>

namespace pf::tools {
namespace {

constexpr char Begin[] = "    // BEGIN DESIGNS\n";
constexpr char End[] = "    // END DESIGNS\n";
constexpr char MeetingNote[] = " of the meeting search";

bool within(const QualityFigure& f, int allowance = 0) {
    return !f.bound || f.value <= *f.bound + allowance;
}

// An entry's first line names its roster; the lines up to the next such line
// (notes on a known design among them) belong to it.
const std::regex& headerLine() {
    static const std::regex header(R"(^    // (\d+) members, (\d) courts?\b.*)");
    return header;
}

struct Entry {
    int members = 0;
    int courts = 0;
    std::string text;
};

std::vector<Entry> entriesOf(const std::string& block) {
    std::vector<Entry> entries;
    std::size_t at = 0;
    while (at < block.size()) {
        std::size_t next = block.find('\n', at);
        next = next == std::string::npos ? block.size() : next + 1;
        const std::string line = block.substr(at, next - at);
        std::smatch m;
        if (std::regex_search(line, m, headerLine()) || entries.empty())
            entries.push_back(
                {m.empty() ? 0 : std::stoi(m[1]), m.empty() ? 0 : std::stoi(m[2]), {}});
        entries.back().text += line;
        at = next;
    }
    return entries;
}

} // namespace

bool searchDay(FoundDay& day) {
    std::vector<Name> names;
    for (int i = 0; i < day.members; ++i)
        names.push_back(std::to_string(i));
    BalancedOptions options;
    options.seed = day.seed;
    options.moveBudget = day.moves;
    options.storedDays = false;
    day.table = MatchTable{};
    const int blockMatches = day.blockRounds * day.courts;
    if (blockMatches > 0 && blockMatches < MaxMatches)
        options.endMatch = blockMatches;
    if (day.meetingSearch)
        searchMeetings(day.members, day.courts, day.seed, day.moves, day.table);
    else
        generateBalanced(names, day.courts, 0, nullptr, options, day.table);
    for (int k = options.endMatch; k < MaxMatches; ++k)
        day.table[static_cast<std::size_t>(k)] =
            day.table[static_cast<std::size_t>(k % options.endMatch)];
    const ScheduleQuality q = computeQuality(names, day.table, day.courts);
    return within(q.playSpread) && q.prefixPlaySpread.value <= 1 && within(q.longestSitOut, 1) &&
           within(q.partnerSpread) && within(q.opponentSpread) &&
           (!day.evenWhenStopped ||
            (q.prefixPartnerExcess.value <= 1 && q.prefixOpponentExcess.value <= 1));
}

std::string storedDesignEntry(const FoundDay& day) {
    std::string matches;
    for (const MatchRecord& m : day.table)
        for (const Name* x : {&m.a, &m.b, &m.c, &m.d})
            matches += storedMemberChar(std::stoi(*x));
    char block[64] = "";
    if (day.blockRounds > 0)
        std::snprintf(block, sizeof block, ", a block of %d rounds over and over", day.blockRounds);
    char head[256];
    std::snprintf(head, sizeof head,
                  "    // %d members, %d court%s (seed %u, %lld moves%s%s)\n    {%d, %d,\n",
                  day.members, day.courts, day.courts == 1 ? "" : "s", day.seed,
                  static_cast<long long>(day.moves), day.meetingSearch ? MeetingNote : "", block,
                  day.members, day.courts);
    std::string text = head;
    for (std::size_t i = 0; i < matches.size(); i += 80) {
        std::string line;
        for (const char c : matches.substr(i, 80))
            line += c == '?' ? std::string("\\?") : std::string(1, c);
        text += "     \"" + line + "\"" + (i + 80 >= matches.size() ? "}," : "") + "\n";
    }
    return text;
}

std::optional<std::string> withStoredDesign(const std::string& fileText, const FoundDay& day) {
    const std::size_t begin = fileText.find(Begin);
    const std::size_t end = fileText.find(End);
    if (begin == std::string::npos || end == std::string::npos || end < begin)
        return std::nullopt;
    const std::size_t first = begin + sizeof Begin - 1;
    std::vector<Entry> entries = entriesOf(fileText.substr(first, end - first));
    const Entry found{day.members, day.courts, storedDesignEntry(day)};
    auto later = [&found](const Entry& e) {
        return e.courts > found.courts || (e.courts == found.courts && e.members >= found.members);
    };
    auto it = entries.begin();
    while (it != entries.end() && (it->members == 0 || !later(*it)))
        ++it;
    if (it != entries.end() && it->members == found.members && it->courts == found.courts)
        *it = found;
    else
        entries.insert(it, found);
    std::string block;
    for (const Entry& e : entries)
        block += e.text;
    return fileText.substr(0, first) + block + fileText.substr(end);
}

std::optional<SearchRecord> searchRecordOf(const std::string& fileText, int members, int courts) {
    const std::regex record(
        R"(^    // (\d+) members, (\d) courts? \(seed (\d+), (\d+) moves( of the meeting search)?(, a block of (\d+) rounds over and over)?\)$)");
    std::size_t at = 0;
    while (at < fileText.size()) {
        std::size_t next = fileText.find('\n', at);
        next = next == std::string::npos ? fileText.size() : next;
        const std::string line = fileText.substr(at, next - at);
        std::smatch m;
        if (std::regex_match(line, m, record) && std::stoi(m[1]) == members &&
            std::stoi(m[2]) == courts)
            return SearchRecord{static_cast<std::uint32_t>(std::stoul(m[3])), std::stoll(m[4]),
                                m[7].matched ? std::stoi(m[7]) : 0, m[5].matched};
        at = next + 1;
    }
    return std::nullopt;
}

} // namespace pf::tools
