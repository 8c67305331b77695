#include "pairing/random_selection.h"

#include <array>
#include <cstdint>

namespace pf {
namespace {

using Key = std::array<std::uint32_t, 3>;

// Walks the available members in ascending id, keeps those with the smallest
// key, draws one of them and marks it placed. Exactly one draw per choice.
template <typename KeyOf> int choose(EntryList& list, KeyOf keyOf) {
    std::array<int, 256> candidates{};
    int count = 0;
    Key best{};
    for (int id = 1; id <= list.size(); ++id) {
        if (list.state(id) != EntryList::Available)
            continue;
        const Key key = keyOf(id);
        if (count == 0 || key < best) {
            best = key;
            count = 0;
            candidates[static_cast<std::size_t>(count++)] = id;
        } else if (key == best) {
            candidates[static_cast<std::size_t>(count++)] = id;
        }
    }
    const int chosen = list.RandomPick(count, candidates.data());
    list.MarkPlaced(chosen);
    return chosen;
}

} // namespace

int PickFirst(EntryList& list) {
    return choose(list, [&](int id) { return Key{list.played(id), 0, 0}; });
}

int PickPartner(EntryList& list, int x) {
    const int y = choose(list, [&](int id) {
        return Key{list.partnered(x, id), list.played(id), list.lastPartnered(x, id)};
    });
    list.AddPartner(x, y);
    list.AddPartner(y, x);
    return y;
}

int PickOpponent(EntryList& list, int a, int b) {
    const int c = choose(list, [&](int id) {
        const std::uint32_t met = list.opposed(a, id) + list.opposed(b, id);
        return Key{list.played(id), met, list.facedPair(id, a, b)};
    });
    list.AddPairFaced(a, b, c);
    list.AddOpponent(a, c);
    list.AddOpponent(c, a);
    list.AddOpponent(b, c);
    list.AddOpponent(c, b);
    return c;
}

int PickSecondOpponent(EntryList& list, int a, int b, int c) {
    const int d = PickPartner(list, c);
    list.AddPairFaced(a, b, d);
    list.AddPairFaced(c, d, a);
    list.AddPairFaced(c, d, b);
    list.AddOpponent(a, d);
    list.AddOpponent(d, a);
    list.AddOpponent(b, d);
    list.AddOpponent(d, b);
    return d;
}

void GenerateRound(EntryList& list, const std::vector<Name>& names, int n, int courts,
                   MatchRecord* records) {
    list.RegisterRoster(&names, n, courts);
    for (int m = 0; m < courts; ++m) {
        ++list.MatchSerial;
        const int a = PickFirst(list);
        const int b = PickPartner(list, a);
        const int c = PickOpponent(list, a, b);
        const int d = PickSecondOpponent(list, a, b, c);
        list.CopyNames(a, b, c, d, records[m]);
    }
}

void generateRandomPairing(EntryList& list, const std::vector<Name>& participants, int courts,
                           MatchTable& table) {
    const int n = static_cast<int>(participants.size());
    for (int r = 0; r < MaxMatches / courts; ++r)
        GenerateRound(list, participants, n, courts, &table[static_cast<std::size_t>(r * courts)]);
}

} // namespace pf
