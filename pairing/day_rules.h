#pragma once
// The club's own rules for a balanced day: mixed doubles, level balance, near
// levels, fixed partners and members kept apart. The facts they read (gender,
// level, partner, who to keep apart) come from the members' facts file; here
// they are by roster index, for the members present today only.
//
// The random and sequential methods know no rules; a balanced day with none
// chosen is made exactly as without them.

#include "model/session.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace pf {

enum class Gender { Unset, Male, Female };

inline constexpr int UnsetLevel = 0;
inline constexpr int MinLevel = 1;
inline constexpr int MaxLevel = 5;
// A member without a level counts as the middle of the scale.
inline constexpr int MiddleLevel = 3;
inline int ruleLevel(int level) {
    return level == UnsetLevel ? MiddleLevel : level;
}

struct DayRules {
    bool mixed = false;        // every side one man and one woman
    bool levelBalance = false; // the two sides' level sums within 1 (an aim)
    bool levelNear = false;    // all four of a match within 1 level
    bool fixedPairs = false;   // a fixed pair plays on one side and rests together
    bool keptApart = false;    // members kept apart never share a match
    bool any() const { return mixed || levelBalance || levelNear || fixedPairs || keptApart; }
    bool operator==(const DayRules&) const = default;
};

// The rules as the settings keep them, a bit each.
enum DayRuleBit : std::int32_t {
    RuleMixedBit = 1,
    RuleLevelBalanceBit = 2,
    RuleLevelNearBit = 4,
    RuleFixedPairsBit = 8,
    RuleKeptApartBit = 16,
};
DayRules dayRulesFromBits(std::int32_t bits);
std::int32_t dayRuleBits(const DayRules& rules);

// Where each name stands in today's list; −1 for a name not on it. The first
// of two equal names owns it.
class NameIndex {
public:
    explicit NameIndex(const std::vector<Name>& names, std::size_t count = SIZE_MAX);
    int operator()(const Name& name) const;

private:
    std::unordered_map<Name, int> index_;
};

struct DayFacts {
    std::vector<Gender> gender;              // by roster index
    std::vector<int> level;                  // UnsetLevel or 1…5
    std::vector<int> fixedPartner;           // roster index, −1 for none (or not here)
    std::vector<std::vector<int>> keptApart; // sorted, both ways
    // Fixed partners named one way and another (A names B, B names C): the
    // day is refused until the facts agree. UTF-8, empty when they do.
    std::string conflict;
    explicit DayFacts(int members = 0);
    int size() const { return static_cast<int>(gender.size()); }
    bool apart(int i, int j) const;
};

// Of `rules`, those that change anything for these members: level balance
// where their levels (unset as the middle) are not all alike, near levels
// where two of them are more than one level apart, fixed pairs where
// somebody's partner is here, members kept apart where two of them are here.
// Mixed doubles always binds. Where none binds, a day is made as without
// rules.
DayRules bindingRules(const DayFacts& facts, const DayRules& rules);

// Why no day can hold `rules` for these members on `courts` courts, as the
// organiser reads it (UTF-8); empty when nothing rules a day out beforehand.
// `names` (Shift-JIS) name the members in messages.
std::string rulesRefusal(const std::vector<Name>& names, const DayFacts& facts,
                         const DayRules& rules, int courts);

// How well a table held the rules, counted over the filled slots in
// [firstMatch, endMatch). A match breaking a rule counts once per rule it
// breaks; a fixed pair counts a break in every round in which one of the two
// plays without the other at their side. Level gaps are between the two
// sides' sums, unset levels as the middle.
struct RuleFigures {
    int mixedBreaks = 0;
    int nearBreaks = 0;
    int fixedBreaks = 0;
    int apartBreaks = 0;
    int largestLevelGap = 0;
    double meanLevelGap = 0;
    int fixedPairs = 0;     // fixed pairs with both here
    int fixedPairsKept = 0; // of them, never split
    int apartPairs = 0;     // pairs kept apart with both here
    int apartPairsKept = 0; // of them, never in one match
    int breaks(const DayRules& rules) const;
};

RuleFigures ruleFigures(const std::vector<Name>& names, const DayFacts& facts,
                        const MatchTable& table, int courts, int firstMatch = 0,
                        int endMatch = MaxMatches);

} // namespace pf
