#include "court/court_rounds.h"

#include <algorithm>

namespace pf {

int shownCourts(const Session& session) {
    return std::clamp(session.CourtCount, MinCourts, MaxCourts);
}

int roundStart(const Session& session) {
    const int n = shownCourts(session);
    const int p = std::clamp(session.CourtCursor, 0, MaxMatches - n);
    return p - p % n;
}

int settleRound(Session& session) {
    session.CourtCursor = roundStart(session);
    return session.CourtCursor;
}

bool hasPreviousRound(const Session& session) {
    return roundStart(session) > 0;
}

bool hasNextRound(const Session& session) {
    return roundStart(session) < MaxMatches - shownCourts(session);
}

bool stepRound(Session& session, int rounds) {
    const int n = shownCourts(session);
    const int from = roundStart(session);
    // MaxMatches is a multiple of 1, 2 and 3, so the last round starts here.
    const int to = std::clamp(from + rounds * n, 0, MaxMatches - n);
    session.CourtCursor = to;
    return to != from;
}

void storeRoundCounts(Session& session, int first, std::span<const CourtCounts> counts) {
    const auto courts = std::min<std::size_t>(counts.size(), std::size_t(shownCourts(session)));
    for (std::size_t k = 0; k < courts; ++k) {
        const auto slot = static_cast<std::size_t>(first) + k;
        if (first < 0 || slot >= session.Matches.size())
            continue;
        MatchRecord& m = session.Matches[slot];
        m.WinA = counts[k].winA;
        m.WinB = counts[k].winB;
    }
}

} // namespace pf
