#include "pairing/replan.h"

#include "model/name_rules.h"
#include "model/texts.h"
#include "pairing/balanced_selection.h"
#include "pairing/rotation_bounds.h"
#include "pairing/ruled_day.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace pf {

namespace {

const Name* namesOf(const MatchRecord& m, int k) {
    const Name* names[4] = {&m.a, &m.b, &m.c, &m.d};
    return names[k];
}

bool contains(const std::vector<Name>& list, const Name& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

// What the kept matches hold for each present member, in the engine's terms.
BalancedHistory historyOf(const MatchTable& table, int kept, int courts,
                          const std::vector<Name>& present) {
    const auto n = present.size();
    std::unordered_map<Name, std::size_t> index;
    for (std::size_t i = 0; i < n; ++i)
        index.emplace(present[i], i);
    BalancedHistory h;
    h.partner = PairMatrix(static_cast<int>(n));
    h.opponent = PairMatrix(static_cast<int>(n));
    h.sitOutRun.assign(n, 0);
    h.playRun.assign(n, 0);
    auto add = [&](PairMatrix& matrix, const Name& x, const Name& y) {
        const auto ix = index.find(x);
        const auto iy = index.find(y);
        if (ix == index.end() || iy == index.end() || ix->second == iy->second)
            return;
        matrix.add(static_cast<int>(ix->second), static_cast<int>(iy->second));
    };
    for (int s = 0; s < kept; ++s) {
        const MatchRecord& m = table[static_cast<std::size_t>(s)];
        add(h.partner, m.a, m.b);
        add(h.partner, m.c, m.d);
        for (const Name* x : {&m.a, &m.b})
            for (const Name* y : {&m.c, &m.d})
                add(h.opponent, *x, *y);
    }

    // Runs at the end of the kept part. Beyond what the even rotation of the
    // new roster allows they mean the same (go on court first, or rest
    // first), and longer ones would only leave the rotation no way out.
    const int sitBound = sitOutBound(static_cast<int>(n), courts);
    const int playBound = playRunBound(static_cast<int>(n), courts, MaxMatches);
    const int rounds = kept / courts;
    std::vector<int> plays(n, 0);
    std::vector<int> firstRound(n, -1);
    int longestGap = 1; // rounds out between two matches of one member
    for (std::size_t i = 0; i < n; ++i) {
        auto playsIn = [&](int r) {
            for (int s = r * courts; s < (r + 1) * courts; ++s)
                for (int k = 0; k < 4; ++k)
                    if (*namesOf(table[static_cast<std::size_t>(s)], k) == present[i])
                        return true;
            return false;
        };
        int previous = -1;
        for (int r = 0; r < rounds; ++r) {
            if (!playsIn(r))
                continue;
            ++plays[i];
            if (previous < 0)
                firstRound[i] = r;
            else
                longestGap = std::max(longestGap, r - previous - 1);
            previous = r;
        }
        bool seen = false;
        for (int r = 0; r < rounds && !seen; ++r)
            seen = playsIn(r);
        if (!seen)
            continue; // new today: neither rested nor tired
        int r = rounds - 1;
        const bool played = playsIn(r);
        int run = 0;
        while (r >= 0 && playsIn(r) == played) {
            ++run;
            --r;
        }
        if (played)
            h.playRun[i] = std::min(run, playBound);
        else
            h.sitOutRun[i] = std::min(run, std::max(sitBound, 1));
    }

    // Who was there from the start: a first match no later than the longest
    // wait anybody had between two matches is a turn in the rotation, not a
    // late arrival (the file does not say who came when). Those count their
    // own plays; a later arrival counts as having played at the others' rate
    // before coming, a newcomer as having played what they played on average.
    long long startersPlays = 0;
    int starters = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (firstRound[i] >= 0 && firstRound[i] <= longestGap) {
            startersPlays += plays[i];
            ++starters;
        }
    }
    const double rate =
        starters > 0 && rounds > 0 ? static_cast<double>(startersPlays) / starters / rounds : 0.0;
    h.playCredit.assign(n, 0);
    for (std::size_t i = 0; i < n; ++i) {
        const bool starter = firstRound[i] >= 0 && firstRound[i] <= longestGap;
        const int absent = firstRound[i] < 0 ? rounds : firstRound[i];
        h.playCredit[i] =
            starter ? plays[i] : plays[i] + static_cast<int>(std::lround(rate * absent));
    }
    return h;
}

} // namespace

int roundStartOf(int match, int courts) {
    return 1 + ((match - 1) / courts) * courts;
}

int firstUnplayedMatch(const MatchTable& table, int courts) {
    int last = 0; // 1-based number of the last match with a result
    for (int s = 0; s < MaxMatches; ++s)
        if (table[static_cast<std::size_t>(s)].hasScore())
            last = s + 1;
    return last == 0 ? 1 : roundStartOf(last, courts) + courts;
}

bool hasResultsFrom(const MatchTable& table, int firstMatch) {
    for (int s = std::max(firstMatch - 1, 0); s < MaxMatches; ++s)
        if (table[static_cast<std::size_t>(s)].hasScore())
            return true;
    return false;
}

std::vector<Name> presentFrom(const MemberRoster& roster, const MatchTable& table, int firstMatch) {
    std::vector<Name> members = participantsOf(roster);
    if (firstMatch <= 1)
        return members;
    std::vector<Name> playing;
    for (int s = firstMatch - 1; s < MaxMatches; ++s)
        for (int k = 0; k < 4; ++k) {
            const Name& name = *namesOf(table[static_cast<std::size_t>(s)], k);
            if (!name.empty() && !contains(playing, name))
                playing.push_back(name);
        }
    std::vector<Name> result;
    for (const Name& name : members)
        if (contains(playing, name) && !contains(result, name))
            result.push_back(name);
    for (const Name& name : playing)
        if (!contains(result, name))
            result.push_back(name);
    return result;
}

std::vector<Name> replanRoster(const MemberRoster& roster, const MatchTable& table, int firstMatch,
                               const std::vector<Name>& present) {
    std::vector<Name> kept; // names in the kept matches, by first appearance
    for (int s = 0; s < std::min(firstMatch - 1, MaxMatches); ++s)
        for (int k = 0; k < 4; ++k) {
            const Name& name = *namesOf(table[static_cast<std::size_t>(s)], k);
            if (!name.empty() && !contains(kept, name))
                kept.push_back(name);
        }
    std::vector<Name> result;
    for (const Name& name : participantsOf(roster))
        if (contains(kept, name) && !contains(result, name))
            result.push_back(name);
    for (const Name& name : kept)
        if (!contains(result, name))
            result.push_back(name);
    for (const Name& name : present)
        if (!contains(result, name))
            result.push_back(name);
    return result;
}

ReplanResult planReplan(const MemberRoster& roster, const MatchTable& table,
                        const ReplanRequest& request) {
    ReplanResult result;
    const int courts = request.courts;
    const int k = request.firstMatch;
    if (courts < MinCourts || courts > MaxCourts || k < 1 || k > MaxMatches ||
        (k - 1) % courts != 0) {
        result.error = MsgReplanStart;
        return result;
    }
    const std::vector<Name>& present = request.present;
    for (std::size_t i = 0; i < present.size(); ++i)
        for (std::size_t j = i + 1; j < present.size(); ++j)
            if (present[i] == present[j]) {
                result.error = MsgDuplicateMember;
                return result;
            }
    if (static_cast<int>(present.size()) < 4 * courts) {
        result.error = MsgTooFewMembers;
        return result;
    }
    for (const Name& name : present)
        if (std::string error = checkMemberName(name); !error.empty()) {
            result.error = std::move(error);
            return result;
        }
    const std::vector<Name> rows = replanRoster(roster, table, k, present);
    if (rows.size() > static_cast<std::size_t>(MaxMembers)) {
        result.error = MsgReplanTooManyMembers;
        return result;
    }

    std::copy(rows.begin(), rows.end(), result.roster.begin());
    result.matches = table;
    const int kept = k - 1;
    const BalancedHistory history = historyOf(table, kept, courts, present);
    BalancedOptions options;
    options.seed = request.seed;
    options.moveBudget = request.moveBudget;
    if (request.facts && request.rules.any()) {
        std::string refusal =
            generateRuledDay(present, courts, kept, &history, *request.facts, request.rules,
                             options, result.matches, &result.note);
        if (!refusal.empty()) {
            ReplanResult refused;
            refused.error = std::move(refusal);
            return refused;
        }
    } else {
        generateBalanced(present, courts, kept, &history, options, result.matches);
    }
    result.present = present;
    return result;
}

} // namespace pf
