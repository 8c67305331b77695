#pragma once
// How often each two members met in one way (as partners, or as opponents),
// by their index in the day's list. One type for the balanced method's
// history, re-planning, the quality report, the benchmarks and the tests, so
// a count means the same wherever it is read.

#include <cstddef>
#include <vector>

namespace pf {

// Symmetric; the diagonal stays 0.
class PairMatrix {
public:
    explicit PairMatrix(int size = 0)
        : size_(size), cells_(static_cast<std::size_t>(size) * static_cast<std::size_t>(size)) {}
    int size() const { return size_; }
    int at(int i, int j) const { return cells_[index(i, j)]; }
    void add(int i, int j) {
        ++cells_[index(i, j)];
        ++cells_[index(j, i)];
    }
    bool operator==(const PairMatrix&) const = default;

private:
    std::size_t index(int i, int j) const {
        return static_cast<std::size_t>(i) * static_cast<std::size_t>(size_) +
               static_cast<std::size_t>(j);
    }
    int size_;
    std::vector<int> cells_;
};

} // namespace pf
