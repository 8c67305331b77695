#pragma once
// Whole days kept as data for the rosters where the balanced search, in the
// quarter of a second it is given, seldom brings every pair within its bound:
// mostly one court with 13 to 92 members, where play kept within one at every
// round boundary leaves the search almost no room to move anybody. Most were
// found by pairforge-design-search (tools/), which runs the same search for
// far longer and writes them into stored_designs.cpp; a few are built from a
// known design. Every one keeps the hard rules of a balanced day. The
// balanced method hands one out relabelled by its seed, so two days of the
// same club still differ.

#include <span>

namespace pf {

struct StoredDesign {
    int members;
    int courts;
    // 120 matches in day order, four characters each: one per member,
    // "0"-"9", "A"-"Z", "a"-"z" for members 0-61, then the ASCII punctuation
    // for members 62-91; the first two of a match are one side, the last two
    // the other.
    const char* matches;
};

// The most members a stored day can name, one character each.
constexpr int MostStoredMembers = 92;

// The stored day for `members` on `courts`, or nullptr.
const StoredDesign* findStoredDesign(int members, int courts);

// Every stored day, for the tests that hold each to the rules.
std::span<const StoredDesign> storedDesigns();

// The member a character of `matches` stands for; -1 for any other character.
int storedMemberIndex(char c);

// The character that stands for member `index` (0 <= index < MostStoredMembers).
char storedMemberChar(int index);

} // namespace pf
