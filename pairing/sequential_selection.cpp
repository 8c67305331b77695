#include "pairing/sequential_selection.h"

#include "pairing/random_source.h"

#include <algorithm>

namespace pf {
namespace {

// Counts per value, with the smallest and largest value present, for a
// multiset of small non-negative integers that changes by +1 / -1 steps.
class SpreadTracker {
public:
    void reset(int members) {
        std::fill(hist_.begin(), hist_.end(), 0);
        hist_[0] = members;
        lo_ = 0;
        hi_ = 0;
    }
    void raise(int v) {
        --hist_[idx(v)];
        ++hist_[idx(v + 1)];
        if (v + 1 > hi_)
            hi_ = v + 1;
        if (v == lo_ && hist_[idx(v)] == 0)
            lo_ = v + 1;
    }
    void lower(int v) {
        --hist_[idx(v)];
        ++hist_[idx(v - 1)];
        if (v - 1 < lo_)
            lo_ = v - 1;
        if (v == hi_ && hist_[idx(v)] == 0)
            hi_ = v - 1;
    }
    int lo() const { return lo_; }
    int hi() const { return hi_; }
    int countOf(int v) const { return hist_[idx(v)]; }

private:
    static std::size_t idx(int v) { return static_cast<std::size_t>(v); }
    std::array<int, MaxPairs + 2> hist_{};
    int lo_ = 0;
    int hi_ = 0;
};

class Search {
public:
    Search(SequentialState& s, int courts) : s_(s), roundPairs_(2 * courts) {}

    int run() {
        const int n = s_.Size;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                s_.PairCount[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = 0;
        s_.FirstOf.fill(0);
        s_.SecondOf.fill(0);
        std::fill(s_.Plays.begin(), s_.Plays.begin() + n, 0);
        s_.Depth = 0;
        s_.Tests = 0;
        s_.MaxDepth = 0;
        pairs_.reset(n * (n - 1) / 2);
        plays_.reset(n);

        int i = 0;
        int j = 1;
        for (;;) {
            ++s_.Tests;
            if (s_.Depth > 0 && s_.FirstOf[top()] == i && s_.SecondOf[top()] == j) {
                takeBack(i, j);
            } else if (partnerSpreadOk(i, j) && playSpreadOk(i, j) && roundFree(i, j)) {
                place(i, j);
                if (s_.Depth == MaxPairs)
                    return s_.Depth;
            }
            if (++j == n) {
                if (++i == n - 1)
                    i = 0;
                j = i + 1;
            }
        }
    }

private:
    std::size_t top() const { return static_cast<std::size_t>(s_.Depth - 1); }
    std::int32_t& pairCount(int i, int j) {
        return s_.PairCount[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
    }
    std::int32_t& plays(int i) { return s_.Plays[static_cast<std::size_t>(i)]; }
    bool deep() const { return s_.MaxDepth / 2 < s_.Depth; }

    void place(int i, int j) {
        plays_.raise(plays(i)++);
        plays_.raise(plays(j)++);
        s_.FirstOf[static_cast<std::size_t>(s_.Depth)] = i;
        s_.SecondOf[static_cast<std::size_t>(s_.Depth)] = j;
        ++s_.Depth;
        s_.MaxDepth = std::max(s_.MaxDepth, s_.Depth);
        pairs_.raise(pairCount(i, j)++);
    }

    void takeBack(int i, int j) {
        --s_.Depth;
        pairs_.lower(pairCount(i, j)--);
        plays_.lower(plays(i)--);
        plays_.lower(plays(j)--);
    }

    bool partnerSpreadOk(int i, int j) const {
        const int v = s_.PairCount[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
        const int hi = std::max(pairs_.hi(), v + 1);
        int lo = pairs_.lo();
        if (v == lo && pairs_.countOf(v) == 1)
            lo = v + 1; // this pair was the only one at the minimum
        int slack = 1;
        if (s_.Tests > 400000 && deep())
            slack = 3;
        else if (s_.Tests > 240000)
            slack = 2;
        else if (s_.Tests > 160000 && deep())
            slack = 2;
        return lo + slack >= hi;
    }

    bool playSpreadOk(int i, int j) const {
        const int pi = s_.Plays[static_cast<std::size_t>(i)];
        const int pj = s_.Plays[static_cast<std::size_t>(j)];
        const int hi = std::max({plays_.hi(), pi + 1, pj + 1});
        // When every member at the minimum is one of the two, the minimum
        // moves up by one (the raised member holds it); otherwise it stays.
        const int lo0 = plays_.lo();
        const int leftAtLo = plays_.countOf(lo0) - (pi == lo0) - (pj == lo0);
        const int lo = leftAtLo > 0 ? lo0 : lo0 + 1;
        int slack = 1;
        if (s_.Tests > 320000)
            slack = 2;
        else if (s_.Tests > 80000 && deep())
            slack = 2;
        return lo + slack >= hi;
    }

    bool roundFree(int i, int j) const {
        const int start = (s_.Depth / roundPairs_) * roundPairs_;
        for (int k = start; k < s_.Depth; ++k) {
            const int f = s_.FirstOf[static_cast<std::size_t>(k)];
            const int g = s_.SecondOf[static_cast<std::size_t>(k)];
            if (f == i || f == j || g == i || g == j)
                return false;
        }
        return true;
    }

    SequentialState& s_;
    int roundPairs_;
    SpreadTracker pairs_;
    SpreadTracker plays_;
};

} // namespace

int SearchPairs(SequentialState& state, int courts) {
    state.Courts = courts;
    return Search(state, courts).run();
}

void GenerateSequential(SequentialState& state, const std::vector<Name>& names, int courts,
                        MatchTable& table) {
    seedFromClock();
    const int n = static_cast<int>(names.size());
    state.Size = n;
    std::vector<bool> drawn(static_cast<std::size_t>(n), false);
    std::vector<const Name*> order(static_cast<std::size_t>(n), nullptr);
    Lcg& random = processRandom();
    for (int i = 0; i < n; ++i) {
        int r = 0;
        do {
            r = random.next() % n;
        } while (drawn[static_cast<std::size_t>(r)]);
        drawn[static_cast<std::size_t>(r)] = true;
        order[static_cast<std::size_t>(i)] = &names[static_cast<std::size_t>(r)];
    }
    SearchPairs(state, courts);
    for (int k = 0; k < MaxPairs; ++k) {
        MatchRecord& slot = table[static_cast<std::size_t>(k / 2)];
        const Name& first =
            *order[static_cast<std::size_t>(state.FirstOf[static_cast<std::size_t>(k)])];
        const Name& second =
            *order[static_cast<std::size_t>(state.SecondOf[static_cast<std::size_t>(k)])];
        if (k % 2 == 0) {
            slot.a = first;
            slot.b = second;
        } else {
            slot.c = first;
            slot.d = second;
        }
    }
}

} // namespace pf
