#include "pairing/schedule_quality.h"

#include "pairing/rotation_bounds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>

namespace pf {
namespace {

// Spread and maximum over every pair i < j, pairs that never met counting 0.
struct PairStats {
    int min = 0;
    int max = 0;
    long long total = 0;
};

PairStats pairStats(const PairMatrix& m) {
    PairStats s;
    bool first = true;
    for (int i = 0; i < m.size(); ++i) {
        for (int j = i + 1; j < m.size(); ++j) {
            const int v = m.at(i, j);
            s.min = first ? v : std::min(s.min, v);
            s.max = first ? v : std::max(s.max, v);
            s.total += v;
            first = false;
        }
    }
    return s;
}

// A total shared as evenly as it can be over `parts` leaves a spread of 0 only
// when it divides exactly; the largest share is at least the rounded-up mean.
QualityFigure spreadFigure(int value, long long total, long long parts) {
    return {value, parts > 0 && total % parts != 0 ? 1 : 0};
}

QualityFigure maxFigure(int value, long long total, long long parts) {
    return {value, parts > 0 ? static_cast<int>((total + parts - 1) / parts) : 0};
}

} // namespace

ScheduleQuality computeQuality(const std::vector<Name>& members, const MatchTable& table,
                               int courts, int firstMatch, int endMatch) {
    ScheduleQuality q;
    const int n = static_cast<int>(members.size());
    courts = std::clamp(courts, MinCourts, MaxCourts);
    firstMatch = std::clamp(firstMatch, 0, MaxMatches);
    endMatch = std::clamp(endMatch, firstMatch, MaxMatches);
    q.members = n;
    q.courts = courts;
    q.partners = PairMatrix(n);
    q.opponents = PairMatrix(n);
    q.rows.resize(static_cast<std::size_t>(n));

    std::unordered_map<Name, int> indexOf;
    for (int i = 0; i < n; ++i) {
        indexOf.emplace(members[static_cast<std::size_t>(i)], i);
        q.rows[static_cast<std::size_t>(i)].name = members[static_cast<std::size_t>(i)];
    }
    auto lookup = [&indexOf](const Name& name) {
        const auto it = indexOf.find(name);
        return it == indexOf.end() ? -1 : it->second;
    };

    std::vector<int> sitOut(static_cast<std::size_t>(n), 0);
    std::vector<int> firstRound(static_cast<std::size_t>(n), -1);
    std::vector<int> lastRound(static_cast<std::size_t>(n), -1);
    std::vector<int> playRun(static_cast<std::size_t>(n), 0);
    std::vector<char> inRound(static_cast<std::size_t>(n));
    const long long pairCount = static_cast<long long>(n) * (n - 1) / 2;
    int highestPartner = 0;
    int highestOpponent = 0;
    int prefixPlayBound = 0;
    for (int roundStart = firstMatch - firstMatch % courts; roundStart < endMatch;
         roundStart += courts) {
        std::fill(inRound.begin(), inRound.end(), 0);
        bool roundHeld = false;
        for (int k = std::max(roundStart, firstMatch); k < std::min(roundStart + courts, endMatch);
             ++k) {
            const MatchRecord& m = table[static_cast<std::size_t>(k)];
            if (m.a.empty() && m.b.empty() && m.c.empty() && m.d.empty())
                continue;
            roundHeld = true;
            ++q.matches;
            const std::array<int, 4> who{lookup(m.a), lookup(m.b), lookup(m.c), lookup(m.d)};
            std::array<bool, 4> counted{};
            for (std::size_t s = 0; s < 4; ++s) {
                // A name written twice in one match plays it once.
                counted[s] = who[s] >= 0 &&
                             std::find(who.begin(), who.begin() + static_cast<long>(s), who[s]) ==
                                 who.begin() + static_cast<long>(s);
                if (counted[s]) {
                    ++q.rows[static_cast<std::size_t>(who[s])].plays;
                    inRound[static_cast<std::size_t>(who[s])] = 1;
                }
            }
            // Only first mentions pair up, so a pair meets at most once a match.
            auto pairUp = [&who, &counted](PairMatrix& matrix, int& highest, std::size_t s,
                                           std::size_t t) {
                if (counted[s] && counted[t] && who[s] != who[t]) {
                    matrix.add(who[s], who[t]);
                    highest = std::max(highest, matrix.at(who[s], who[t]));
                }
            };
            pairUp(q.partners, highestPartner, 0, 1);
            pairUp(q.partners, highestPartner, 2, 3);
            for (std::size_t s : {0u, 1u})
                for (std::size_t t : {2u, 3u})
                    pairUp(q.opponents, highestOpponent, s, t);
        }
        if (!roundHeld)
            continue;
        const int round = q.rounds++;
        // The day stopping here: counts only grow, so the largest count so
        // far is the largest of this boundary.
        if (pairCount > 0) {
            const auto excess = [pairCount](int highest, long long slots) {
                return highest - static_cast<int>((slots + pairCount - 1) / pairCount);
            };
            q.prefixPartnerExcess.value =
                std::max(q.prefixPartnerExcess.value, excess(highestPartner, 2LL * q.matches));
            q.prefixOpponentExcess.value =
                std::max(q.prefixOpponentExcess.value, excess(highestOpponent, 4LL * q.matches));
        }
        if (n > 0) {
            int low = q.rows[0].plays;
            int high = low;
            long long total = 0;
            for (const MemberQuality& row : q.rows) {
                low = std::min(low, row.plays);
                high = std::max(high, row.plays);
                total += row.plays;
            }
            q.prefixPlaySpread.value = std::max(q.prefixPlaySpread.value, high - low);
            prefixPlayBound = std::max(prefixPlayBound, total % n != 0 ? 1 : 0);
        }
        // A member is measured from their first match to their last: rounds
        // before they came or after they left are no rest.
        for (std::size_t i = 0; i < inRound.size(); ++i) {
            MemberQuality& row = q.rows[i];
            if (inRound[i]) {
                if (firstRound[i] < 0)
                    firstRound[i] = round;
                else
                    row.longestSitOut = std::max(row.longestSitOut, sitOut[i]);
                lastRound[i] = round;
                sitOut[i] = 0;
                row.longestPlayRun = std::max(row.longestPlayRun, ++playRun[i]);
            } else {
                playRun[i] = 0;
                ++sitOut[i];
            }
        }
    }
    int longestWait = 0;
    for (const MemberQuality& row : q.rows)
        longestWait = std::max(longestWait, row.longestSitOut);
    for (std::size_t i = 0; i < q.rows.size(); ++i) {
        MemberQuality& row = q.rows[i];
        if (firstRound[i] < 0) {
            row.longestSitOut = q.rounds; // on the roster, never on court: still here
            ++q.presentNow;
            continue;
        }
        row.joined = firstRound[i] > longestWait;
        row.left = q.rounds - 1 - lastRound[i] > longestWait;
        q.presentNow += row.left ? 0 : 1;
    }

    // Plays compare only among those there throughout; whoever came or went
    // had fewer rounds to play in (everybody, when nobody was).
    const bool anyThroughout = std::any_of(
        q.rows.begin(), q.rows.end(), [](const MemberQuality& r) { return !r.joined && !r.left; });
    int totalPlays = 0;
    int counted = 0;
    int minPlays = 0;
    int maxPlays = 0;
    for (int i = 0; i < n; ++i) {
        MemberQuality& row = q.rows[static_cast<std::size_t>(i)];
        for (int j = 0; j < n; ++j) {
            row.distinctPartners += q.partners.at(i, j) > 0 ? 1 : 0;
            row.distinctOpponents += q.opponents.at(i, j) > 0 ? 1 : 0;
        }
        if (!anyThroughout || (!row.joined && !row.left)) {
            totalPlays += row.plays;
            minPlays = counted == 0 ? row.plays : std::min(minPlays, row.plays);
            maxPlays = counted == 0 ? row.plays : std::max(maxPlays, row.plays);
            ++counted;
        }
        q.longestSitOut.value = std::max(q.longestSitOut.value, row.longestSitOut);
        q.longestPlayRun.value = std::max(q.longestPlayRun.value, row.longestPlayRun);
    }

    // The bounds share the plays and pairings this table actually made among
    // the members; for a full generated table those are 4, 2 and 4 per match.
    const long long pairs = static_cast<long long>(n) * (n - 1) / 2;
    const PairStats partner = pairStats(q.partners);
    const PairStats opponent = pairStats(q.opponents);
    q.playSpread = spreadFigure(maxPlays - minPlays, totalPlays, counted);
    q.partnerSpread = spreadFigure(partner.max - partner.min, partner.total, pairs);
    q.partnerMax = maxFigure(partner.max, partner.total, pairs);
    q.opponentSpread = spreadFigure(opponent.max - opponent.min, opponent.total, pairs);
    q.opponentMax = maxFigure(opponent.max, opponent.total, pairs);
    if (pairs > 0) {
        q.partnerMean = static_cast<double>(partner.total) / static_cast<double>(pairs);
        q.opponentMean = static_cast<double>(opponent.total) / static_cast<double>(pairs);
    }

    // B members rest each round while 4n play. Every member has to play within
    // any S + 1 rounds, so 4n(S + 1) ≥ N; and has to rest within any L + 1
    // rounds, so B(L + 1) ≥ N.
    // Judged by who plays now: after a re-plan that is the roster of the
    // rounds still to come.
    const int present = q.presentNow > 0 ? q.presentNow : n;
    q.longestSitOut.bound = sitOutBound(present, courts);
    if (present > 4 * courts)
        q.longestPlayRun.bound = playRunBound(present, courts, 0);
    // Some pair holds at least the rounded-up mean at every boundary, so no
    // table does better than an excess of 0.
    q.prefixPlaySpread.bound = prefixPlayBound;
    q.prefixPartnerExcess.bound = 0;
    q.prefixOpponentExcess.bound = 0;
    return q;
}

int distanceFromEven(int count, double mean) {
    const int low = static_cast<int>(std::floor(mean));
    const int high = static_cast<int>(std::ceil(mean));
    if (count > high)
        return count - high;
    if (count < low)
        return count - low;
    return 0;
}

} // namespace pf
