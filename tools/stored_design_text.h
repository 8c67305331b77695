#pragma once
// The stored days' file (pairing/stored_designs.cpp) as pairforge-design-search
// writes it. The tool and its test share this, so what the search prints is
// exactly what the file holds.

#include "model/session.h"

#include <cstdint>
#include <optional>
#include <string>

namespace pf::tools {

struct FoundDay {
    int members = 0;
    int courts = 0;
    std::uint32_t seed = 0;
    std::int64_t moves = 0; // the search's budget for this seed
    MatchTable table{};     // members named "0", "1", …
    // Searched as a block of this many rounds played over and over (0: the
    // whole day at once). A block whose slots share out exactly repeats to a
    // day as even over the whole as where it stops: every stop falls inside a
    // block that was made even from its own start.
    int blockRounds = 0;
    // Also no pair more than one meeting above an even share wherever the
    // day stops.
    bool evenWhenStopped = false;
    // Found by the meeting search (tools/meeting_search.h) rather than the
    // balanced one.
    bool meetingSearch = false;
};

// Runs the balanced search (or the meeting search) for one seed, without the
// stored days; true when
// the day keeps the hard rules of a balanced day (play counts within one at
// every round boundary among them) and both pair spreads reach their bounds.
bool searchDay(FoundDay& day);

// The entry of one day: a comment naming the roster, seed and budget, then
// the initialiser of its StoredDesign, 80 characters of matches a line.
std::string storedDesignEntry(const FoundDay& day);

// `fileText` with the entry for the day's roster replaced by `entry`, or
// `entry` put in its place (by courts, then members) between the file's
// BEGIN DESIGNS and END DESIGNS lines; nullopt when the markers are missing.
std::optional<std::string> withStoredDesign(const std::string& fileText, const FoundDay& day);

// The seed and budget the file's comment names for a roster, when it names
// both: the days an earlier search found say only their seed, or nothing.
struct SearchRecord {
    std::uint32_t seed = 0;
    std::int64_t moves = 0;
    int blockRounds = 0;
    bool meetingSearch = false;
};
std::optional<SearchRecord> searchRecordOf(const std::string& fileText, int members, int courts);

} // namespace pf::tools
