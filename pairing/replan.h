#pragma once
// Re-planning the rest of a day when members arrive late or leave early: the
// matches before the first re-planned one stay exactly as they are, scores
// included, and the balanced method fills the rest for the members present
// from then on, remembering who has already partnered and faced whom.
//
// The main window's member-change command and `pairforge-cli replan` both
// come through planReplan; the window adds the dialogs and the undo step.

#include "model/session.h"
#include "pairing/day_rules.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pf {

struct ReplanRequest {
    int firstMatch = 1;           // K, 1-based, the first match of a round
    std::vector<Name> present;    // who plays from K on, in the order the organiser gave
    int courts = 2;               // courts from K on
    std::uint32_t seed = 0;       // the balanced method's seed
    std::int64_t moveBudget = -1; // -1: the method's own; tests pass small ones
    // The day's rules for the re-planned part, with the facts by the index of
    // `present`; none chosen (or no facts) re-plans as the balanced method does.
    const DayFacts* facts = nullptr;
    DayRules rules{};
};

struct ReplanResult {
    MemberRoster roster{};
    MatchTable matches{};
    std::vector<Name> present; // as requested, once accepted
    std::string error;         // UTF-8 message; empty when the re-plan was made
    std::string note;          // UTF-8: what the organiser should know of it, if anything
    bool ok() const { return error.empty(); }
};

// The new roster and table for `request`, or the reason it is refused. Checks,
// in this order: K is the first match of a round within the table, no name
// twice among the present, at least 4 × courts present, every name passes the
// name rules, the roster stays within MaxMembers rows; then, with rules, why
// no rest of the day can hold them.
ReplanResult planReplan(const MemberRoster& roster, const MatchTable& table,
                        const ReplanRequest& request);

// The roster after a re-plan from K: the rows of `roster` that play before K
// (in roster order), then names that play before K but are missing from the
// roster, then the present members not yet listed. May exceed MaxMembers;
// planReplan refuses that.
std::vector<Name> replanRoster(const MemberRoster& roster, const MatchTable& table, int firstMatch,
                               const std::vector<Name>& present);

// Where the rest of the day starts: the first match of the round after the
// last match with a result (1 when none has one; beyond 120 when the last
// round has one).
int firstUnplayedMatch(const MatchTable& table, int courts);

// The first match of the round holding match `match`.
int roundStartOf(int match, int courts);

// Who plays from `firstMatch` on, in roster order followed by any names the
// roster lacks; the whole roster when nothing has been played yet.
std::vector<Name> presentFrom(const MemberRoster& roster, const MatchTable& table, int firstMatch);

// True when some match from `firstMatch` on carries a result.
bool hasResultsFrom(const MatchTable& table, int firstMatch);

} // namespace pf
