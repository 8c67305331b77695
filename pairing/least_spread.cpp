#include "pairing/least_spread.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <queue>

namespace pf {

namespace {

// Maximum flow by shortest augmenting paths in layers (Dinic).
class Flow {
public:
    explicit Flow(int nodes) : first_(static_cast<std::size_t>(nodes), -1) {}
    void add(int from, int to, std::int64_t capacity) {
        edges_.push_back({to, first_[static_cast<std::size_t>(from)], capacity});
        first_[static_cast<std::size_t>(from)] = static_cast<int>(edges_.size()) - 1;
        edges_.push_back({from, first_[static_cast<std::size_t>(to)], 0});
        first_[static_cast<std::size_t>(to)] = static_cast<int>(edges_.size()) - 1;
    }
    std::int64_t run(int source, int sink) {
        std::int64_t total = 0;
        while (layer(source, sink)) {
            next_ = first_;
            while (const std::int64_t pushed =
                       push(source, sink, std::numeric_limits<std::int64_t>::max()))
                total += pushed;
        }
        return total;
    }

private:
    struct Edge {
        int to;
        int next;
        std::int64_t capacity;
    };
    bool layer(int source, int sink) {
        depth_.assign(first_.size(), -1);
        depth_[static_cast<std::size_t>(source)] = 0;
        std::queue<int> queue;
        queue.push(source);
        while (!queue.empty()) {
            const int v = queue.front();
            queue.pop();
            for (int e = first_[static_cast<std::size_t>(v)]; e >= 0;
                 e = edges_[static_cast<std::size_t>(e)].next) {
                const Edge& edge = edges_[static_cast<std::size_t>(e)];
                if (edge.capacity > 0 && depth_[static_cast<std::size_t>(edge.to)] < 0) {
                    depth_[static_cast<std::size_t>(edge.to)] =
                        depth_[static_cast<std::size_t>(v)] + 1;
                    queue.push(edge.to);
                }
            }
        }
        return depth_[static_cast<std::size_t>(sink)] >= 0;
    }
    std::int64_t push(int v, int sink, std::int64_t limit) {
        if (v == sink)
            return limit;
        for (int& e = next_[static_cast<std::size_t>(v)]; e >= 0;
             e = edges_[static_cast<std::size_t>(e)].next) {
            Edge& edge = edges_[static_cast<std::size_t>(e)];
            if (edge.capacity <= 0 || depth_[static_cast<std::size_t>(edge.to)] !=
                                          depth_[static_cast<std::size_t>(v)] + 1)
                continue;
            if (const std::int64_t pushed = push(edge.to, sink, std::min(limit, edge.capacity))) {
                edge.capacity -= pushed;
                edges_[static_cast<std::size_t>(e ^ 1)].capacity += pushed;
                return pushed;
            }
        }
        return 0;
    }

    std::vector<int> first_;
    std::vector<int> next_;
    std::vector<int> depth_;
    std::vector<Edge> edges_;
};

} // namespace

// Counts l + x with 0 ≤ x ≤ d on every pair and the totals met: over real
// counts this holds exactly when a flow from each member's left copy to the
// right copies of those it may meet (d a pair each way) carries every
// member's total above l on both sides; halving the two ways of each pair
// gives the counts.
int leastForcedSpread(const std::vector<std::pair<int, int>>& pairs, const std::vector<int>& totals,
                      int from, int below) {
    if (pairs.empty() || from >= below)
        return std::max(from, 0);
    std::vector<int> index(totals.size(), -1);
    std::vector<int> member;
    std::vector<int> degree;
    for (const auto& [x, y] : pairs)
        for (int v : {x, y}) {
            if (index[static_cast<std::size_t>(v)] < 0) {
                index[static_cast<std::size_t>(v)] = static_cast<int>(member.size());
                member.push_back(v);
                degree.push_back(0);
            }
            ++degree[static_cast<std::size_t>(index[static_cast<std::size_t>(v)])];
        }
    const int m = static_cast<int>(member.size());
    auto total = [&](int i) {
        return static_cast<std::int64_t>(
            totals[static_cast<std::size_t>(member[static_cast<std::size_t>(i)])]);
    };
    std::int64_t highestFloor = std::numeric_limits<std::int64_t>::max();
    std::int64_t lowestCeiling = 0;
    for (int i = 0; i < m; ++i) {
        const std::int64_t deg = degree[static_cast<std::size_t>(i)];
        highestFloor = std::min(highestFloor, total(i) / deg);
        lowestCeiling = std::max(lowestCeiling, (total(i) + deg - 1) / deg);
    }
    for (int d = std::max(from, 0); d < below; ++d)
        for (std::int64_t l = std::max<std::int64_t>(0, lowestCeiling - d); l <= highestFloor;
             ++l) {
            Flow flow(2 * m + 2);
            const int source = 2 * m;
            const int sink = 2 * m + 1;
            std::int64_t needed = 0;
            bool possible = true;
            for (int i = 0; i < m && possible; ++i) {
                const std::int64_t above = total(i) - l * degree[static_cast<std::size_t>(i)];
                possible =
                    above >= 0 && above <= std::int64_t{d} * degree[static_cast<std::size_t>(i)];
                flow.add(source, i, above);
                flow.add(m + i, sink, above);
                needed += above;
            }
            if (!possible)
                continue;
            for (const auto& [x, y] : pairs) {
                const int a = index[static_cast<std::size_t>(x)];
                const int b = index[static_cast<std::size_t>(y)];
                flow.add(a, m + b, d);
                flow.add(b, m + a, d);
            }
            if (flow.run(source, sink) == needed)
                return d;
        }
    return below;
}

} // namespace pf
