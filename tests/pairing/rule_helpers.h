#pragma once
// Rosters and facts the tests of the day's rules write by hand.

#include "pairing/day_rules.h"

#include <algorithm>
#include <vector>

namespace pf::test {

inline constexpr Gender M = Gender::Male;
inline constexpr Gender F = Gender::Female;

// A, B, C, … as one-letter names.
inline std::vector<Name> letters(int n) {
    std::vector<Name> names;
    for (int i = 0; i < n; ++i)
        names.push_back(Name(1, static_cast<char>('A' + i)));
    return names;
}

inline void pair(DayFacts& facts, int i, int j) {
    facts.fixedPartner[static_cast<std::size_t>(i)] = j;
    facts.fixedPartner[static_cast<std::size_t>(j)] = i;
}

inline void keepApart(DayFacts& facts, int i, int j) {
    facts.keptApart[static_cast<std::size_t>(i)].push_back(j);
    facts.keptApart[static_cast<std::size_t>(j)].push_back(i);
    for (auto& list : facts.keptApart)
        std::sort(list.begin(), list.end());
}

} // namespace pf::test
