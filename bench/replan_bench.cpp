// Re-planning the rest of a day: latecomers, leavers and a growing roster on
// 1, 2 and 3 courts. Prints per scenario the whole-day play spread among
// those present all day (the goal: at most 1), the re-planned part's play
// spread among those present and its longest sit-out against S + 1, the whole-day
// partner and opponent spreads among those present against what an even
// share and the kept matches allow, and the time of the re-plan.
//
// Run: build/release/bench/pairforge-replan [seed]
//
// The figures are counted here from the table alone.

#include "pairing/balanced_selection.h"
#include "pairing/replan.h"
#include "pairing/rotation_bounds.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

using pf::MatchTable;
using pf::MaxMatches;
using pf::Name;

std::vector<Name> names(const char* stem, int from, int count) {
    std::vector<Name> out;
    for (int i = from; i < from + count; ++i)
        out.push_back(std::string(stem).append(std::to_string(i)));
    return out;
}

struct Scenario {
    std::string label;
    int courts;
    std::vector<Name> day;     // the roster of the morning
    int firstMatch;            // K
    std::vector<Name> present; // from K on
};

struct PairSpread {
    int value = 0;
    int bound = 0; // even share, or what the kept part already forces
};

// Spread of a pair count among `present` over the whole day, with its bound.
PairSpread pairSpread(const pf::PairMatrix& whole, const pf::PairMatrix& kept, int n) {
    long total = 0;
    int lo = 1 << 30, hi = 0, keptHigh = 0;
    for (int x = 0; x < n; ++x)
        for (int y = x + 1; y < n; ++y) {
            total += whole.at(x, y);
            lo = std::min(lo, whole.at(x, y));
            hi = std::max(hi, whole.at(x, y));
            keptHigh = std::max(keptHigh, kept.at(x, y));
        }
    const long pairs = static_cast<long>(n) * (n - 1) / 2;
    const int even = total % pairs == 0 ? 0 : 1;
    const int ceilMean = static_cast<int>((total + pairs - 1) / pairs);
    return {hi - lo, std::max(even, keptHigh - ceilMean)};
}

struct Result {
    int daySpread = 0; // whole day, among those present all day
    int playSpread = 0;
    int sitOut = 0;
    int sitBound = 0; // S for the roster from K on
    PairSpread partner, opponent;
    double ms = 0;
    bool ok = false;
};

Result run(const Scenario& s, std::uint32_t seed) {
    const int courts = s.courts;
    pf::Session day;
    std::copy(s.day.begin(), s.day.end(), day.Roster.begin());
    pf::generateBalanced(s.day, courts, 0, nullptr, {seed, -1}, day.Matches);
    for (int i = 0; i < s.firstMatch - 1; ++i)
        day.Matches[static_cast<std::size_t>(i)].WinA = 6;

    const auto t0 = std::chrono::steady_clock::now();
    const pf::ReplanResult r =
        pf::planReplan(day.Roster, day.Matches, {s.firstMatch, s.present, courts, seed + 1, -1});
    Result out;
    out.ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    out.ok = r.ok();
    if (!r.ok())
        return out;

    const int n = static_cast<int>(s.present.size());
    std::map<Name, int> id;
    for (int i = 0; i < n; ++i)
        id[s.present[static_cast<std::size_t>(i)]] = i;
    pf::PairMatrix partner(n), opponent(n), keptPartner(n), keptOpponent(n);
    std::vector<int> plays(static_cast<std::size_t>(n), 0), outRun(static_cast<std::size_t>(n), 0);
    auto bump = [&](pf::PairMatrix& v, const Name& a, const Name& b) {
        const auto ia = id.find(a), ib = id.find(b);
        if (ia != id.end() && ib != id.end())
            v.add(ia->second, ib->second);
    };
    for (int r0 = 0; r0 < MaxMatches / courts; ++r0) {
        const bool rest = r0 * courts >= s.firstMatch - 1;
        std::vector<char> on(static_cast<std::size_t>(n), 0);
        for (int j = 0; j < courts; ++j) {
            const pf::MatchRecord& m = r.matches[static_cast<std::size_t>(r0 * courts + j)];
            for (auto* v : {&partner, rest ? nullptr : &keptPartner}) {
                if (!v)
                    continue;
                bump(*v, m.a, m.b);
                bump(*v, m.c, m.d);
            }
            for (auto* v : {&opponent, rest ? nullptr : &keptOpponent}) {
                if (!v)
                    continue;
                for (const Name* a : {&m.a, &m.b})
                    for (const Name* c : {&m.c, &m.d})
                        bump(*v, *a, *c);
            }
            if (rest)
                for (const Name* x : {&m.a, &m.b, &m.c, &m.d})
                    if (const auto it = id.find(*x); it != id.end()) {
                        on[static_cast<std::size_t>(it->second)] = 1;
                        ++plays[static_cast<std::size_t>(it->second)];
                    }
        }
        if (!rest)
            continue;
        for (std::size_t x = 0; x < static_cast<std::size_t>(n); ++x) {
            outRun[x] = on[x] ? 0 : outRun[x] + 1;
            out.sitOut = std::max(out.sitOut, outRun[x]);
        }
    }
    const auto [lo, hi] = std::minmax_element(plays.begin(), plays.end());
    out.playSpread = *hi - *lo;
    std::map<Name, int> dayPlays;
    for (const pf::MatchRecord& m : r.matches)
        for (const Name* x : {&m.a, &m.b, &m.c, &m.d})
            ++dayPlays[*x];
    int dayLo = MaxMatches, dayHi = 0;
    for (const Name& x : s.day) {
        if (std::find(s.present.begin(), s.present.end(), x) == s.present.end())
            continue;
        dayLo = std::min(dayLo, dayPlays[x]);
        dayHi = std::max(dayHi, dayPlays[x]);
    }
    out.daySpread = dayHi - dayLo;
    out.sitBound = pf::sitOutBound(n, courts);
    out.partner = pairSpread(partner, keptPartner, n);
    out.opponent = pairSpread(opponent, keptOpponent, n);
    return out;
}

std::vector<Scenario> scenarios() {
    std::vector<Scenario> list;
    for (int n = 1; n <= pf::MaxCourts; ++n) {
        for (int base : {4 * n, 4 * n + 3, 8 * n + 1}) {
            std::vector<Name> present = names("m", 1, base);
            const auto late = names("late", 1, 2);
            present.insert(present.end(), late.begin(), late.end());
            list.push_back({"two late at round 5", n, names("m", 1, base), 1 + 4 * n, present});
        }
        for (int base : {4 * n + 3, 4 * n + 6, 8 * n + 5})
            list.push_back(
                {"three leave at midday", n, names("m", 1, base), 61, names("m", 4, base - 3)});
        for (int base : {4 * n, 4 * n + 3, 20}) {
            std::vector<Name> present = names("m", 2, base - 1);
            present.push_back("late1");
            list.push_back(
                {"one in, one out at round 10", n, names("m", 1, base), 1 + 9 * n, present});
        }
        const int from = n == 3 ? 12 : 8;
        std::vector<Name> present = names("m", 1, from);
        const auto late = names("late", 1, 20 - from);
        present.insert(present.end(), late.begin(), late.end());
        list.push_back({"grown from " + std::to_string(from) + " to 20 at round 10", n,
                        names("m", 1, from), 1 + 9 * n, present});
    }
    return list;
}

} // namespace

int main(int argc, char** argv) {
    const std::uint32_t seed =
        argc > 1 ? static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10)) : 1;
    int faults = 0;
    std::printf("| scenario | n | N before | N from K | K | whole-day spread (all day) "
                "| play spread from K | sit-out (S+1) "
                "| partner spread (bound) | opponent spread (bound) | ms |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|---|\n");
    for (const Scenario& s : scenarios()) {
        const Result r = run(s, seed);
        if (!r.ok) {
            std::printf("| %s | %d | refused |\n", s.label.c_str(), s.courts);
            ++faults;
            continue;
        }
        // Evening out the kept part may spread the new part's plays further.
        const bool good = r.daySpread <= 1 && r.sitOut <= r.sitBound + 1 &&
                          r.partner.value <= r.partner.bound + 1 &&
                          r.opponent.value <= r.opponent.bound + 2 && r.ms <= 500;
        faults += good ? 0 : 1;
        std::printf(
            "| %s | %d | %zu | %zu | %d | %d | %d | %d (%d) | %d (%d) | %d (%d) | %.0f |%s\n",
            s.label.c_str(), s.courts, s.day.size(), s.present.size(), s.firstMatch, r.daySpread,
            r.playSpread, r.sitOut, r.sitBound + 1, r.partner.value, r.partner.bound,
            r.opponent.value, r.opponent.bound, r.ms, good ? "" : " MISS");
    }
    std::printf("\n%d scenarios miss a goal\n", faults);
    return 0;
}
