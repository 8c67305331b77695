#include "pairing/entry_list.h"

#include "pairing/random_source.h"

#include <cstdio>
#include <cstdlib>
#include <new>

namespace pf {
namespace {

[[noreturn]] void failAllocation() {
    std::fputs("not alocate!\n", stdout);
    std::fflush(stdout);
    std::exit(1);
}

[[noreturn]] void failCall(const char* text) {
    std::perror(text);
    std::exit(1);
}

} // namespace

EntryList::EntryList() {
    seedFromClock();
}

void EntryList::grow(std::size_t needed) {
    if (needed <= cap_)
        return;
    std::size_t cap = cap_ == 0 ? 8 : cap_;
    while (cap < needed)
        cap *= 2;
    try {
        std::vector<std::uint32_t> pc(cap * cap, 0), pl(cap * cap, 0), oc(cap * cap, 0);
        std::vector<std::uint32_t> pairs(cap * cap * cap, 0);
        const std::size_t n = names_.size();
        for (std::size_t x = 0; x < n; ++x) {
            for (std::size_t y = 0; y < n; ++y) {
                pc[x * cap + y] = partnerCount_[x * cap_ + y];
                pl[x * cap + y] = partnerLast_[x * cap_ + y];
                oc[x * cap + y] = opponentCount_[x * cap_ + y];
                for (std::size_t z = 0; z < n; ++z)
                    pairs[(x * cap + y) * cap + z] = pairCount_[(x * cap_ + y) * cap_ + z];
            }
        }
        partnerCount_ = std::move(pc);
        partnerLast_ = std::move(pl);
        opponentCount_ = std::move(oc);
        pairCount_ = std::move(pairs);
        cap_ = cap;
    } catch (const std::bad_alloc&) {
        failAllocation();
    }
}

int EntryList::findOrAppend(const Name& name) {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (names_[i] == name)
            return static_cast<int>(i) + 1;
    }
    try {
        grow(names_.size() + 1);
        names_.push_back(name);
        state_.push_back(NotInRoster);
        played_.push_back(0);
    } catch (const std::bad_alloc&) {
        failAllocation();
    }
    const int id = size();
    // The new member's tallies about itself, and in every pairs chain it owns
    // the entry for itself, start at all bits set; everything else at 0.
    partnerCount_[at2(id, id)] = OwnTally;
    opponentCount_[at2(id, id)] = OwnTally;
    for (int y = 1; y <= id; ++y)
        pairCount_[at3(id, y, id)] = OwnTally;
    for (int e = 1; e < id; ++e)
        pairCount_[at3(e, id, e)] = OwnTally;
    return id;
}

void EntryList::RegisterRoster(const std::vector<Name>* names, int n, int courts) {
    if (n < 4 * courts)
        failCall("entry_size is illegal\n");
    if (names == nullptr || n < 0 || static_cast<std::size_t>(n) > names->size())
        failCall("entry list is illegal\n");
    for (auto& s : state_)
        s = NotInRoster;
    for (int i = 0; i < n; ++i) {
        const int id = findOrAppend((*names)[static_cast<std::size_t>(i)]);
        state_[idx(id)] = Available;
    }
}

void EntryList::MarkPlaced(int id) {
    ++played_[idx(id)];
    state_[idx(id)] = Placed;
}

int EntryList::RandomPick(int k, const int* candidates) const {
    const int r = processRandom().next();
    return candidates[r % k];
}

void EntryList::AddPartner(int x, int y) {
    ++partnerCount_[at2(x, y)];
    partnerLast_[at2(x, y)] = static_cast<std::uint32_t>(MatchSerial);
}

void EntryList::AddOpponent(int x, int y) {
    ++opponentCount_[at2(x, y)];
}

void EntryList::AddPairFaced(int y, int z, int x) {
    ++pairCount_[at3(x, y, z)];
    ++pairCount_[at3(x, z, y)];
}

void EntryList::CopyNames(int a, int b, int c, int d, MatchRecord& record) const {
    record.a = name(a);
    record.b = name(b);
    record.c = name(c);
    record.d = name(d);
}

void EntryList::Clear() {
    MatchSerial = 0;
    names_.clear();
    state_.clear();
    played_.clear();
    // Keep the arrays for the next pairing but forget every tally.
    std::fill(partnerCount_.begin(), partnerCount_.end(), 0u);
    std::fill(partnerLast_.begin(), partnerLast_.end(), 0u);
    std::fill(opponentCount_.begin(), opponentCount_.end(), 0u);
    std::fill(pairCount_.begin(), pairCount_.end(), 0u);
}

} // namespace pf
