#pragma once
// The data file does not store the court count. A table made for n courts
// holds 4·n different members in every round; a larger n would put somebody on
// two courts at once, so the largest n that still fits is the one it was made
// for (or one under which it can be played).

#include "model/session.h"

#include <vector>

namespace pf {

// True when every round of `courts` consecutive matches names 4·courts
// different members. Empty name fields (unfilled slots) are not counted as
// members.
bool roundsHoldDistinctMembers(const MatchTable& table, int courts);

// The largest of 3, 2, 1 for which roundsHoldDistinctMembers holds; 1 when
// none does (one court can always be played, match after match).
int guessCourtCount(const MatchTable& table);

// Every count of 3, 2, 1 for which roundsHoldDistinctMembers holds, largest
// first; a guess is only sure when this holds one count.
std::vector<int> fittingCourtCounts(const MatchTable& table);

// The day's length in rounds of `courts` matches: up to the last round that
// names anybody. A day planned shorter than 120 matches leaves the slots after
// it empty, and the board, the court display and the statistics stop there.
int dayRoundsOf(const MatchTable& table, int courts);

} // namespace pf
