#pragma once
// How far apart the rules force the counts of one cell's pairs, whatever a
// day does: pairs the rules never let meet are not in the cell, and a member
// who may meet only a few of the others has to meet those few the more. Four
// men, two of them kept apart and each facing a man in every match: the two
// kept apart must face the other two all the time, which leaves those two
// never facing each other, so one pair stays at 0 while the others are at 15.
// ruledQuality takes this as the bound of a cell that reads more than one
// above the bound an even share gives, where the rules fix each member's
// count in the cell.
//
// `pairs` are the cell's pairs by member index, `totals` each member's count
// over them (by member index; members without pairs are ignored). Returns the
// least d in [from, below) for which counts in some [l, l + d] could give
// every member its total, or `below` when none can. Judged with l whole and
// the counts between real, so it never claims more than whole counts need.

#include <utility>
#include <vector>

namespace pf {

int leastForcedSpread(const std::vector<std::pair<int, int>>& pairs, const std::vector<int>& totals,
                      int from, int below);

} // namespace pf
