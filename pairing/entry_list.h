#pragma once
// The memory of the random-selection method: per participant the number of
// matches played and the tallies of partnerships, oppositions and pairs faced.
//
// Ids are 1-based positions in creation order. Tallies are held in dense
// arrays indexed by id; a member's tallies about itself hold all bits set, so
// that compared as unsigned numbers they rank after every real count.

#include "model/session.h"

#include <cstdint>
#include <vector>

namespace pf {

class EntryList {
public:
    static constexpr std::uint32_t OwnTally = 0xffffffffu;

    enum State : std::int32_t { NotInRoster = 0, Available = 1, Placed = 2 };

    // Seeds the process generator from the clock when the list comes into
    // being at start-up, so that no two runs draw the same days.
    EntryList();

    std::int32_t MatchSerial = 0;

    // Fatal (process exit 1) when names is null, holds fewer than n names, or
    // n < 4 * courts.
    void RegisterRoster(const std::vector<Name>* names, int n, int courts);
    void MarkPlaced(int id);
    int RandomPick(int k, const int* candidates) const;
    void AddPartner(int x, int y);
    void AddOpponent(int x, int y);
    void AddPairFaced(int y, int z, int x);
    void CopyNames(int a, int b, int c, int d, MatchRecord& record) const;
    void Clear();

    // Observers.
    int size() const { return static_cast<int>(names_.size()); }
    // Bytes held by the tally arrays (they grow with the cube of the roster).
    std::size_t tallyBytes() const {
        return sizeof(std::uint32_t) *
               (partnerCount_.capacity() + partnerLast_.capacity() + opponentCount_.capacity() +
                pairCount_.capacity());
    }
    const Name& name(int id) const { return names_[idx(id)]; }
    std::int32_t state(int id) const { return state_[idx(id)]; }
    std::uint32_t played(int id) const { return played_[idx(id)]; }
    std::uint32_t partnered(int x, int y) const { return partnerCount_[at2(x, y)]; }
    std::uint32_t lastPartnered(int x, int y) const { return partnerLast_[at2(x, y)]; }
    std::uint32_t opposed(int x, int y) const { return opponentCount_[at2(x, y)]; }
    // Matches in which x played against the pair y and z.
    std::uint32_t facedPair(int x, int y, int z) const { return pairCount_[at3(x, y, z)]; }

private:
    static std::size_t idx(int id) { return static_cast<std::size_t>(id - 1); }
    std::size_t at2(int x, int y) const { return idx(x) * cap_ + idx(y); }
    std::size_t at3(int x, int y, int z) const { return (idx(x) * cap_ + idx(y)) * cap_ + idx(z); }
    int findOrAppend(const Name& name);
    void grow(std::size_t needed);

    std::size_t cap_ = 0; // dimension of the tally arrays
    std::vector<Name> names_;
    std::vector<std::int32_t> state_;
    std::vector<std::uint32_t> played_;
    std::vector<std::uint32_t> partnerCount_;
    std::vector<std::uint32_t> partnerLast_;
    std::vector<std::uint32_t> opponentCount_;
    std::vector<std::uint32_t> pairCount_;
};

} // namespace pf
