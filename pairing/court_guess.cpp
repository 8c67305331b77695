#include "pairing/court_guess.h"

#include <algorithm>
#include <vector>

namespace pf {

bool roundsHoldDistinctMembers(const MatchTable& table, int courts) {
    if (courts < MinCourts || courts > MaxCourts || MaxMatches % courts != 0)
        return false;
    std::vector<const Name*> seen;
    seen.reserve(static_cast<std::size_t>(4 * courts));
    for (int first = 0; first < MaxMatches; first += courts) {
        seen.clear();
        for (int k = first; k < first + courts; ++k) {
            const MatchRecord& m = table[static_cast<std::size_t>(k)];
            for (const Name* name : {&m.a, &m.b, &m.c, &m.d}) {
                if (name->empty())
                    continue;
                if (std::any_of(seen.begin(), seen.end(),
                                [name](const Name* s) { return *s == *name; }))
                    return false;
                seen.push_back(name);
            }
        }
    }
    return true;
}

int guessCourtCount(const MatchTable& table) {
    for (int courts = MaxCourts; courts > MinCourts; --courts) {
        if (roundsHoldDistinctMembers(table, courts))
            return courts;
    }
    return MinCourts;
}

std::vector<int> fittingCourtCounts(const MatchTable& table) {
    std::vector<int> fits;
    for (int courts = MaxCourts; courts >= MinCourts; --courts) {
        if (roundsHoldDistinctMembers(table, courts))
            fits.push_back(courts);
    }
    return fits;
}

int dayRoundsOf(const MatchTable& table, int courts) {
    courts = std::clamp(courts, MinCourts, MaxCourts);
    for (int k = MaxMatches - 1; k >= 0; --k) {
        const MatchRecord& m = table[static_cast<std::size_t>(k)];
        if (!m.a.empty() || !m.b.empty() || !m.c.empty() || !m.d.empty())
            return k / courts + 1;
    }
    return 0;
}

} // namespace pf
