#pragma once
// Sequential selection: the participants are shuffled, then 240 partner pairs
// of shuffled positions are placed by a depth-first search with backtracking
// over the pairs in a fixed cyclic order. Pairs 2q and 2q+1 form match q.
//
// The search is deterministic for a given roster size and court count; all the
// randomness lies in the shuffle.

#include "model/session.h"

#include <array>
#include <cstdint>
#include <vector>

namespace pf {

inline constexpr int MaxPairs = 2 * MaxMatches;

struct SequentialState {
    std::int32_t Depth = 0;
    std::int32_t Size = 0;
    std::int32_t Courts = 1;
    std::array<std::array<std::int32_t, MaxMembers>, MaxMembers> PairCount{};
    std::array<std::int32_t, MaxPairs> FirstOf{};
    std::array<std::int32_t, MaxPairs> SecondOf{};
    std::array<std::int32_t, MaxMembers> Plays{};
    std::int64_t Tests = 0;
    std::int32_t MaxDepth = 0;
};

// Places 240 pairs for state.Size participants on `courts` courts; returns
// Depth (240). The slacks widen with the number of candidate positions visited
// by a fixed rule, so a seed always gives the same schedule; minimum and
// maximum of the counts are kept incrementally so that a visit costs O(1).
int SearchPairs(SequentialState& state, int courts);

// Seeds the process generator from the clock, shuffles the participants and
// fills the 120 slots' names.
void GenerateSequential(SequentialState& state, const std::vector<Name>& names, int courts,
                        MatchTable& table);

} // namespace pf
