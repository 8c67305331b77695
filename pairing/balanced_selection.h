#pragma once
// Balanced selection: first decides who sits out each round, by a rotation in
// which nobody sits again before everybody has had their turn, then rearranges
// who partners and who opposes whom by simulated annealing until every pair
// has met about as often as every other.
//
// Hard rules of every schedule it makes: nobody twice in a round; the play
// counts of the filled part differ by at most one (by none when they can be
// equal), and so do those of every stretch from its first round to any
// later round boundary; nobody sits out more than one round longer than the even rotation
// would need. Within those rules it aims for partner and opponent counts that
// all lie within one of each other, and for play runs that are not longer than
// the rotation needs.
//
// Deterministic: the same participants, courts, history and seed give the same
// table. The search stops on a number of moves, never on the clock.
//
// For the few rosters where that search seldom finds an even day in time, a
// whole day is instead one kept as data, with the seed choosing who takes
// which part in it, whether the day runs forwards or backwards, and the order
// of courts and sides.

#include "model/session.h"
#include "pairing/pair_matrix.h"

#include <cstdint>
#include <vector>

namespace pf {

// What the kept part of a day already holds, for the members present from the
// first re-planned match on, in the order of `participants`.
struct BalancedHistory {
    PairMatrix partner;         // matches already played on the same side
    PairMatrix opponent;        // matches already played on opposite sides
    std::vector<int> sitOutRun; // rounds each sat out in a row at the end of the kept part
                                // (0 = played the last kept round, or new)
    std::vector<int> playRun;   // rounds each played in a row at the end of the kept part
    // Matches each counts as having played already, on the whole day's
    // scale: the kept part's plays, and for whoever came later the plays the
    // others had by then. The new part evens out these counts plus its own
    // (within one where the rounds left allow), so the day ends even. Empty:
    // nobody is ahead.
    std::vector<int> playCredit;
};

struct BalancedOptions {
    std::uint32_t seed = 0;
    std::int64_t moveBudget = -1; // -1: the program's own budget; tests pass small budgets
    // A whole day for a roster with a stored day (pairing/stored_designs.h)
    // is that day relabelled; off, the search runs for every roster (the
    // tool that finds stored days, and tests of the search itself).
    bool storedDays = true;
    // Play counts within one of each other at every round boundary, so the
    // day is even wherever it stops, and pairs met again as late as the
    // whole-day aims allow. Off: the day judged only as a whole, as before
    // (the quality benchmark compares the two).
    bool fairAtEveryRound = true;
    // The day's end (0-based slot, exclusive, a multiple of courts): a club
    // that will play only so many rounds gets those planned as a day of
    // their own; the slots from here on are left empty.
    int endMatch = MaxMatches;
};

// Fills matches [firstMatch, 120) (0-based; firstMatch a multiple of courts) of
// `table` with `participants` (4*courts <= N <= 100, names all different) on
// `courts` courts; scores of the filled slots are set to 0; slots before
// firstMatch are not touched. With history == nullptr the whole-day case
// (firstMatch = 0); a history's vectors are sized for N members.
void generateBalanced(const std::vector<Name>& participants, int courts, int firstMatch,
                      const BalancedHistory* history, const BalancedOptions& options,
                      MatchTable& table);

// The number of moves the search may make for N members on `courts` courts
// when the caller does not set one; chosen so the largest roster still
// finishes well within a second.
std::int64_t defaultBalancedBudget(int members, int courts);

} // namespace pf
