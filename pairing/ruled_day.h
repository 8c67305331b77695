#pragma once
// A balanced day under the club's own rules: mixed pairs, fixed partners,
// members kept apart and near levels are never broken; level balance is the
// first aim after them, and partners and opponents are then shared out as
// evenly as the rules leave room for.
//
// The day is built in units: a fixed pair is one unit that plays and rests as
// one, everybody else a unit of one. Units fall into play groups, each with its
// own even rotation, because the rules can make the groups' rates differ:
//  - without mixed doubles: everybody (single members), and the fixed pairs;
//  - with mixed doubles: men and women apart (single members), and the fixed
//    pairs, whose man and woman take one place of each gender at once.
// Within a group the plays differ by at most one at every round boundary;
// where the rules leave no such rotation (levels kept near, mostly) by two at
// some boundaries, and a day that would drift further is refused.
//
// Deterministic: the same members, facts, rules, courts, history and seed give
// the same table. The search stops on a number of moves, never on the clock.
// With no rule chosen the caller uses generateBalanced, which this leaves alone.

#include "model/session.h"
#include "pairing/balanced_selection.h"
#include "pairing/day_rules.h"
#include "pairing/schedule_quality.h"

#include <string>
#include <vector>

namespace pf {

// Fills matches [firstMatch, 120) of `table` like generateBalanced, holding
// `rules` for `facts` (facts by the index of `participants`). Returns the
// organiser's reason (UTF-8) when no day can hold the hard rules, leaving
// `table` untouched; empty when the day was made. `note`, when given, is set
// to what the organiser should know of a day that was made (UTF-8): that the
// rules left plays two apart where the day may stop; else emptied.
std::string generateRuledDay(const std::vector<Name>& participants, int courts, int firstMatch,
                             const BalancedHistory* history, const DayFacts& facts,
                             const DayRules& rules, const BalancedOptions& options,
                             MatchTable& table, std::string* note = nullptr);

// One figure of a ruled day with the best any table could do and the members
// or pairs it is taken over, as the report names them (UTF-8).
struct RuledFigure {
    std::string over;
    QualityFigure figure;
};

// How evenly a table shares play, partners and opponents within the rules:
// play spread per play group (see above), partner spread over the pairs the
// rules let be partners (man and woman under mixed doubles; never a member of
// a fixed pair, nor two kept apart or too far apart in level), opponent
// spread per kind of pair (man–man, woman–woman, man–woman under mixed
// doubles; everybody otherwise). With level balance or near levels on, and
// members of more than one level, each pair is held to the pairs of the same
// two levels within its kind. Groups or kinds without members are left out.
struct RuledQuality {
    std::vector<RuledFigure> playSpread;
    RuledFigure partnerSpread;
    std::vector<RuledFigure> opponentSpread;

    // What an even share of the day's slots gives one pair of members (by
    // the index of `names`): counts in [lo, hi] are as even as can be, from
    // the share of their cell and from each one's own slots there over the
    // members the rules let them meet (a member who may meet few meets them
    // more often). Each figure's bound is the least spread those shares
    // force on its cell, or, where the cell reads more than one above that,
    // the least the rules force on it (leastForcedSpread); the windows stay
    // the shares'. Not counted: the rules never let the two be partners (or
    // opponents).
    struct PairWindow {
        bool counted = false;
        int lo = 0;
        int hi = 0;
    };
    int members = 0;
    std::vector<PairWindow> partnerWindows;  // members × members
    std::vector<PairWindow> opponentWindows; // members × members
    const PairWindow& partnerWindow(int i, int j) const {
        return partnerWindows[static_cast<std::size_t>(i * members + j)];
    }
    const PairWindow& opponentWindow(int i, int j) const {
        return opponentWindows[static_cast<std::size_t>(i * members + j)];
    }
};

// Over the slots [firstMatch, endMatch) of `table`; `names` are the members
// the facts are by.
RuledQuality ruledQuality(const std::vector<Name>& names, const DayFacts& facts,
                          const DayRules& rules, const MatchTable& table, int courts,
                          int firstMatch = 0, int endMatch = MaxMatches);

} // namespace pf
