#pragma once
// The part of the new-pairing command below the window: roster checks and the
// call of the chosen method. The window adds the enabling and the cursor.

#include "model/session.h"
#include "model/texts.h"
#include "pairing/day_rules.h"
#include "pairing/generators.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace pf {

struct RosterCheck {
    std::vector<Name> participants; // roster rows 0 … MemberCount-1
    std::string error;              // UTF-8 message; empty when the roster is accepted
    std::string note;               // UTF-8: what the organiser should know of a day that was made
    bool ok() const { return error.empty(); }
};

// Duplicates first, then the count of at least 4 × courts, then (a last
// guard) the rules for names.
RosterCheck checkRoster(const MemberRoster& roster, int courts);

// Validates, then puts the session into the pairing-open state and fills all
// 120 slots with the method of session.GenerationMethod. Which page and round
// the windows show is theirs to set when they install the pairing. On a refused roster
// only session.Participants changes and the message is returned.
// `dayRounds`: the day's length for the balanced method (0: all 120 matches).
RosterCheck GeneratePairing(Session& session, Generators& generators, int dayRounds = 0);

// The balanced method under the day's rules: the roster checked as above,
// then the day made with `facts` for the participants (factsFor gets them in
// roster order). When the rules rule the day out the reason is returned and
// the session is left as a refused roster leaves it; otherwise the pairing is
// open as after GeneratePairing. `dayRounds` as for GeneratePairing.
using FactsFor = std::function<DayFacts(const std::vector<Name>& participants)>;
RosterCheck generateRuledPairing(Session& session, const FactsFor& factsFor, const DayRules& rules,
                                 std::uint32_t seed, int dayRounds = 0);

// Empties the pairing; the roster and the court count stay.
void closePairing(Session& session, Generators& generators);

} // namespace pf
