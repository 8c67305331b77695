#pragma once
// Greedy random selection: each round's matches are built member by member,
// each choice drawn at random among the best-ranked available members.

#include "model/session.h"
#include "pairing/entry_list.h"

#include <vector>

namespace pf {

int PickFirst(EntryList& list);
int PickPartner(EntryList& list, int x);
int PickOpponent(EntryList& list, int a, int b);
int PickSecondOpponent(EntryList& list, int a, int b, int c);

// Fills records[0 … courts-1] with the matches of one round.
void GenerateRound(EntryList& list, const std::vector<Name>& names, int n, int courts,
                   MatchRecord* records);

// All 120 slots, round by round, from the list as it is (the driver hands it
// over empty).
void generateRandomPairing(EntryList& list, const std::vector<Name>& participants, int courts,
                           MatchTable& table);

} // namespace pf
