#pragma once
// The state of the one pairing the main window holds. Names are kept as the
// Shift-JIS bytes they are stored as in the data file, so that a name read from
// a file and written back is byte for byte the same.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace pf {

inline constexpr int MaxMatches = 120;
inline constexpr int MatchesPerPage = 6;
inline constexpr int MaxMembers = 100;
inline constexpr int NameCapacity = 256; // 255 bytes of text plus the terminator of old
inline constexpr int MaxNameBytes = NameCapacity - 1;
inline constexpr int MinCourts = 1;
inline constexpr int MaxCourts = 3;

using Name = std::string; // Shift-JIS bytes

struct MatchRecord {
    Name a, b, c, d;
    std::int32_t WinA = 0;
    std::int32_t WinB = 0;

    bool isEmpty() const {
        return a.empty() && b.empty() && c.empty() && d.empty() && WinA == 0 && WinB == 0;
    }
    bool hasScore() const { return WinA != 0 || WinB != 0; }
    friend bool operator==(const MatchRecord&, const MatchRecord&) = default;
};

using MatchTable = std::array<MatchRecord, MaxMatches>;
using MemberRoster = std::array<Name, MaxMembers>;

// Leading non-empty rows: a gap hides every name below it.
inline int memberCount(const MemberRoster& roster) {
    int n = 0;
    while (n < MaxMembers && !roster[static_cast<std::size_t>(n)].empty())
        ++n;
    return n;
}

inline std::vector<Name> participantsOf(const MemberRoster& roster) {
    const int n = memberCount(roster);
    return {roster.begin(), roster.begin() + n};
}

inline void clearMatches(MatchTable& table) {
    for (auto& m : table)
        m = MatchRecord{};
}

inline constexpr char DefaultTitle[] = "ペアフォージ(PAIRFORGE)"; // UTF-8 for display

struct Session {
    std::string FileName;     // local path (UTF-8); empty = no file yet
    std::string HtmlFileName; // last HTML export path
    std::string CsvFileName;  // last CSV export path
    std::vector<Name> Participants;
    std::int32_t PageTop = 0;
    bool PairingOpen = false;
    bool Modified = false;
    std::int32_t GenerationMethod = 1;
    std::int32_t CsvMode = 0;
    MatchTable Matches{};
    std::int32_t CourtCursor = 0;
    std::int32_t RankingMethod = 0;

    // The roster and the court count are kept here; the main window's grid and
    // court edit are views of them.
    MemberRoster Roster{};
    std::int32_t CourtCount = 2;

    // Display size in percent, for the next start (the running windows keep
    // the size they started with).
    std::int32_t Scale = 100;

    // Matches with a result a member needs for a rank (0: everybody ranked).
    std::int32_t MinMatches = 0;
    // The court board's round clock: minutes per round, and whether stepping
    // to the next round starts it again (0 no, otherwise yes).
    std::int32_t RoundMinutes = 15;
    std::int32_t ClockRestart = 0;

    // Every change that makes the pairing differ from its file goes through
    // markModified, and every save, open or close through markSaved, so that
    // whoever follows the pairing (the unsaved mark, the recovery copy, the
    // windows that show the table) hears of each one through `changed`.
    void markModified() {
        Modified = true;
        if (changed)
            changed();
    }
    void markSaved() {
        Modified = false;
        if (changed)
            changed();
    }
    std::function<void()> changed;
};

} // namespace pf
