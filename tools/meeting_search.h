#pragma once
// A second search for the stored days, for rosters where the balanced
// search's many aims keep it from ever bringing every pair within its bound
// (thirty members on two courts). It holds only the hard rules, each member
// apart: plays within one of an even share at every round boundary, and no
// sit-out longer than the rotation's bound plus one. Within them it anneals
// nothing but how often pairs partner and face each other, moving members
// inside a round or trading two members' rounds. Slow and single-minded, so
// it lives with the developers' tools rather than in the program.

#include "model/session.h"

#include <cstdint>

namespace pf::tools {

// Fills all 120 matches of `table` with members named "0", "1", … and
// returns true once no pair is outside its even share of partners and
// opponents; false (with the best table so far) when `moves` run out. The
// same members, courts, seed and moves give the same table.
bool searchMeetings(int members, int courts, std::uint32_t seed, std::int64_t moves,
                    MatchTable& table);

} // namespace pf::tools
