#pragma once
// A mixed day from the two genders' own round robins, for the ruled search to
// start from. Each gender rotates in passes, every member once a pass, each
// pass one round of a round robin among them (the circle method), so that
// everybody faces everyone of the same gender as evenly as whole passes
// allow, which a search seldom finds on its own where the even share is a
// whole number (sixteen women on one court face each other exactly once).
// From one pass to the next the circle method moves each member at most one
// place later, so nobody waits longer than the rotation allows, and plays are
// within one of each other at every round boundary.
//
// Four of one gender on two courts, with the others a multiple of four, get
// a day where everyone meets each of the four exactly alike: the others'
// passes come twice each, and the four pair up the same way in the same round
// of both, on the other courts the second time. Who partners whom within a
// match is then evened out between partners and opponents; what is left
// across the genders is for the search.

#include <cstdint>
#include <vector>

namespace pf {

// Seats for `rounds` rounds on `courts` courts (4 × courts a round; seats
// 4j … 4j + 3 are match j, each side a man and then a woman), members given
// by their indices in `men` and `women` (indices below their total) and
// shuffled by `seed`; empty where a gender is odd or fewer than two a court,
// or where passes that end within a round would seat someone twice or keep
// someone out longer than the rotation allows.
std::vector<int> mixedPassSeats(const std::vector<int>& men, const std::vector<int>& women,
                                int courts, int rounds, std::uint32_t seed);

} // namespace pf
