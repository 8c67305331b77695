// Balanced days under the club's rules: rosters of 8 to 60 members on 1 to 3
// courts, genders half and half, 60/40 and just enough of one, levels flat, in
// two clusters and spread from 1 to 5, a few fixed pairs and members kept
// apart. Prints per rule set: how many days held every hard rule (or were
// refused, with the reasons), the share of matches with a level gap of at
// most 1 among the days where the rules let any match be that close, how
// often the play spread kept within its bound over the whole day ("play")
// and at every round boundary ("p/rnd", within 1, over the days where a
// table can be), the partner spread and the opponent spreads within their
// bounds +1 (the bounds an even share of the day's slots leaves, see
// ruledQuality; how many of the misses are cells where only an exact share
// would do), and the median and slowest time. A day that misses a figure is
// printed with the first letters of its rule set.
//
// Run: build/rel/bench/pairforge-rules-bench [seed] [all|some] [v|q] [moves] [rules] [roster]
// ("all" crosses every gender mix with every level mix; otherwise each gender
// mix meets one level mix).

#include "pairing/balanced_selection.h"
#include "pairing/day_rules.h"
#include "pairing/ruled_day.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace pf;

struct Roster {
    std::string label;
    std::vector<Name> names;
    DayFacts facts;
};

enum class GenderMix { Half, SixtyForty, JustEnough };
enum class LevelMix { Flat, Clusters, Spread };

Roster makeRoster(int n, int courts, GenderMix g, LevelMix l) {
    Roster r{"", {}, DayFacts(n)};
    int women = n / 2;
    if (g == GenderMix::SixtyForty)
        women = n * 2 / 5;
    else if (g == GenderMix::JustEnough)
        women = 2 * courts;
    // Women and men alternate while both last, so fixed pairs below are mixed.
    std::vector<Gender> genders;
    int w = women;
    int m = n - women;
    for (int i = 0; i < n; ++i) {
        const bool woman = w > 0 && (i % 2 == 1 || m == 0);
        genders.push_back(woman ? Gender::Female : Gender::Male);
        (woman ? w : m) -= 1;
    }
    for (int i = 0; i < n; ++i) {
        r.names.push_back(Name("m").append(std::to_string(i)));
        r.facts.gender[static_cast<std::size_t>(i)] = genders[static_cast<std::size_t>(i)];
        int level = 3;
        if (l == LevelMix::Clusters)
            level = (i / 2) % 2 == 0 ? 2 : 4;
        else if (l == LevelMix::Spread)
            level = i % 7 == 6 ? UnsetLevel : 1 + (i * 3 + i / 5) % 5;
        r.facts.level[static_cast<std::size_t>(i)] = level;
    }
    // About one member in eight in a fixed pair (man and woman where they can
    // be), about one in ten kept apart from another.
    // A man and a woman, at levels at most one apart.
    for (int k = 0; k < n / 16; ++k) {
        int a = -1;
        int b = -1;
        for (int i = 8 * k; i < n && (a < 0 || b < 0); ++i) {
            const Gender gi = r.facts.gender[static_cast<std::size_t>(i)];
            if (a < 0 && gi == Gender::Male)
                a = i;
            else if (b < 0 && gi == Gender::Female)
                b = i;
        }
        if (a < 0 || b < 0)
            continue;
        r.facts.level[static_cast<std::size_t>(b)] = r.facts.level[static_cast<std::size_t>(a)];
        r.facts.fixedPartner[static_cast<std::size_t>(a)] = b;
        r.facts.fixedPartner[static_cast<std::size_t>(b)] = a;
    }
    for (int k = 0; k < std::max(1, n / 10); ++k) {
        const int a = n - 1 - 2 * k;
        const int b = (a + n / 2 + 1) % n;
        if (a == b || r.facts.fixedPartner[static_cast<std::size_t>(a)] == b)
            continue;
        r.facts.keptApart[static_cast<std::size_t>(a)].push_back(b);
        r.facts.keptApart[static_cast<std::size_t>(b)].push_back(a);
    }
    for (auto& list : r.facts.keptApart) {
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
    }
    const char* gl[] = {"half", "60/40", "just"};
    const char* ll[] = {"flat", "clusters", "spread"};
    r.label = std::to_string(n) + "/" + std::to_string(courts) + "c " + gl[static_cast<int>(g)] +
              " " + ll[static_cast<int>(l)];
    return r;
}

struct RuleSet {
    const char* label;
    DayRules rules;
};

// Nobody twice in a round.
bool roundsDistinct(const MatchTable& t, int courts) {
    for (int r = 0; r < MaxMatches / courts; ++r) {
        std::vector<Name> seen;
        for (int j = 0; j < courts; ++j) {
            const MatchRecord& m = t[static_cast<std::size_t>(r * courts + j)];
            for (const Name* x : {&m.a, &m.b, &m.c, &m.d}) {
                if (x->empty() || std::find(seen.begin(), seen.end(), *x) != seen.end())
                    return false;
                seen.push_back(*x);
            }
        }
    }
    return true;
}

// Whether the rules let any match at all have a level gap of at most 1,
// checked here on its own from the facts: each side a man and a woman (mixed),
// a fixed pair both in on one side or both out, nobody with someone kept
// apart, partners and opponents at most one level apart (near). Where none
// can, the levels do not allow a balanced day and its matches are left out of
// the balance figure (they are still counted in the figure over every match).
bool someMatchBalanced(const DayFacts& f, const DayRules& rules) {
    const int n = f.size();
    auto level = [&](int x) { return ruleLevel(f.level[static_cast<std::size_t>(x)]); };
    auto fixedTo = [&](int x) {
        return rules.fixedPairs ? f.fixedPartner[static_cast<std::size_t>(x)] : -1;
    };
    auto sideOk = [&](int x, int y) {
        if (rules.mixed &&
            f.gender[static_cast<std::size_t>(x)] == f.gender[static_cast<std::size_t>(y)])
            return false;
        return fixedTo(x) < 0 ? fixedTo(y) < 0 : fixedTo(x) == y;
    };
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            for (int c = b + 1; c < n; ++c)
                for (int d = c + 1; d < n; ++d) {
                    const int p[4] = {a, b, c, d};
                    bool ok = true;
                    for (int i = 0; i < 4 && ok; ++i)
                        for (int j = i + 1; j < 4 && ok; ++j)
                            ok = !(rules.keptApart && f.apart(p[i], p[j])) &&
                                 !(rules.levelNear && std::abs(level(p[i]) - level(p[j])) > 1);
                    if (!ok)
                        continue;
                    // Sides (a b | c d), (a c | b d), (a d | b c).
                    const int splits[3][4] = {{a, b, c, d}, {a, c, b, d}, {a, d, b, c}};
                    for (const auto& s : splits)
                        if (sideOk(s[0], s[1]) && sideOk(s[2], s[3]) &&
                            std::abs(level(s[0]) + level(s[1]) - level(s[2]) - level(s[3])) <= 1)
                            return true;
                }
    return false;
}

// Whether any day could keep plays within one at every round boundary, as
// far as a simple count shows. Near levels can split the roster into pools
// that never share a match (levels 2 and 4 with no 3). Where a boundary comes
// at which every member of a play group must have had exactly the same plays,
// each pool's share of the group's places must then fill whole matches; a pool
// of 6 on one court after 3 rounds would need 6 of its 12 places. Days with
// fixed pairs are not judged (a pair's places per match vary).
bool evenAtBoundariesPossible(const DayFacts& f, const DayRules& rules, int courts) {
    if (!rules.levelNear || rules.fixedPairs)
        return true;
    const int n = f.size();
    // Pool of each member: levels present, split where one is missing.
    std::vector<int> present(7, 0);
    for (int x = 0; x < n; ++x)
        present[static_cast<std::size_t>(ruleLevel(f.level[static_cast<std::size_t>(x)]))] = 1;
    std::vector<int> poolOfLevel(7, 0);
    for (int l = 1, pool = 0; l <= 5; ++l) {
        if (!present[static_cast<std::size_t>(l)] && present[static_cast<std::size_t>(l - 1)])
            ++pool;
        poolOfLevel[static_cast<std::size_t>(l)] = pool;
    }
    const int groups = rules.mixed ? 2 : 1;
    const int perMatch = 4 / groups; // a group's places in one match
    for (int g = 0; g < groups; ++g) {
        std::map<int, int> poolSize;
        int size = 0;
        for (int x = 0; x < n; ++x) {
            if (rules.mixed &&
                static_cast<int>(f.gender[static_cast<std::size_t>(x)] == Gender::Female) != g)
                continue;
            ++size;
            ++poolSize[poolOfLevel[static_cast<std::size_t>(
                ruleLevel(f.level[static_cast<std::size_t>(x)]))]];
        }
        const int perRound = perMatch * courts;
        for (int r = 1; r <= MaxMatches / courts; ++r) {
            if (size == 0 || perRound * r % size != 0)
                continue;
            const int each = perRound * r / size;
            for (const auto& [pool, members] : poolSize)
                if (members * each % perMatch != 0)
                    return false;
        }
    }
    return true;
}

struct Tally {
    int cases = 0;
    int refused = 0;
    int held = 0;
    int broken = 0;
    long matches = 0;
    long nearGap = 0;        // matches with a level gap ≤ 1 (balance on)
    long allowedMatches = 0; // those of days where some match can be balanced
    long allowedNearGap = 0;
    int levelsForbid = 0; // days where none can
    int playOk = 0;
    int unevenForced = 0; // days no table can keep within one at every boundary
    int playDayOk = 0;
    int partnerOk = 0;
    int opponentOk = 0;
    // Misses where every figure beyond its bound +1 has a bound of 0: the
    // even share is a whole number, so spreads of 0 and 1 cannot both hold
    // the share and the +1 leaves no room; only an exact design meets it.
    int partnerExactMisses = 0;
    int opponentExactMisses = 0;
    std::vector<double> seconds;
    std::map<std::string, int> reasons;
};

} // namespace

int main(int argc, char** argv) {
    const std::uint32_t seed = argc > 1 ? static_cast<std::uint32_t>(std::atoi(argv[1])) : 1;
    const bool all = argc > 2 && std::strcmp(argv[2], "all") == 0;
    const bool verbose = argc > 3 && std::strcmp(argv[3], "v") == 0;
    // A move budget other than the program's own, to see what more moves buy.
    const std::int64_t budget = argc > 4 ? std::atoll(argv[4]) : -1;
    // Only the rule sets and rosters whose labels hold these, to look at one
    // case closely.
    const std::string onlySet = argc > 5 ? argv[5] : "";
    const std::string onlyRoster = argc > 6 ? argv[6] : "";
    const std::vector<RuleSet> sets = {
        {"mixed", {.mixed = true}},
        {"balance", {.levelBalance = true}},
        {"near", {.levelNear = true}},
        {"fixed", {.fixedPairs = true}},
        {"apart", {.keptApart = true}},
        {"mixed+balance+fixed+apart", {true, true, false, true, true}},
        {"all five", {true, true, true, true, true}},
    };
    std::vector<Roster> rosters;
    for (int n : {8, 12, 16, 24, 40, 60})
        for (int courts = 1; courts <= 3; ++courts) {
            if (n < 4 * courts)
                continue;
            for (int g = 0; g < 3; ++g)
                for (int l = 0; l < 3; ++l)
                    if (all || l == g)
                        rosters.push_back(makeRoster(n, courts, static_cast<GenderMix>(g),
                                                     static_cast<LevelMix>(l)));
        }
    std::printf("%-28s %5s %7s %6s %7s %8s %6s %6s %8s %8s %8s %8s\n", "rules", "days", "refused",
                "held", "broken", "gap<=1", "play", "p/rnd", "partner", "oppon.", "median",
                "slowest");
    if (onlySet.empty() && onlyRoster.empty()) {
        // The balanced method on the same rosters, as a yardstick for the
        // times on this machine.
        std::vector<double> seconds;
        for (const Roster& r : rosters) {
            const int courts = std::stoi(r.label.substr(r.label.find('/') + 1));
            MatchTable table{};
            BalancedOptions options;
            options.seed = seed;
            options.storedDays = false;
            const auto start = std::chrono::steady_clock::now();
            generateBalanced(r.names, courts, 0, nullptr, options, table);
            seconds.push_back(
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        std::sort(seconds.begin(), seconds.end());
        std::printf("%-28s %5zu %72s %7.3fs %7.3fs\n", "(balanced method, no rules)",
                    seconds.size(), "", seconds[seconds.size() / 2], seconds.back());
    }
    for (const RuleSet& set : sets) {
        if (std::string(set.label).find(onlySet) == std::string::npos)
            continue;
        Tally t;
        for (const Roster& r : rosters) {
            if (r.label.find(onlyRoster) == std::string::npos)
                continue;
            const int courts = std::stoi(r.label.substr(r.label.find('/') + 1));
            MatchTable table{};
            BalancedOptions options;
            options.seed = seed;
            options.moveBudget = budget;
            const auto start = std::chrono::steady_clock::now();
            const std::string refusal =
                generateRuledDay(r.names, courts, 0, nullptr, r.facts, set.rules, options, table);
            const double s =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            ++t.cases;
            t.seconds.push_back(s);
            if (s > 1.0)
                std::printf("  SLOW %s: %.2fs\n", r.label.c_str(), s);
            if (!refusal.empty()) {
                ++t.refused;
                ++t.reasons[refusal];
                if (verbose)
                    std::printf("  refused %s: %s\n", r.label.c_str(), refusal.c_str());
                continue;
            }
            const RuleFigures f = ruleFigures(r.names, r.facts, table, courts);
            const bool held = f.breaks(set.rules) == 0 && roundsDistinct(table, courts);
            held ? ++t.held : ++t.broken;
            if (!held)
                std::printf("  BROKEN %s: %d breaks\n", r.label.c_str(), f.breaks(set.rules));
            if (set.rules.levelBalance) {
                const bool allowed = someMatchBalanced(r.facts, set.rules);
                t.levelsForbid += !allowed;
                for (int k = 0; k < MaxMatches; ++k) {
                    const MatchRecord& m = table[static_cast<std::size_t>(k)];
                    auto lv = [&](const Name& x) {
                        const auto it = std::find(r.names.begin(), r.names.end(), x);
                        return ruleLevel(
                            r.facts.level[static_cast<std::size_t>(it - r.names.begin())]);
                    };
                    const int gap = std::abs(lv(m.a) + lv(m.b) - lv(m.c) - lv(m.d));
                    ++t.matches;
                    t.nearGap += gap <= 1;
                    t.allowedMatches += allowed;
                    t.allowedNearGap += allowed && gap <= 1;
                }
            }
            bool playOk = true;
            for (int r2 = 1; r2 <= MaxMatches / courts; ++r2) {
                const RuledQuality q =
                    ruledQuality(r.names, r.facts, set.rules, table, courts, 0, r2 * courts);
                for (const RuledFigure& g : q.playSpread)
                    playOk = playOk && g.figure.value <= std::max(1, g.figure.bound.value_or(1));
            }
            const RuledQuality q = ruledQuality(r.names, r.facts, set.rules, table, courts);
            bool playDayOk = true;
            for (const RuledFigure& g : q.playSpread)
                playDayOk = playDayOk && g.figure.value <= g.figure.bound.value_or(0);
            bool opponentOk = true;
            bool opponentExact = true;
            for (const RuledFigure& g : q.opponentSpread)
                if (g.figure.value > g.figure.bound.value_or(0) + 1) {
                    opponentOk = false;
                    opponentExact = opponentExact && g.figure.bound.value_or(0) == 0;
                }
            const bool partnerOk =
                q.partnerSpread.figure.value <= q.partnerSpread.figure.bound.value_or(0) + 1;
            t.partnerExactMisses += !partnerOk && q.partnerSpread.figure.bound.value_or(0) == 0;
            t.opponentExactMisses += !opponentOk && opponentExact;
            const bool evenPossible = evenAtBoundariesPossible(r.facts, set.rules, courts);
            t.unevenForced += !evenPossible;
            t.playOk += playOk && evenPossible;
            t.playDayOk += playDayOk;
            t.partnerOk += partnerOk;
            t.opponentOk += opponentOk;
            if (!playOk || !playDayOk || !partnerOk || !opponentOk) {
                std::printf("  %-9.9s %-24s play", set.label, r.label.c_str());
                for (const RuledFigure& g : q.playSpread)
                    std::printf(" %d/%d", g.figure.value, g.figure.bound.value_or(-1));
                std::printf("%s%s partner %d/%d opp", playDayOk ? "" : "(day!)",
                            playOk ? "" : "(boundary!)", q.partnerSpread.figure.value,
                            q.partnerSpread.figure.bound.value_or(-1));
                for (const RuledFigure& g : q.opponentSpread)
                    std::printf(" %d/%d", g.figure.value, g.figure.bound.value_or(-1));
                std::printf("\n");
            }
        }
        if (t.cases == 0)
            continue;
        std::sort(t.seconds.begin(), t.seconds.end());
        const int made = t.cases - t.refused;
        auto pct = [](long a, long b) { return b == 0 ? 100.0 : 100.0 * a / b; };
        std::printf("%-28s %5d %7d %6d %7d %7.1f%% %5.0f%% %5.0f%% %6.1f%% %6.1f%% %7.3fs %7.3fs\n",
                    set.label, t.cases, t.refused, t.held, t.broken,
                    set.rules.levelBalance ? pct(t.allowedNearGap, t.allowedMatches) : 100.0,
                    pct(t.playDayOk, made), pct(t.playOk, made - t.unevenForced),
                    pct(t.partnerOk, made), pct(t.opponentOk, made),
                    t.seconds[t.seconds.size() / 2], t.seconds.back());
        if (made > t.partnerOk || made > t.opponentOk)
            std::printf("    misses where the even share is a whole number (bound 0, so only an "
                        "exact share is within +1): partner %d of %d, opponent %d of %d\n",
                        t.partnerExactMisses, made - t.partnerOk, t.opponentExactMisses,
                        made - t.opponentOk);
        if (t.unevenForced > 0)
            std::printf("    p/rnd: %d days left out, where no table can keep plays within 1 at "
                        "every boundary (pools the near levels split off)\n",
                        t.unevenForced);
        if (set.rules.levelBalance && t.levelsForbid > 0)
            std::printf("    level gap <= 1 in %.1f%% of every match; %d days left out, where "
                        "no match the rules allow is within 1\n",
                        pct(t.nearGap, t.matches), t.levelsForbid);
        for (const auto& [reason, count] : t.reasons)
            std::printf("    refused %dx: %s\n", count, reason.c_str());
    }
    return 0;
}
