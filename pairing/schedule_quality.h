#pragma once
// How evenly a table of matches shares out play, partners, opponents and
// rests among the day's members, beside the best any table of the same size
// could do. The statistics window, pairforge-cli report and the benchmarks
// all read the same figures.

#include "model/session.h"
#include "pairing/pair_matrix.h"

#include <optional>
#include <vector>

namespace pf {

struct QualityFigure {
    int value = 0;
    // The best value any table with the same members, courts and number of
    // plays could reach; none when nothing limits the figure.
    std::optional<int> bound;
};

struct MemberQuality {
    Name name;
    int plays = 0;             // matches played
    int longestSitOut = 0;     // most consecutive rounds without a match, between two of
                               // theirs (all rounds when they never play)
    int longestPlayRun = 0;    // most consecutive rounds with a match
    int distinctPartners = 0;  // members met on the same side at least once
    int distinctOpponents = 0; // members met on the other side at least once
    // Came later or left earlier than the others: the wait before their first
    // match (after their last) is longer than anybody's between two matches.
    bool joined = false;
    bool left = false;
};

struct ScheduleQuality {
    int members = 0;                 // N
    int courts = 0;                  // n, matches per round
    int matches = 0;                 // slots from firstMatch on that name anybody
    int rounds = 0;                  // rounds holding at least one of those matches
    int presentNow = 0;              // members who have not left (see MemberQuality::left)
    std::vector<MemberQuality> rows; // in roster order
    PairMatrix partners;
    PairMatrix opponents;
    double partnerMean = 0;  // over all N(N−1)/2 pairs, never-met pairs included
    double opponentMean = 0; // likewise

    QualityFigure playSpread;     // max − min of plays among those there throughout
    QualityFigure partnerSpread;  // max − min of partner counts over all pairs
    QualityFigure partnerMax;     // most matches two members share a side
    QualityFigure opponentSpread; // max − min of opponent counts over all pairs
    QualityFigure opponentMax;    // most matches two members face each other
    QualityFigure longestSitOut;  // over all members
    QualityFigure longestPlayRun; // over all members; no bound when nobody rests

    // The same shares judged at every round boundary, as if the day stopped
    // there. Excess at a boundary: a pair's count minus the rounded-up mean of
    // the pair slots played so far (2 partner and 4 opponent slots a match,
    // over all N(N−1)/2 pairs); each figure is the largest over all
    // boundaries (and pairs).
    QualityFigure prefixPlaySpread;
    QualityFigure prefixPartnerExcess;
    QualityFigure prefixOpponentExcess;
};

// Figures over the slots firstMatch … 119 (0-based) for `members`, taken as
// the day's roster (participantsOf). Round r is slots r·courts … r·courts +
// courts − 1; a round whose counted slots are all empty is not a round at all,
// so a part-filled table is not judged by its blank end. Names in a match that
// are not among `members` count for nobody (a hand-edited file may hold them);
// when a name appears twice in `members`, the first row owns it.
// With endMatch below 120 the day is judged as if it stopped before slot
// endMatch (0-based, exclusive): "up to round r" is endMatch = r·courts.
ScheduleQuality computeQuality(const std::vector<Name>& members, const MatchTable& table,
                               int courts, int firstMatch = 0, int endMatch = MaxMatches);

// How far a pair's count is from what an even share allows: 0 when it is the
// mean rounded down or up (no table can do better for every pair), +k when it
// is k above the rounded-up mean, −k when k below the rounded-down one.
int distanceFromEven(int count, double mean);

} // namespace pf
