#pragma once
// Eight members, two of them kept apart, and no other rule that binds: the
// ruled search, in its budget, leaves partner counts twice as far apart as
// the rule forces, while a day by construction shares everything out as
// evenly as the rule allows. Each round (each two matches on one court) splits the six
// others into two threes, one for each of the two kept apart. A three's
// centre partners the one kept apart, its other two partner each other.
// Every ordered split, three times over with each member of a three its
// centre once, makes each of the two partner each of the six 10 times and
// face them 20 times, and any two of the six partner 8 times and face each
// other 16 times. Everybody plays every round on two courts, every other
// match on one. The rounds come in the order that keeps pairs nearest an
// even share wherever the day stops.

#include "model/session.h"
#include "pairing/day_rules.h"

#include <cstdint>
#include <vector>

namespace pf {

// Fills all 120 matches of `table` for such a day, shuffled by `seed`, and
// returns true; false, leaving `table` untouched, for any other roster.
bool makeKeptApartEight(const std::vector<Name>& participants, int courts, const DayFacts& facts,
                        const DayRules& rules, std::uint32_t seed, MatchTable& table);

} // namespace pf
