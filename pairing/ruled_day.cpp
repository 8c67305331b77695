#include "pairing/ruled_day.h"

#include "model/text_codec.h"
#include "pairing/kept_apart_day.h"
#include "pairing/least_spread.h"
#include "pairing/mixed_passes.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <random>
#include <stdexcept>
#include <unordered_map>

namespace pf {
namespace {

int ceilDiv(int a, int b) {
    return (a + b - 1) / b;
}

// Past this many steps from the even share the cost stops growing, so the
// sums stay far from overflow.
constexpr int MaxCostedDistance = 12;

// 0 inside [lo, hi]; 1, 8, 64, … per step outside: one pair three apart is
// never kept to spare a handful of pairs one apart.
std::int64_t excessCost(int count, int lo, int hi) {
    const int d = count < lo ? lo - count : (count > hi ? count - hi : 0);
    if (d == 0)
        return 0;
    return std::int64_t{1} << (3 * (std::min(d, MaxCostedDistance) - 1));
}

// Who forms a unit, which play group each unit rotates in, and which pairs
// the rules let be partners or opponents (and of which kind).
struct Model {
    int members = 0;
    std::vector<int> unitOf;                     // member → unit
    std::vector<std::array<int, 2>> unitMembers; // second −1 for a unit of one
    std::vector<int> groupOf;                    // unit → play group
    std::vector<QString> groupLabel;
    int pairGroup = -1;                // the fixed pairs' group, −1 without fixed pairs
    std::vector<int> genderSeat;       // group → 0 man, 1 woman, −1 either (mixed only)
    std::vector<signed char> together; // n×n: may share a match
    std::vector<signed char> partners; // n×n: may share a side (fixed pairs included)
    // Pairs are judged against others of their cell: the same kind of pair
    // (for opponents: man–man, woman–woman, man–woman) between the same two
    // play groups, whose members play at the same rates, and with levels in
    // the rules the same two levels: balance and near levels decide how often
    // a 5 may partner or face a 1 long before evenness has its say, so a
    // pair is held to the share of the pairs the levels treat alike. −1:
    // never counted.
    std::vector<int> partnerCell;  // n×n
    std::vector<int> opponentCell; // n×n
    int cellsPerKind = 1;
    bool byLevel = false;               // cells split by the two members' levels
    std::vector<QString> opponentLabel; // by kind
    int partnerCells() const { return cellsPerKind; }
    int opponentCells() const { return cellsPerKind * static_cast<int>(opponentLabel.size()); }

    std::size_t at(int x, int y) const {
        return static_cast<std::size_t>(x) * static_cast<std::size_t>(members) +
               static_cast<std::size_t>(y);
    }
    bool pairUnit(int u) const { return unitMembers[static_cast<std::size_t>(u)][1] >= 0; }
    int units() const { return static_cast<int>(unitMembers.size()); }
};

Model modelOf(const DayFacts& facts, const DayRules& rules) {
    Model m;
    const int n = facts.size();
    m.members = n;
    const auto g = [&facts](int i) { return facts.gender[static_cast<std::size_t>(i)]; };
    const auto lv = [&facts](int i) { return ruleLevel(facts.level[static_cast<std::size_t>(i)]); };
    // Only a pair named both ways makes a unit; the facts are read that way,
    // and anything else would seat one member twice.
    const auto partnerOf = [&](int i) {
        if (!rules.fixedPairs)
            return -1;
        const int p = facts.fixedPartner[static_cast<std::size_t>(i)];
        return p >= 0 && p < n && p != i && facts.fixedPartner[static_cast<std::size_t>(p)] == i
                   ? p
                   : -1;
    };
    bool anyPair = false;
    for (int i = 0; i < n; ++i)
        anyPair = anyPair || partnerOf(i) >= 0;
    const QString apartSuffix = anyPair ? QStringLiteral("（固定ペア以外）") : QString();
    if (rules.mixed) {
        m.groupLabel = {QStringLiteral("男性") + apartSuffix, QStringLiteral("女性") + apartSuffix};
        m.genderSeat = {0, 1};
    } else {
        m.groupLabel = {QStringLiteral("全員") + apartSuffix};
        m.genderSeat = {-1};
    }
    if (anyPair) {
        m.pairGroup = static_cast<int>(m.groupLabel.size());
        m.groupLabel.push_back(QStringLiteral("固定ペア（1組を1人として）"));
        m.genderSeat.push_back(-1);
    }
    m.unitOf.assign(static_cast<std::size_t>(n), -1);
    for (int i = 0; i < n; ++i) {
        if (m.unitOf[static_cast<std::size_t>(i)] >= 0)
            continue;
        const int p = partnerOf(i);
        const int u = m.units();
        m.unitOf[static_cast<std::size_t>(i)] = u;
        if (p >= 0) {
            m.unitOf[static_cast<std::size_t>(p)] = u;
            m.unitMembers.push_back({i, p});
            m.groupOf.push_back(m.pairGroup);
        } else {
            m.unitMembers.push_back({i, -1});
            m.groupOf.push_back(rules.mixed && g(i) == Gender::Female ? 1 : 0);
        }
    }
    const auto nn = static_cast<std::size_t>(n) * static_cast<std::size_t>(n);
    m.together.assign(nn, 0);
    m.partners.assign(nn, 0);
    m.partnerCell.assign(nn, -1);
    m.opponentCell.assign(nn, -1);
    const int groups = static_cast<int>(m.groupLabel.size());
    // Balance binds exactly where the members are not all of one level.
    const bool severalLevels = bindingRules(facts, {.levelBalance = true}).levelBalance;
    m.byLevel = (rules.levelBalance || rules.levelNear) && severalLevels;
    constexpr int LevelPairs = MaxLevel * MaxLevel;
    m.cellsPerKind = groups * groups * (m.byLevel ? LevelPairs : 1);
    const auto cellOf = [&m, &lv, groups](int x, int y) {
        const int gx = m.groupOf[static_cast<std::size_t>(m.unitOf[static_cast<std::size_t>(x)])];
        const int gy = m.groupOf[static_cast<std::size_t>(m.unitOf[static_cast<std::size_t>(y)])];
        const int groupPair = std::min(gx, gy) * groups + std::max(gx, gy);
        if (!m.byLevel)
            return groupPair;
        const int lo = std::min(lv(x), lv(y)) - MinLevel;
        const int hi = std::max(lv(x), lv(y)) - MinLevel;
        return groupPair * LevelPairs + lo * MaxLevel + hi;
    };
    m.opponentLabel =
        rules.mixed ? std::vector<QString>{QStringLiteral("男性同士"), QStringLiteral("女性同士"),
                                           QStringLiteral("男性と女性")}
                    : std::vector<QString>{QStringLiteral("全員")};
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            if (x == y)
                continue;
            const bool share = !(rules.keptApart && (facts.apart(x, y) || facts.apart(y, x))) &&
                               !(rules.levelNear && std::abs(lv(x) - lv(y)) > 1);
            m.together[m.at(x, y)] = share;
            if (!share)
                continue;
            const bool fixedHere = partnerOf(x) >= 0 || partnerOf(y) >= 0;
            const bool mixedOk = !rules.mixed || g(x) != g(y);
            if (fixedHere)
                m.partners[m.at(x, y)] = partnerOf(x) == y;
            else
                m.partners[m.at(x, y)] = mixedOk;
            m.partnerCell[m.at(x, y)] = !fixedHere && mixedOk ? cellOf(x, y) : -1;
            if (partnerOf(x) == y)
                continue;
            const int kind = !rules.mixed ? 0 : (g(x) != g(y) ? 2 : (g(x) == Gender::Male ? 0 : 1));
            m.opponentCell[m.at(x, y)] = kind * m.cellsPerKind + cellOf(x, y);
        }
    }
    return m;
}

QString rulesInForce(const DayRules& rules) {
    QStringList list;
    if (rules.mixed)
        list << QStringLiteral("ミックスダブルス");
    if (rules.levelNear)
        list << QStringLiteral("近いレベル");
    if (rules.fixedPairs)
        list << QStringLiteral("固定ペア");
    if (rules.keptApart)
        list << QStringLiteral("別々にする");
    return list.join(QStringLiteral("・"));
}

bool sideOk(const Model& m, int x, int y) {
    return m.partners[m.at(x, y)] != 0;
}

bool matchOk(const Model& m, const int* p) {
    if (!sideOk(m, p[0], p[1]) || !sideOk(m, p[2], p[3]))
        return false;
    for (int s = 0; s < 4; ++s)
        for (int t = s + 1; t < 4; ++t)
            if (!m.together[m.at(p[s], p[t])])
                return false;
    return true;
}

// Whether some match can hold `x` at all under the rules.
bool hasSomeMatch(const Model& m, int x) {
    const int n = m.members;
    for (int y = 0; y < n; ++y) {
        if (y == x || !sideOk(m, x, y))
            continue;
        for (int z = 0; z < n; ++z) {
            if (z == x || z == y || !m.together[m.at(x, z)] || !m.together[m.at(y, z)])
                continue;
            for (int w = z + 1; w < n; ++w) {
                if (w == x || w == y)
                    continue;
                const int p[4] = {x, y, z, w};
                if (matchOk(m, p))
                    return true;
            }
        }
    }
    return false;
}

// Whether the rules let every two members share a match, and every man and
// woman be partners: only mixed doubles binds.
bool everyoneMeets(const Model& m) {
    for (int x = 0; x < m.members; ++x)
        for (int y = 0; y < m.members; ++y)
            if (x != y && !m.together[m.at(x, y)])
                return false;
    return true;
}

struct Window {
    int lo = 0;
    int hi = 0;
};

// The range an even share leaves each pair of a cell, given the slots the day
// actually gave that cell and each member's own slots in it. However a table
// is drawn, some pair of a cell meets at least its rounded-up mean and some at
// most its rounded-down one. The same holds for one member's pairs within the
// cell over that member's own slots there: a member the rules let meet only a
// few others meets them more often than the cell's mean. A pair's range runs
// from the lowest to the highest of those shares among its cell and its two
// members; a cell's bound is the least spread these shares force on it, the
// width from its lowest forced floor to its highest forced ceiling.
struct EvenShares {
    std::vector<Window> pair;   // members × members, x < y
    std::vector<int> cellBound; // by cell; −1 for a cell without pairs
};

// `counts` by x·members + y for x < y; `cellOf` n×n, −1 for a pair not counted.
EvenShares evenShares(const std::vector<int>& cellOf, int cells, int members,
                      const std::vector<int>& counts) {
    const auto n = static_cast<std::size_t>(members);
    const auto c = static_cast<std::size_t>(cells);
    std::vector<std::int64_t> total(c, 0);
    std::vector<std::int64_t> pairs(c, 0);
    std::vector<std::int64_t> own(n * c, 0);
    std::vector<std::int64_t> met(n * c, 0);
    // Every pair the rules let meet, with its cell.
    const auto eachCountedPair = [&](const auto& visit) {
        for (std::size_t x = 0; x < n; ++x)
            for (std::size_t y = x + 1; y < n; ++y)
                if (const int k = cellOf[x * n + y]; k >= 0)
                    visit(x, y, static_cast<std::size_t>(k));
    };
    eachCountedPair([&](std::size_t x, std::size_t y, std::size_t kk) {
        const int v = counts[x * n + y];
        total[kk] += v;
        ++pairs[kk];
        own[x * c + kk] += v;
        own[y * c + kk] += v;
        ++met[x * c + kk];
        ++met[y * c + kk];
    });
    const auto share = [](std::int64_t t, std::int64_t p) {
        return Window{static_cast<int>(t / p), static_cast<int>((t + p - 1) / p)};
    };
    EvenShares s;
    std::vector<Window> cell(c);
    std::vector<Window> forced(c);
    for (std::size_t k = 0; k < c; ++k)
        if (pairs[k] > 0)
            cell[k] = forced[k] = share(total[k], pairs[k]);
    std::vector<Window> mine(n * c);
    for (std::size_t x = 0; x < n; ++x)
        for (std::size_t k = 0; k < c; ++k)
            if (met[x * c + k] > 0) {
                mine[x * c + k] = share(own[x * c + k], met[x * c + k]);
                forced[k].lo = std::min(forced[k].lo, mine[x * c + k].lo);
                forced[k].hi = std::max(forced[k].hi, mine[x * c + k].hi);
            }
    s.cellBound.assign(c, -1);
    for (std::size_t k = 0; k < c; ++k)
        if (pairs[k] > 0)
            s.cellBound[k] = forced[k].hi - forced[k].lo;
    s.pair.assign(n * n, {});
    eachCountedPair([&](std::size_t x, std::size_t y, std::size_t kk) {
        const Window& a = mine[x * c + kk];
        const Window& b = mine[y * c + kk];
        s.pair[x * n + y] = {std::min({cell[kk].lo, a.lo, b.lo}),
                             std::max({cell[kk].hi, a.hi, b.hi})};
    });
    return s;
}

class RuledSearch {
public:
    RuledSearch(const Model& model, const DayFacts& facts, const DayRules& rules, int courts,
                int rounds, const BalancedHistory* history, std::uint32_t seed);

    // Seats every round by the rotation; the first round that cannot be
    // seated (0-based), or −1 when all were. `relaxed`: where the fewest
    // plays first leave no seating, the fewest plays are only preferred.
    // `blur`: rounds of waiting by which the order among equals may differ
    // from who waited longest. `lookAhead`: a round is seated only where the
    // next can still be (see nextRoundSeatable). `nodes`: the seating steps
    // the whole build may take.
    int build(bool relaxed, double blur, bool lookAhead, std::int64_t nodes);
    void anneal(std::int64_t budget, double startTemperature = 0.5);
    // Takes `seats` (a day by construction, as mixedPassSeats gives) as the
    // day to anneal from.
    void start(const std::vector<int>& seats);
    // The largest play spread within a group at any round boundary, the
    // plays had before the first round included; `group` names where.
    int worstSpread(int& group) const;
    int spreadBefore() const;
    int player(int round, int seat) const { return best_[at(round, seat)]; }

private:
    std::size_t at(int round, int seat) const {
        return static_cast<std::size_t>(round * perRound_ + seat);
    }
    std::size_t whereAt(int round, int member) const {
        return static_cast<std::size_t>(round * members_ + member);
    }
    std::size_t countAt(int round, int unit) const {
        return static_cast<std::size_t>(round * units_ + unit);
    }
    std::size_t pairAt(int x, int y) const {
        return static_cast<std::size_t>(std::min(x, y) * members_ + std::max(x, y));
    }
    std::uint32_t below(std::uint32_t k) {
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(rng_()) * k) >> 32);
    }
    double unit() { return static_cast<double>(rng_()) * (1.0 / 4294967296.0); }
    bool playing(int round, int u) const {
        return where_[whereAt(round, model_.unitMembers[static_cast<std::size_t>(u)][0])] >= 0;
    }
    int levelOf(int x) const { return ruleLevel(facts_.level[static_cast<std::size_t>(x)]); }

    bool seatRound(int r, const std::vector<int>& quota, const std::vector<int>& required,
                   const std::vector<int>& optional);
    bool fill(int slot);
    bool nextRoundSeatable();
    bool nextRoundSeatable(const std::vector<int>& quota);
    // Places a round gives each group when `pairs` fixed pairs play in it.
    std::vector<int> quotaFor(int pairs) const;
    static void splitDue(const std::vector<int>& group, const std::vector<int>& plays,
                         int threshold, int places, std::vector<int>& required,
                         std::vector<int>& optional);
    void place(int slot, int member);

    std::int64_t levelCost(int round, int match) const;
    std::int64_t matchDelta(int round, int match, int sign);
    std::int64_t fullCost();
    bool sitRunOk(int u, int round) const;
    bool acceptMove(std::int64_t levelDelta, std::int64_t fairDelta, double temperature);
    void swapMove(double temperature);
    void tradeMove(double temperature);
    void targetedMove(double temperature);
    void relabelMove(double temperature);
    void opposedMove(double temperature);
    void genderRoundsMove(double temperature);
    bool turnsStayEven(int group, int r1, int r2) const;
    void recount(int r1, int r2);
    void exchangeUnits(int r, int x, int y);
    bool trySwap(int r, int p, int q, double temperature);
    void keepIfBest();

public:
    // Back to the best day seen, to anneal once more from there.
    void restoreBest();
    bool nearBounds() const;
    int beyondBounds() const;
    bool perfect() const { return bestLevel_ == 0 && bestFair_ == 0; }

private:
    const Model& model_;
    const DayFacts& facts_;
    const DayRules& rules_;
    int members_;
    int units_;
    int courts_;
    int rounds_;
    int perRound_;
    int groups_;
    std::vector<double> groupRate_; // units seated a round, on average
    std::vector<int> sitLimit_;     // by group
    std::vector<int> pairRange_;    // fixed pairs a round: lowest, highest
    std::vector<int> credit_;       // plays before the first round, by unit
    std::vector<int> carrySit_;     // by unit
    int relabelSpan_ = 1;

    std::vector<int> seats_; // rounds × perRound; seats 4j … 4j+3 are match j
    std::vector<int> where_; // rounds × members: seat, −1 out
    std::vector<int> count_; // rounds × units: plays up to and including the round
    std::vector<int> partner_;
    std::vector<int> opponent_;
    std::vector<Window> partnerShare_; // by pairAt: the range an even share leaves
    std::vector<Window> opponentShare_;
    // A cell's spread beyond the least its slots allow (evenShares) is what
    // the organiser reads, and pairs priced one by one can sit a step below
    // and a step above their ranges at once; so the spread is priced too,
    // from how many of the cell's pairs hold each count.
    struct CellSpread {
        std::vector<int> pairsAt; // by count
        int lo = 0;
        int hi = 0;
        int bound = 0;
    };
    std::vector<CellSpread> partnerSpread_; // by cell
    std::vector<CellSpread> opponentSpread_;
    static std::int64_t spreadCost(const CellSpread& s);
    static std::int64_t moveCount(CellSpread& s, int from, int to);
    void countCells(const std::vector<int>& counts, const std::vector<int>& cellOf,
                    const std::vector<int>& bounds, std::vector<CellSpread>& cells) const;
    std::int64_t level_ = 0;
    std::int64_t fair_ = 0;
    std::int64_t bestLevel_ = 0;
    std::int64_t bestFair_ = 0;
    std::vector<int> best_;
    std::vector<int> keptPartner_;
    std::vector<int> keptOpponent_;

    // The round being seated; one struct, so that a look at the next round
    // can set it aside and take it back whole.
    struct Seating {
        int round = 0;
        std::vector<int> quotaLeft;
        std::vector<int> requiredLeft; // by group
        std::vector<char> isRequired;  // by unit
        std::vector<char> used;        // by unit
        std::vector<int> candidates;   // units, required first
        int requiredSeats = 0;
        std::int64_t nodes = 0;
        bool balancedOnly = false; // every match within the level balance
    } seating_;
    std::int64_t allNodes_ = 0;
    std::int64_t nodeLimit_ = 0;
    // The seating search stops on a number of steps a round, and a build on
    // a number for all its rounds (see generateRuledDay).
    static constexpr std::int64_t RoundNodes = 6000;
    static constexpr std::int64_t BalancedRoundNodes = 800;
    // A round seated is checked against the next: those it leaves behind
    // must still fit into one round with the same quotas.
    struct LookAhead {
        bool on = false;
        std::vector<int> plays; // by unit, before the round being seated
        std::vector<int> quota; // by group
    } ahead_;
    std::mt19937 rng_;
};

RuledSearch::RuledSearch(const Model& model, const DayFacts& facts, const DayRules& rules,
                         int courts, int rounds, const BalancedHistory* history, std::uint32_t seed)
    : model_(model), facts_(facts), rules_(rules), members_(model.members), units_(model.units()),
      courts_(courts), rounds_(rounds), perRound_(4 * courts),
      groups_(static_cast<int>(model.groupLabel.size())), rng_(seed) {
    const auto n = static_cast<std::size_t>(members_);
    const auto u = static_cast<std::size_t>(units_);
    std::vector<int> size(static_cast<std::size_t>(groups_), 0);
    for (std::size_t k = 0; k < u; ++k)
        ++size[static_cast<std::size_t>(model_.groupOf[k])];
    credit_.assign(u, 0);
    carrySit_.assign(u, 0);
    if (history) {
        for (std::size_t k = 0; k < u; ++k) {
            const auto first = static_cast<std::size_t>(model_.unitMembers[k][0]);
            if (history->playCredit.size() == n) {
                int c = history->playCredit[first];
                if (model_.unitMembers[k][1] >= 0)
                    c = std::max(
                        c, history->playCredit[static_cast<std::size_t>(model_.unitMembers[k][1])]);
                credit_[k] = c;
            }
            carrySit_[k] = history->sitOutRun[first];
        }
    }

    // Seats a round: a fixed pair takes a place of each gender (two places
    // without mixed doubles); the pairs play at everyone's rate where the
    // singles around them leave room for it.
    groupRate_.assign(static_cast<std::size_t>(groups_), 0.0);
    const double everyone = 4.0 * courts / members_;
    if (model_.pairGroup >= 0) {
        const int pairs = size[static_cast<std::size_t>(model_.pairGroup)];
        int lo = 0;
        int hi = std::min(pairs, 2 * courts);
        if (rules.mixed)
            lo = std::max(0, 2 * courts - std::min(size[0], size[1]));
        else
            lo = std::max(0, ceilDiv(4 * courts - size[0], 2));
        pairRange_ = {lo, hi};
        const double p =
            std::clamp(everyone * pairs, static_cast<double>(lo), static_cast<double>(hi));
        groupRate_[static_cast<std::size_t>(model_.pairGroup)] = p;
        if (rules.mixed) {
            groupRate_[0] = 2 * courts - p;
            groupRate_[1] = 2 * courts - p;
        } else {
            groupRate_[0] = 4 * courts - 2 * p;
        }
    } else if (rules.mixed) {
        groupRate_[0] = groupRate_[1] = 2 * courts;
    } else {
        groupRate_[0] = 4 * courts;
    }
    sitLimit_.assign(static_cast<std::size_t>(groups_), rounds + 1);
    for (std::size_t k = 0; k < static_cast<std::size_t>(groups_); ++k)
        if (groupRate_[k] > 0)
            sitLimit_[k] = static_cast<int>(std::ceil(size[k] / groupRate_[k] - 1e-9));

    int longest = 1;
    for (int limit : sitLimit_)
        longest = std::max(longest, std::min(limit, rounds));
    relabelSpan_ = std::max(1, std::min(rounds, 4 * (longest + 1)));
    seats_.assign(static_cast<std::size_t>(rounds * perRound_), -1);
    where_.assign(static_cast<std::size_t>(rounds) * n, -1);
    count_.assign(static_cast<std::size_t>(rounds) * u, 0);
    partner_.assign(n * n, 0);
    opponent_.assign(n * n, 0);
    if (history) {
        for (int x = 0; x < members_; ++x)
            for (int y = x + 1; y < members_; ++y) {
                const std::size_t i = pairAt(x, y);
                partner_[i] = history->partner.at(x, y);
                opponent_[i] = history->opponent.at(x, y);
            }
    }
    keptPartner_ = partner_;
    keptOpponent_ = opponent_;
}

void RuledSearch::place(int slot, int member) {
    seats_[at(seating_.round, slot)] = member;
}

// Fills the round's seats from `slot` on, match by match: the first place of
// a match goes to the first required unit still waiting (matches are alike,
// so nothing is lost), the others to whoever the rules let join.
bool RuledSearch::fill(int slot) {
    if (slot == perRound_)
        return !ahead_.on || seating_.round + 1 >= rounds_ || nextRoundSeatable();
    ++allNodes_;
    if (++seating_.nodes > (seating_.balancedOnly ? BalancedRoundNodes : RoundNodes) ||
        allNodes_ > nodeLimit_)
        return false;
    const int pos = slot % 4;
    const int first = slot - pos;
    auto fits = [&](int u) {
        const auto k = static_cast<std::size_t>(u);
        return !seating_.used[k] &&
               seating_.quotaLeft[static_cast<std::size_t>(model_.groupOf[k])] > 0;
    };
    auto take = [&](int u, bool on) {
        const auto k = static_cast<std::size_t>(u);
        const auto g = static_cast<std::size_t>(model_.groupOf[k]);
        const int step = on ? 1 : -1;
        seating_.used[k] = on;
        seating_.quotaLeft[g] -= step;
        if (seating_.isRequired[k]) {
            seating_.requiredLeft[g] -= step;
            seating_.requiredSeats -= step * (model_.pairUnit(u) ? 2 : 1);
        }
    };
    auto pruned = [&](int seatsAfter) {
        if (seating_.requiredSeats > seatsAfter)
            return true;
        for (std::size_t g = 0; g < seating_.quotaLeft.size(); ++g)
            if (seating_.quotaLeft[g] < seating_.requiredLeft[g])
                return true;
        return false;
    };
    auto tryUnit = [&](int u, int at) {
        const auto& who = model_.unitMembers[static_cast<std::size_t>(u)];
        take(u, true);
        place(at, who[0]);
        int next = at + 1;
        if (who[1] >= 0)
            place(next++, who[1]);
        const bool done = !pruned(perRound_ - next) && fill(next);
        if (!done)
            take(u, false);
        return done;
    };
    const int* s = &seats_[at(seating_.round, first)];
    if (pos == 0) {
        for (int u : seating_.candidates) {
            if (!fits(u))
                continue;
            if (tryUnit(u, slot))
                return true;
            if (seating_.isRequired[static_cast<std::size_t>(u)])
                return false; // the first required unit must open a match
        }
        return false;
    }
    // Later places: members who may share the match, in the order that keeps
    // the two sides' levels closest when level balance is asked for.
    std::vector<std::pair<int, int>> options; // (level gap, unit)
    for (int u : seating_.candidates) {
        if (!fits(u))
            continue;
        const auto& who = model_.unitMembers[static_cast<std::size_t>(u)];
        const bool pair = who[1] >= 0;
        if (pair && pos != 2)
            continue;
        bool ok = true;
        for (int k = 0; k < pos && ok; ++k)
            for (int w : who)
                if (w >= 0 && !model_.together[model_.at(s[k], w)])
                    ok = false;
        if (!ok)
            continue;
        if (pos == 1 && !sideOk(model_, s[0], who[0]))
            continue;
        if (pos == 3 && !sideOk(model_, s[2], who[0]))
            continue;
        int gap = 0;
        if (rules_.levelBalance && (pos == 3 || pair)) {
            const int a = levelOf(s[0]) + levelOf(s[1]);
            const int b =
                pair ? levelOf(who[0]) + levelOf(who[1]) : levelOf(s[2]) + levelOf(who[0]);
            gap = std::max(0, std::abs(a - b) - 1);
        }
        if (gap > 0 && seating_.balancedOnly)
            continue;
        options.emplace_back(gap, u);
    }
    std::stable_sort(options.begin(), options.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
    for (const auto& [gap, u] : options)
        if (tryUnit(u, slot))
            return true;
    return false;
}

// A group's units below the threshold must play; those at it may. Where the
// group's `places` (−1: not said) are exactly as many as those below and at
// it, they must all play, and saying so lets the seating open each match with
// one of them instead of trying every order of the same fours.
void RuledSearch::splitDue(const std::vector<int>& group, const std::vector<int>& plays,
                           int threshold, int places, std::vector<int>& required,
                           std::vector<int>& optional) {
    int below = 0;
    int at = 0;
    for (int u : group) {
        const int c = plays[static_cast<std::size_t>(u)];
        below += c < threshold;
        at += c == threshold;
    }
    const bool allDue = below + at == places;
    for (int u : group) {
        const int c = plays[static_cast<std::size_t>(u)];
        if (c < threshold || (allDue && c == threshold))
            required.push_back(u);
        else if (c == threshold)
            optional.push_back(u);
    }
}

// Where the rules split the roster into few possible fours (levels far
// apart, few of a gender), seating whoever is first in line can leave the
// rest with no seating at all one round later, and every round of the day
// then fails in turn. Those who must play next round to keep counts within
// one are seated there at once; a seating that cannot be proved hopeless in
// a round's steps is kept.
std::vector<int> RuledSearch::quotaFor(int pairs) const {
    std::vector<int> quota(static_cast<std::size_t>(groups_), 0);
    if (model_.pairGroup >= 0)
        quota[static_cast<std::size_t>(model_.pairGroup)] = pairs;
    if (rules_.mixed)
        quota[0] = quota[1] = 2 * courts_ - pairs;
    else
        quota[0] = 4 * courts_ - 2 * pairs;
    return quota;
}

bool RuledSearch::nextRoundSeatable() {
    // Next round may seat another number of fixed pairs than this one.
    if (model_.pairGroup < 0)
        return nextRoundSeatable(ahead_.quota);
    for (int p = pairRange_[0]; p <= pairRange_[1]; ++p)
        if (nextRoundSeatable(quotaFor(p)))
            return true;
    return false;
}

bool RuledSearch::nextRoundSeatable(const std::vector<int>& quota) {
    const int round = seating_.round;
    std::vector<int> plays = ahead_.plays;
    for (int s = 0; s < perRound_; ++s) {
        const int m = seats_[at(round, s)];
        const int u = model_.unitOf[static_cast<std::size_t>(m)];
        if (model_.unitMembers[static_cast<std::size_t>(u)][0] == m)
            ++plays[static_cast<std::size_t>(u)];
    }
    std::vector<int> required;
    std::vector<int> optional;
    for (int g = 0; g < groups_; ++g) {
        const int k = quota[static_cast<std::size_t>(g)];
        std::vector<int> group;
        std::vector<int> counts;
        for (int u = 0; u < units_; ++u) {
            if (model_.groupOf[static_cast<std::size_t>(u)] == g) {
                group.push_back(u);
                counts.push_back(plays[static_cast<std::size_t>(u)]);
            }
        }
        if (k == 0 || k > static_cast<int>(group.size()))
            continue;
        std::nth_element(counts.begin(), counts.begin() + (k - 1), counts.end());
        splitDue(group, plays, counts[static_cast<std::size_t>(k - 1)], k, required, optional);
    }
    // Moved, not copied: the seating being checked walks its candidates, and
    // a move keeps their storage where the walk left it.
    Seating kept = std::move(seating_);
    seating_.balancedOnly = false;
    ahead_.on = false;
    const bool seated = seatRound(round + 1, quota, required, optional);
    const bool hopeless = !seated && seating_.nodes <= RoundNodes;
    ahead_.on = true;
    // The steps spent here count against the round being seated, so that a
    // seating whose every completion is hopeless gives up in time for the
    // rotation to try the rounds before it afresh.
    const std::int64_t spent = std::min(seating_.nodes, RoundNodes);
    seating_ = std::move(kept);
    seating_.nodes += spent;
    return !hopeless;
}

bool RuledSearch::seatRound(int r, const std::vector<int>& quota, const std::vector<int>& required,
                            const std::vector<int>& optional) {
    seating_.round = r;
    seating_.quotaLeft = quota;
    seating_.requiredLeft.assign(static_cast<std::size_t>(groups_), 0);
    seating_.isRequired.assign(static_cast<std::size_t>(units_), 0);
    seating_.used.assign(static_cast<std::size_t>(units_), 0);
    seating_.requiredSeats = 0;
    for (int u : required) {
        seating_.isRequired[static_cast<std::size_t>(u)] = 1;
        ++seating_
              .requiredLeft[static_cast<std::size_t>(model_.groupOf[static_cast<std::size_t>(u)])];
        seating_.requiredSeats += model_.pairUnit(u) ? 2 : 1;
    }
    seating_.candidates = required;
    seating_.candidates.insert(seating_.candidates.end(), optional.begin(), optional.end());
    // With level balance asked for, a seating where every match is
    // balanced is looked for first, so the choice among members due to
    // play already serves it.
    if (rules_.levelBalance) {
        const auto quotaKept = seating_.quotaLeft;
        const auto requiredKept = seating_.requiredLeft;
        const int seatsKept = seating_.requiredSeats;
        seating_.balancedOnly = true;
        seating_.nodes = 0;
        const bool balanced = fill(0);
        seating_.balancedOnly = false;
        if (balanced)
            return true;
        seating_.quotaLeft = quotaKept;
        seating_.requiredLeft = requiredKept;
        seating_.requiredSeats = seatsKept;
        seating_.used.assign(static_cast<std::size_t>(units_), 0);
    }
    seating_.nodes = 0;
    return fill(0);
}

// Round by round, each group seats the units with the fewest plays first
// (those who have waited longest among equals, blurred so that the same
// members do not keep coming on together); a search then finds matches for
// them under the rules, drawing on the next in line when those first in line
// cannot all be placed.
int RuledSearch::build(bool relaxed, double blur, bool lookAhead, std::int64_t nodes) {
    nodeLimit_ = nodes;
    constexpr int Attempts = 3;
    constexpr int MaxBacktracks = 200;
    const auto u = static_cast<std::size_t>(units_);
    std::vector<int> plays = credit_;
    std::vector<int> last(u, 0);
    for (std::size_t k = 0; k < u; ++k)
        last[k] = -1 - carrySit_[k];
    int pairsDone = 0;
    std::vector<double> wait(u);
    // Where a round cannot be seated, the rounds before it are seated afresh
    // (one, then more as failures repeat): the rotation's choice among equals
    // a round or two earlier decides who is left to fill it.
    struct Start {
        std::vector<int> plays;
        std::vector<int> last;
        int pairsDone = 0;
    };
    std::vector<Start> starts(static_cast<std::size_t>(rounds_) + 1);
    starts[0] = {plays, last, 0};
    std::vector<int> failures(static_cast<std::size_t>(rounds_), 0);
    int backtracks = 0;
    for (int r = 0; r < rounds_;) {
        const Start& from = starts[static_cast<std::size_t>(r)];
        plays = from.plays;
        last = from.last;
        pairsDone = from.pairsDone;
        std::vector<int> tries;
        if (model_.pairGroup >= 0) {
            const double pairsDue =
                groupRate_[static_cast<std::size_t>(model_.pairGroup)] * (r + 1);
            const int want = std::clamp(static_cast<int>(std::lround(pairsDue)) - pairsDone,
                                        pairRange_[0], pairRange_[1]);
            tries.push_back(want);
            for (int d = 1; d <= pairRange_[1] - pairRange_[0]; ++d) {
                if (want - d >= pairRange_[0])
                    tries.push_back(want - d);
                if (want + d <= pairRange_[1])
                    tries.push_back(want + d);
            }
        } else {
            tries.push_back(0);
        }
        bool seated = false;
        int pairsHere = 0;
        for (std::size_t t = 0; t < tries.size() && !seated; ++t) {
            const int p = tries[t];
            const std::vector<int> quota = quotaFor(p);
            for (int attempt = 0; attempt < Attempts && !seated; ++attempt) {
                std::vector<int> required;
                std::vector<int> optional;
                for (std::size_t k = 0; k < u; ++k)
                    wait[k] = last[k] + blur * unit() * (1 + attempt);
                for (int g = 0; g < groups_; ++g) {
                    std::vector<int> order;
                    for (int k = 0; k < units_; ++k)
                        if (model_.groupOf[static_cast<std::size_t>(k)] == g)
                            order.push_back(k);
                    const int k = quota[static_cast<std::size_t>(g)];
                    if (k > static_cast<int>(order.size()))
                        break;
                    const int limit = sitLimit_[static_cast<std::size_t>(g)];
                    std::sort(order.begin(), order.end(), [&](int a, int b) {
                        const auto ia = static_cast<std::size_t>(a);
                        const auto ib = static_cast<std::size_t>(b);
                        if (plays[ia] != plays[ib])
                            return plays[ia] < plays[ib];
                        const bool la = r - last[ia] > limit;
                        const bool lb = r - last[ib] > limit;
                        if (la != lb)
                            return la;
                        if (wait[ia] != wait[ib])
                            return wait[ia] < wait[ib];
                        return a < b;
                    });
                    if (k == 0)
                        continue;
                    // Fewest plays first: below the k-th lowest count everybody
                    // plays; at it, whoever the search places.
                    const int threshold =
                        plays[static_cast<std::size_t>(order[static_cast<std::size_t>(k - 1)])];
                    splitDue(order, plays, threshold, lookAhead ? k : -1, required, optional);
                }
                // Optional units of all groups interleave by waiting time.
                std::stable_sort(optional.begin(), optional.end(), [&](int a, int b) {
                    return wait[static_cast<std::size_t>(a)] < wait[static_cast<std::size_t>(b)];
                });
                ahead_ = {lookAhead, plays, quota};
                seated = seatRound(r, quota, required, optional);
                ahead_.on = false;
                pairsHere = p;
            }
        }
        // A relaxed build goes back only while most of its steps are left
        // for seating the rounds it must relax.
        if (!seated && r > 0 && backtracks < MaxBacktracks &&
            (!relaxed || allNodes_ < nodeLimit_ / 4)) {
            ++backtracks;
            r -= std::min(r, 1 + failures[static_cast<std::size_t>(r)]++ / 3);
            continue;
        }
        for (std::size_t t = 0; t < tries.size() && !seated && relaxed; ++t) {
            const int p = tries[t];
            const std::vector<int> quota = quotaFor(p);
            std::vector<int> order(u);
            for (std::size_t k = 0; k < u; ++k) {
                order[k] = static_cast<int>(k);
                wait[k] = last[k] + blur * unit();
            }
            std::sort(order.begin(), order.end(), [&](int a, int b) {
                const auto ia = static_cast<std::size_t>(a);
                const auto ib = static_cast<std::size_t>(b);
                if (plays[ia] != plays[ib])
                    return plays[ia] < plays[ib];
                return wait[ia] < wait[ib];
            });
            // First with those already two behind someone of their group
            // on court (so nobody falls three behind), then without.
            std::vector<int> behind;
            std::vector<int> others;
            for (int g = 0; g < groups_ && !seated; ++g) {
                int top = std::numeric_limits<int>::min();
                int count = 0;
                for (int k : order)
                    if (model_.groupOf[static_cast<std::size_t>(k)] == g)
                        top = std::max(top, plays[static_cast<std::size_t>(k)]);
                for (int k : order)
                    if (model_.groupOf[static_cast<std::size_t>(k)] == g &&
                        plays[static_cast<std::size_t>(k)] <= top - 2)
                        ++count;
                for (int k : order) {
                    if (model_.groupOf[static_cast<std::size_t>(k)] != g)
                        continue;
                    const bool due = plays[static_cast<std::size_t>(k)] <= top - 2;
                    (due && count <= quota[static_cast<std::size_t>(g)] ? behind : others)
                        .push_back(k);
                }
            }
            std::stable_sort(others.begin(), others.end(), [&](int a, int b) {
                const auto ia = static_cast<std::size_t>(a);
                const auto ib = static_cast<std::size_t>(b);
                if (plays[ia] != plays[ib])
                    return plays[ia] < plays[ib];
                return wait[ia] < wait[ib];
            });
            seated = !behind.empty() && seatRound(r, quota, behind, others);
            if (!seated)
                seated = seatRound(r, quota, {}, order);
            pairsHere = p;
        }
        if (!seated)
            return r;
        pairsDone += pairsHere;
        std::fill_n(where_.begin() + static_cast<std::ptrdiff_t>(whereAt(r, 0)), members_, -1);
        for (int s = 0; s < perRound_; ++s) {
            const int m = seats_[at(r, s)];
            where_[whereAt(r, m)] = s;
        }
        for (std::size_t k = 0; k < u; ++k) {
            if (playing(r, static_cast<int>(k))) {
                ++plays[k];
                last[k] = r;
            }
            count_[countAt(r, static_cast<int>(k))] = plays[k];
        }
        starts[static_cast<std::size_t>(r) + 1] = {plays, last, pairsDone};
        ++r;
    }
    fullCost();
    bestLevel_ = level_;
    bestFair_ = fair_;
    best_ = seats_;
    return -1;
}

std::int64_t RuledSearch::levelCost(int round, int match) const {
    if (!rules_.levelBalance)
        return 0;
    const int* p = &seats_[at(round, 4 * match)];
    const int gap = std::abs(levelOf(p[0]) + levelOf(p[1]) - levelOf(p[2]) - levelOf(p[3]));
    const int e = std::max(0, gap - 1);
    return static_cast<std::int64_t>(e) * e;
}

std::int64_t RuledSearch::matchDelta(int round, int match, int sign) {
    const int* p = &seats_[at(round, 4 * match)];
    std::int64_t d = 0;
    auto step = [&](std::vector<int>& counts, const std::vector<int>& kinds,
                    const std::vector<Window>& share, std::vector<CellSpread>& cells, int x,
                    int y) {
        const std::size_t i = pairAt(x, y);
        int& c = counts[i];
        if (const int k = kinds[model_.at(x, y)]; k >= 0) {
            const Window& w = share[i];
            d -= excessCost(c, w.lo, w.hi);
            d += moveCount(cells[static_cast<std::size_t>(k)], c, c + sign);
            c += sign;
            d += excessCost(c, w.lo, w.hi);
        } else {
            c += sign;
        }
    };
    step(partner_, model_.partnerCell, partnerShare_, partnerSpread_, p[0], p[1]);
    step(partner_, model_.partnerCell, partnerShare_, partnerSpread_, p[2], p[3]);
    for (int a = 0; a < 2; ++a)
        for (int c = 2; c < 4; ++c)
            step(opponent_, model_.opponentCell, opponentShare_, opponentSpread_, p[a], p[c]);
    return d;
}

// Counts the day in on top of the kept part, sets each pair's even share
// from the day's slots (evenShares), and prices every pair against it.
std::int64_t RuledSearch::fullCost() {
    partner_ = keptPartner_;
    opponent_ = keptOpponent_;
    for (int r = 0; r < rounds_; ++r)
        for (int j = 0; j < courts_; ++j) {
            const int* p = &seats_[at(r, 4 * j)];
            ++partner_[pairAt(p[0], p[1])];
            ++partner_[pairAt(p[2], p[3])];
            for (int a = 0; a < 2; ++a)
                for (int c = 2; c < 4; ++c)
                    ++opponent_[pairAt(p[a], p[c])];
        }
    const EvenShares ps = evenShares(model_.partnerCell, model_.partnerCells(), members_, partner_);
    const EvenShares os =
        evenShares(model_.opponentCell, model_.opponentCells(), members_, opponent_);
    partnerShare_ = ps.pair;
    opponentShare_ = os.pair;
    countCells(partner_, model_.partnerCell, ps.cellBound, partnerSpread_);
    countCells(opponent_, model_.opponentCell, os.cellBound, opponentSpread_);
    fair_ = 0;
    for (const auto* cells : {&partnerSpread_, &opponentSpread_})
        for (const CellSpread& s : *cells)
            fair_ += spreadCost(s);
    for (int x = 0; x < members_; ++x)
        for (int y = x + 1; y < members_; ++y) {
            const std::size_t i = pairAt(x, y);
            if (model_.partnerCell[model_.at(x, y)] >= 0)
                fair_ += excessCost(partner_[i], partnerShare_[i].lo, partnerShare_[i].hi);
            if (model_.opponentCell[model_.at(x, y)] >= 0)
                fair_ += excessCost(opponent_[i], opponentShare_[i].lo, opponentShare_[i].hi);
        }
    level_ = 0;
    for (int r = 0; r < rounds_; ++r)
        for (int j = 0; j < courts_; ++j)
            level_ += levelCost(r, j);
    return fair_;
}

// Nothing while the cell's spread is within its bound; beyond it, as a pair
// beyond its range but weighing more, since it is the figure read.
std::int64_t RuledSearch::spreadCost(const CellSpread& s) {
    constexpr std::int64_t SpreadWeight = 2;
    return s.pairsAt.empty() ? 0 : SpreadWeight * std::max(0, s.hi - s.lo - s.bound);
}

// One pair of the cell goes from `from` to `to` (one apart); the change in
// the cell's spread cost.
std::int64_t RuledSearch::moveCount(CellSpread& s, int from, int to) {
    const std::int64_t before = spreadCost(s);
    ++s.pairsAt[static_cast<std::size_t>(to)];
    s.lo = std::min(s.lo, to);
    s.hi = std::max(s.hi, to);
    if (--s.pairsAt[static_cast<std::size_t>(from)] == 0) {
        while (s.pairsAt[static_cast<std::size_t>(s.hi)] == 0)
            --s.hi;
        while (s.pairsAt[static_cast<std::size_t>(s.lo)] == 0)
            ++s.lo;
    }
    return spreadCost(s) - before;
}

void RuledSearch::countCells(const std::vector<int>& counts, const std::vector<int>& cellOf,
                             const std::vector<int>& bounds, std::vector<CellSpread>& cells) const {
    cells.assign(bounds.size(), {});
    // Room for every count a day can reach: the kept part's and a match a
    // round on top.
    int highest = 0;
    for (int v : counts)
        highest = std::max(highest, v);
    const auto room = static_cast<std::size_t>(highest + rounds_ + 2);
    for (std::size_t k = 0; k < cells.size(); ++k) {
        cells[k].bound = bounds[k];
        cells[k].lo = std::numeric_limits<int>::max();
        cells[k].hi = std::numeric_limits<int>::min();
    }
    for (int x = 0; x < members_; ++x)
        for (int y = x + 1; y < members_; ++y) {
            const int k = cellOf[model_.at(x, y)];
            if (k < 0)
                continue;
            CellSpread& s = cells[static_cast<std::size_t>(k)];
            if (s.pairsAt.empty())
                s.pairsAt.assign(room, 0);
            const int c = counts[pairAt(x, y)];
            ++s.pairsAt[static_cast<std::size_t>(c)];
            s.lo = std::min(s.lo, c);
            s.hi = std::max(s.hi, c);
        }
}

// Level balance comes first: a move that worsens it is never taken.
bool RuledSearch::acceptMove(std::int64_t levelDelta, std::int64_t fairDelta, double temperature) {
    if (levelDelta != 0)
        return levelDelta < 0;
    return fairDelta <= 0 || unit() < std::exp(-static_cast<double>(fairDelta) / temperature);
}

void RuledSearch::keepIfBest() {
    if (level_ < bestLevel_ || (level_ == bestLevel_ && fair_ < bestFair_)) {
        bestLevel_ = level_;
        bestFair_ = fair_;
        best_ = seats_;
    }
}

// Swaps seats p and q of round r; a member of a fixed pair takes their side
// along, so the two sides change places whole. Kept only when every rule
// still holds and the cost allows.
bool RuledSearch::trySwap(int r, int p, int q, double temperature) {
    int* s = &seats_[at(r, 0)];
    const bool sides = model_.pairUnit(model_.unitOf[static_cast<std::size_t>(s[p])]) ||
                       model_.pairUnit(model_.unitOf[static_cast<std::size_t>(s[q])]);
    if (sides ? p / 4 == q / 4 : p / 2 == q / 2)
        return false;
    const int mp = p / 4;
    const int mq = q / 4;
    auto exchange = [&] {
        if (sides) {
            std::swap(s[p & ~1], s[q & ~1]);
            std::swap(s[p | 1], s[q | 1]);
        } else {
            std::swap(s[p], s[q]);
        }
    };
    exchange();
    const bool valid = matchOk(model_, s + 4 * mp) && (mq == mp || matchOk(model_, s + 4 * mq));
    exchange();
    if (!valid)
        return false;
    std::int64_t levelDelta = -levelCost(r, mp) - (mq != mp ? levelCost(r, mq) : 0);
    std::int64_t fairDelta = matchDelta(r, mp, -1) + (mq != mp ? matchDelta(r, mq, -1) : 0);
    exchange();
    levelDelta += levelCost(r, mp) + (mq != mp ? levelCost(r, mq) : 0);
    fairDelta += matchDelta(r, mp, +1) + (mq != mp ? matchDelta(r, mq, +1) : 0);
    if (!acceptMove(levelDelta, fairDelta, temperature)) {
        matchDelta(r, mp, -1);
        if (mq != mp)
            matchDelta(r, mq, -1);
        exchange();
        matchDelta(r, mp, +1);
        if (mq != mp)
            matchDelta(r, mq, +1);
        return false;
    }
    level_ += levelDelta;
    fair_ += fairDelta;
    const int first = 4 * std::min(mp, mq);
    const int end = 4 * std::max(mp, mq) + 4;
    for (int k = first; k < end; ++k)
        where_[whereAt(r, s[k])] = k;
    return true;
}

void RuledSearch::swapMove(double temperature) {
    const int r = static_cast<int>(below(static_cast<std::uint32_t>(rounds_)));
    const int p = static_cast<int>(below(static_cast<std::uint32_t>(perRound_)));
    int q = static_cast<int>(below(static_cast<std::uint32_t>(perRound_ - 1)));
    if (q >= p)
        ++q;
    if (rules_.mixed) {
        // Under mixed doubles only members of one gender can change places
        // alone; draw again for one of the same gender.
        const int* s = &seats_[at(r, 0)];
        for (int tries = 0; tries < 3; ++tries) {
            if (facts_.gender[static_cast<std::size_t>(s[p])] ==
                facts_.gender[static_cast<std::size_t>(s[q])])
                break;
            q = static_cast<int>(below(static_cast<std::uint32_t>(perRound_ - 1)));
            if (q >= p)
                ++q;
        }
    }
    trySwap(r, p, q, temperature);
}

// Two members who face each other in one match change courts with two who
// face each other in another, each taking the other's place, so both twos
// still face each other and only who shares a court with whom changes.
// Single swaps cannot do that without breaking even counts on the way: on a
// mixed day where everybody plays, the men's and the women's match-ups can
// be even while some man and woman share a court two rounds too often, and
// no swap of one member mends that without first spoiling a count that is
// right.
void RuledSearch::opposedMove(double temperature) {
    const int r = static_cast<int>(below(static_cast<std::uint32_t>(rounds_)));
    const int p = static_cast<int>(below(static_cast<std::uint32_t>(perRound_)));
    int q = static_cast<int>(below(static_cast<std::uint32_t>(perRound_ - 4)));
    if (q >= 4 * (p / 4))
        q += 4;
    int* s = &seats_[at(r, 0)];
    const auto across = [](int seat, std::uint32_t pick) {
        return 4 * (seat / 4) + (seat % 4 < 2 ? 2 : 0) + static_cast<int>(pick);
    };
    const int p2 = across(p, below(2));
    int q2 = across(q, below(2));
    const auto gender = [&](int seat) { return facts_.gender[static_cast<std::size_t>(s[seat])]; };
    if (rules_.mixed) {
        // Each mover takes a place of their own gender.
        if (gender(q) != gender(p))
            q ^= 1;
        if (gender(p2) != gender(q2))
            q2 ^= 1;
        if (gender(q) != gender(p) || gender(p2) != gender(q2))
            return;
    }
    for (int seat : {p, q, p2, q2})
        if (model_.pairUnit(model_.unitOf[static_cast<std::size_t>(s[seat])]))
            return;
    const int mp = p / 4;
    const int mq = q / 4;
    auto exchange = [&] {
        std::swap(s[p], s[q]);
        std::swap(s[p2], s[q2]);
    };
    exchange();
    const bool valid = matchOk(model_, s + 4 * mp) && matchOk(model_, s + 4 * mq);
    exchange();
    if (!valid)
        return;
    std::int64_t levelDelta = -levelCost(r, mp) - levelCost(r, mq);
    std::int64_t fairDelta = matchDelta(r, mp, -1) + matchDelta(r, mq, -1);
    exchange();
    levelDelta += levelCost(r, mp) + levelCost(r, mq);
    fairDelta += matchDelta(r, mp, +1) + matchDelta(r, mq, +1);
    if (!acceptMove(levelDelta, fairDelta, temperature)) {
        matchDelta(r, mp, -1);
        matchDelta(r, mq, -1);
        exchange();
        matchDelta(r, mp, +1);
        matchDelta(r, mq, +1);
        return;
    }
    level_ += levelDelta;
    fair_ += fairDelta;
    for (int m : {mp, mq})
        for (int k = 4 * m; k < 4 * m + 4; ++k)
            where_[whereAt(r, s[k])] = k;
}

// On a mixed day, the women (or the men) of two rounds change rounds, each
// taking the other's place side by side. The counts within each gender stay
// as they were; only which men's match-ups meet which women's changes. Where
// a man and a woman share a match too often while the rest is even, that
// pairing of match-ups is what has to change, and no move within one round
// reaches it. Where the same of them play both rounds every play count stays
// too; otherwise the two rounds must be near enough for the rotation to allow
// the plays that move between them (on one court, mostly, where a gender's
// two a round are seldom the same two).
void RuledSearch::genderRoundsMove(double temperature) {
    const int r1 = static_cast<int>(below(static_cast<std::uint32_t>(rounds_)));
    const int r2 = static_cast<int>(below(static_cast<std::uint32_t>(rounds_)));
    if (r1 == r2)
        return;
    const Gender g = below(2) == 0 ? Gender::Male : Gender::Female;
    const int sides = 2 * courts_;
    std::vector<std::pair<int, int>> moves; // seat in r1, seat in r2
    moves.reserve(static_cast<std::size_t>(sides));
    int* s1 = &seats_[at(r1, 0)];
    int* s2 = &seats_[at(r2, 0)];
    const auto seatOf = [&](const int* s, int side) {
        const int a = s[2 * side];
        const int b = s[2 * side + 1];
        if (model_.pairUnit(model_.unitOf[static_cast<std::size_t>(a)]) ||
            model_.pairUnit(model_.unitOf[static_cast<std::size_t>(b)]))
            return -1;
        const bool first = facts_.gender[static_cast<std::size_t>(a)] == g;
        const bool second = facts_.gender[static_cast<std::size_t>(b)] == g;
        return first == second ? -1 : (first ? 2 * side : 2 * side + 1);
    };
    for (int side = 0; side < sides; ++side) {
        const int a = seatOf(s1, side);
        const int b = seatOf(s2, side);
        if (a < 0 || b < 0)
            return;
        moves.emplace_back(a, b);
    }
    // Where other members of the gender play the two rounds, their play
    // counts change between them, which the rotation must allow.
    bool same = true;
    for (const auto& [a, b] : moves)
        same = same && where_[whereAt(r2, s1[a])] >= 0;
    if (!same && std::abs(r1 - r2) > relabelSpan_)
        return;
    auto exchange = [&] {
        for (const auto& [a, b] : moves)
            std::swap(s1[a], s2[b]);
    };
    auto locate = [&] {
        for (const auto& [a, b] : moves) {
            where_[whereAt(r1, s2[b])] = -1;
            where_[whereAt(r2, s1[a])] = -1;
        }
        for (int k = 0; k < perRound_; ++k) {
            where_[whereAt(r1, s1[k])] = k;
            where_[whereAt(r2, s2[k])] = k;
        }
    };
    exchange();
    bool valid = true;
    for (int j = 0; j < courts_ && valid; ++j)
        valid = matchOk(model_, s1 + 4 * j) && matchOk(model_, s2 + 4 * j);
    // The rotation's check reads who plays from where_, so it moves too.
    const bool located = valid && !same;
    if (located) {
        locate();
        valid = turnsStayEven(g == Gender::Male ? 0 : 1, r1, r2);
    }
    exchange();
    if (located)
        locate();
    if (!valid)
        return;
    auto price = [&](int sign, std::int64_t& level, std::int64_t& fair) {
        for (int j = 0; j < courts_; ++j) {
            level += sign * (levelCost(r1, j) + levelCost(r2, j));
            fair += matchDelta(r1, j, sign) + matchDelta(r2, j, sign);
        }
    };
    std::int64_t levelDelta = 0;
    std::int64_t fairDelta = 0;
    price(-1, levelDelta, fairDelta);
    exchange();
    price(+1, levelDelta, fairDelta);
    if (!acceptMove(levelDelta, fairDelta, temperature)) {
        std::int64_t ignored = 0;
        std::int64_t ignoredToo = 0;
        price(-1, ignored, ignoredToo);
        exchange();
        price(+1, ignored, ignoredToo);
        return;
    }
    level_ += levelDelta;
    fair_ += fairDelta;
    locate();
    if (!same)
        recount(std::min(r1, r2), std::max(r1, r2));
}

// The plays of a group's units at the boundaries from round `r1` up to
// `r2`, once where_ holds who plays those rounds now: within one of each
// other, or no further apart than they were, and nobody out longer than the
// group's limit.
bool RuledSearch::turnsStayEven(int group, int r1, int r2) const {
    const int lo = std::min(r1, r2);
    const int hi = std::max(r1, r2);
    std::vector<int> plays(static_cast<std::size_t>(units_), 0);
    for (int u = 0; u < units_; ++u)
        plays[static_cast<std::size_t>(u)] =
            lo == 0 ? credit_[static_cast<std::size_t>(u)] : count_[countAt(lo - 1, u)];
    for (int r = lo; r < hi; ++r) {
        int lowest = std::numeric_limits<int>::max();
        int highest = std::numeric_limits<int>::min();
        int oldLowest = lowest;
        int oldHighest = highest;
        for (int u = 0; u < units_; ++u) {
            if (model_.groupOf[static_cast<std::size_t>(u)] != group)
                continue;
            int& c = plays[static_cast<std::size_t>(u)];
            c += playing(r, u) ? 1 : 0;
            lowest = std::min(lowest, c);
            highest = std::max(highest, c);
            oldLowest = std::min(oldLowest, count_[countAt(r, u)]);
            oldHighest = std::max(oldHighest, count_[countAt(r, u)]);
        }
        if (highest - lowest > std::max(oldHighest - oldLowest, 1))
            return false;
    }
    for (const int r : {r1, r2})
        for (int u = 0; u < units_; ++u)
            if (model_.groupOf[static_cast<std::size_t>(u)] == group && !sitRunOk(u, r))
                return false;
    return true;
}

// Play counts of rounds [r1, r2] taken afresh from where_.
void RuledSearch::recount(int r1, int r2) {
    for (int u = 0; u < units_; ++u) {
        int c = r1 == 0 ? credit_[static_cast<std::size_t>(u)] : count_[countAt(r1 - 1, u)];
        for (int r = r1; r <= r2; ++r) {
            c += playing(r, u) ? 1 : 0;
            count_[countAt(r, u)] = c;
        }
    }
}

// Aims at one pair that meets too often or too seldom: in a round where both
// play, one of them changes places.
void RuledSearch::targetedMove(double temperature) {
    const int x = static_cast<int>(below(static_cast<std::uint32_t>(members_)));
    int y = -1;
    int seen = 0;
    for (int m = 0; m < members_; ++m) {
        if (m == x)
            continue;
        const std::size_t i = pairAt(x, m);
        const int pk = model_.partnerCell[model_.at(x, m)];
        const int ok = model_.opponentCell[model_.at(x, m)];
        const bool off =
            (pk >= 0 && excessCost(partner_[i], partnerShare_[i].lo, partnerShare_[i].hi) != 0) ||
            (ok >= 0 && excessCost(opponent_[i], opponentShare_[i].lo, opponentShare_[i].hi) != 0);
        if (off && below(static_cast<std::uint32_t>(++seen)) == 0)
            y = m;
    }
    if (y < 0)
        return;
    int round = -1;
    seen = 0;
    for (int r = 0; r < rounds_; ++r) {
        const int px = where_[whereAt(r, x)];
        const int py = where_[whereAt(r, y)];
        if (px >= 0 && py >= 0 && below(static_cast<std::uint32_t>(++seen)) == 0)
            round = r;
    }
    if (round < 0)
        return;
    const int py = where_[whereAt(round, y)];
    const int target = static_cast<int>(below(static_cast<std::uint32_t>(perRound_)));
    if (target != py)
        trySwap(round, py, target, temperature);
}

// The run of rounds out through `round` stays within the group's limit.
bool RuledSearch::sitRunOk(int u, int round) const {
    if (playing(round, u))
        return true;
    int first = round;
    while (first > 0 && !playing(first - 1, u))
        --first;
    int last = round;
    while (last + 1 < rounds_ && !playing(last + 1, u))
        ++last;
    int length = last - first + 1;
    if (first == 0)
        length += carrySit_[static_cast<std::size_t>(u)];
    return length <=
           sitLimit_[static_cast<std::size_t>(model_.groupOf[static_cast<std::size_t>(u)])];
}

// A unit on court in round ra and out in rb changes turns with one of its
// group out in ra and on court in rb. Taken only where the group's counts at
// every boundary in between stay the same as a whole (the two just exchange
// theirs), so the even rotation holds throughout.
void RuledSearch::tradeMove(double temperature) {
    const int r1 = static_cast<int>(below(static_cast<std::uint32_t>(rounds_)));
    const int reach = std::max(1, std::min(rounds_ - 1, 4));
    const int d = 1 + static_cast<int>(below(static_cast<std::uint32_t>(reach)));
    const int ra = r1;
    const int rb = r1 + d;
    if (rb >= rounds_)
        return;
    const int sa = static_cast<int>(below(static_cast<std::uint32_t>(perRound_)));
    const int sb = static_cast<int>(below(static_cast<std::uint32_t>(perRound_)));
    const int a = model_.unitOf[static_cast<std::size_t>(seats_[at(ra, sa)])];
    const int b = model_.unitOf[static_cast<std::size_t>(seats_[at(rb, sb)])];
    if (a == b ||
        model_.groupOf[static_cast<std::size_t>(a)] != model_.groupOf[static_cast<std::size_t>(b)])
        return;
    if (playing(rb, a) || playing(ra, b))
        return;
    for (int r = ra; r < rb; ++r)
        if (count_[countAt(r, a)] != count_[countAt(r, b)] + 1)
            return;
    const auto& wa = model_.unitMembers[static_cast<std::size_t>(a)];
    const auto& wb = model_.unitMembers[static_cast<std::size_t>(b)];
    const int pa = where_[whereAt(ra, wa[0])];
    const int pb = where_[whereAt(rb, wb[0])];
    const int pa2 = wa[1] >= 0 ? where_[whereAt(ra, wa[1])] : -1;
    const int pb2 = wb[1] >= 0 ? where_[whereAt(rb, wb[1])] : -1;
    auto put = [&](bool traded) {
        const auto& inA = traded ? wb : wa;
        const auto& inB = traded ? wa : wb;
        seats_[at(ra, pa)] = inA[0];
        seats_[at(rb, pb)] = inB[0];
        if (pa2 >= 0) {
            seats_[at(ra, pa2)] = inA[1];
            seats_[at(rb, pb2)] = inB[1];
        }
        for (int w : wa)
            if (w >= 0) {
                where_[whereAt(ra, w)] = -1;
                where_[whereAt(rb, w)] = -1;
            }
        for (int w : wb)
            if (w >= 0) {
                where_[whereAt(ra, w)] = -1;
                where_[whereAt(rb, w)] = -1;
            }
        where_[whereAt(ra, inA[0])] = pa;
        where_[whereAt(rb, inB[0])] = pb;
        if (pa2 >= 0) {
            where_[whereAt(ra, inA[1])] = pa2;
            where_[whereAt(rb, inB[1])] = pb2;
        }
    };
    put(true);
    const bool valid = matchOk(model_, &seats_[at(ra, 4 * (pa / 4))]) &&
                       matchOk(model_, &seats_[at(rb, 4 * (pb / 4))]) && sitRunOk(a, ra) &&
                       sitRunOk(b, rb);
    put(false);
    if (!valid)
        return;
    std::int64_t levelDelta = -levelCost(ra, pa / 4) - levelCost(rb, pb / 4);
    std::int64_t fairDelta = matchDelta(ra, pa / 4, -1) + matchDelta(rb, pb / 4, -1);
    put(true);
    levelDelta += levelCost(ra, pa / 4) + levelCost(rb, pb / 4);
    fairDelta += matchDelta(ra, pa / 4, +1) + matchDelta(rb, pb / 4, +1);
    if (!acceptMove(levelDelta, fairDelta, temperature)) {
        matchDelta(ra, pa / 4, -1);
        matchDelta(rb, pb / 4, -1);
        put(false);
        matchDelta(ra, pa / 4, +1);
        matchDelta(rb, pb / 4, +1);
        return;
    }
    level_ += levelDelta;
    fair_ += fairDelta;
    for (int r = ra; r < rb; ++r) {
        --count_[countAt(r, a)];
        ++count_[countAt(r, b)];
    }
}

int RuledSearch::worstSpread(int& group) const {
    int worst = -1;
    for (int g = 0; g < groups_; ++g)
        for (int r = 0; r < rounds_; ++r) {
            int lo = std::numeric_limits<int>::max();
            int hi = std::numeric_limits<int>::min();
            for (int u = 0; u < units_; ++u) {
                if (model_.groupOf[static_cast<std::size_t>(u)] != g)
                    continue;
                const int c = count_[countAt(r, u)];
                lo = std::min(lo, c);
                hi = std::max(hi, c);
            }
            if (hi >= lo && hi - lo > worst) {
                worst = hi - lo;
                group = g;
            }
        }
    return worst;
}

int RuledSearch::spreadBefore() const {
    int worst = 0;
    for (int g = 0; g < groups_; ++g) {
        int lo = std::numeric_limits<int>::max();
        int hi = std::numeric_limits<int>::min();
        for (int u = 0; u < units_; ++u) {
            if (model_.groupOf[static_cast<std::size_t>(u)] != g)
                continue;
            const int c = credit_[static_cast<std::size_t>(u)];
            lo = std::min(lo, c);
            hi = std::max(hi, c);
        }
        if (hi >= lo)
            worst = std::max(worst, hi - lo);
    }
    return worst;
}

void RuledSearch::restoreBest() {
    seats_ = best_;
    std::fill(where_.begin(), where_.end(), -1);
    std::vector<int> plays = credit_;
    for (int r = 0; r < rounds_; ++r) {
        for (int s = 0; s < perRound_; ++s)
            where_[whereAt(r, seats_[at(r, s)])] = s;
        for (int u = 0; u < units_; ++u) {
            plays[static_cast<std::size_t>(u)] += playing(r, u) ? 1 : 0;
            count_[countAt(r, u)] = plays[static_cast<std::size_t>(u)];
        }
    }
    // The even shares are taken afresh from this day, so its cost is the
    // one to beat.
    fullCost();
    bestLevel_ = level_;
    bestFair_ = fair_;
}

// Whether every cell's spread is within one of its bound, as the organiser
// reads the figures; taken on the day the search stands on.
bool RuledSearch::nearBounds() const {
    for (const auto* cells : {&partnerSpread_, &opponentSpread_})
        for (const CellSpread& c : *cells)
            if (!c.pairsAt.empty() && c.hi - c.lo > c.bound + 1)
                return false;
    return true;
}

// How far the cells read beyond one of their bounds, summed.
int RuledSearch::beyondBounds() const {
    int beyond = 0;
    for (const auto* cells : {&partnerSpread_, &opponentSpread_})
        for (const CellSpread& c : *cells)
            if (!c.pairsAt.empty())
                beyond += std::max(0, c.hi - c.lo - c.bound - 1);
    return beyond;
}

// Units x and y change places in round r, whatever each was doing there.
void RuledSearch::exchangeUnits(int r, int x, int y) {
    const auto& wx = model_.unitMembers[static_cast<std::size_t>(x)];
    const auto& wy = model_.unitMembers[static_cast<std::size_t>(y)];
    for (std::size_t k = 0; k < 2; ++k) {
        if (wx[k] < 0)
            break;
        int& px = where_[whereAt(r, wx[k])];
        int& py = where_[whereAt(r, wy[k])];
        std::swap(px, py);
        if (px >= 0)
            seats_[at(r, px)] = wx[k];
        if (py >= 0)
            seats_[at(r, py)] = wy[k];
    }
}

// Two units of one group exchange their schedules over a stretch of rounds
// that both enter with the same plays and leave with the same plays: every
// count at every boundary stays in the group, only who holds it changes. With
// most members out most rounds their turns are nearly fixed in time, and this
// lets two whose turns fall alike swap everyone they meet at once.
void RuledSearch::relabelMove(double temperature) {
    const int x = static_cast<int>(below(static_cast<std::uint32_t>(units_)));
    const int y = static_cast<int>(below(static_cast<std::uint32_t>(units_)));
    if (x == y ||
        model_.groupOf[static_cast<std::size_t>(x)] != model_.groupOf[static_cast<std::size_t>(y)])
        return;
    const int from = static_cast<int>(below(static_cast<std::uint32_t>(rounds_)));
    const int span = std::min(rounds_ - from, relabelSpan_);
    const int to = below(8) == 0
                       ? rounds_
                       : from + 1 + static_cast<int>(below(static_cast<std::uint32_t>(span)));
    auto before = [&](int u) {
        return from == 0 ? credit_[static_cast<std::size_t>(u)] : count_[countAt(from - 1, u)];
    };
    if (before(x) != before(y) || count_[countAt(to - 1, x)] != count_[countAt(to - 1, y)] ||
        count_[countAt(to - 1, x)] == before(x))
        return;
    std::int64_t levelDelta = 0;
    std::int64_t fairDelta = 0;
    auto matchesOf = [&](int r, int& mx, int& my) {
        const int px = where_[whereAt(r, model_.unitMembers[static_cast<std::size_t>(x)][0])];
        const int py = where_[whereAt(r, model_.unitMembers[static_cast<std::size_t>(y)][0])];
        mx = px >= 0 ? px / 4 : -1;
        my = py >= 0 && py / 4 != mx ? py / 4 : -1;
    };
    auto price = [&](int r, int mx, int my, int sign) {
        for (int m : {mx, my})
            if (m >= 0) {
                levelDelta += sign * levelCost(r, m);
                fairDelta += matchDelta(r, m, sign);
            }
    };
    auto undo = [&](int upTo) {
        for (int r = upTo - 1; r >= from; --r) {
            int mx = 0;
            int my = 0;
            matchesOf(r, mx, my);
            price(r, mx, my, -1);
            exchangeUnits(r, x, y);
            price(r, mx, my, +1);
        }
    };
    for (int r = from; r < to; ++r) {
        int mx = 0;
        int my = 0;
        matchesOf(r, mx, my);
        if (mx < 0 && my < 0)
            continue;
        price(r, mx, my, -1);
        exchangeUnits(r, x, y);
        price(r, mx, my, +1);
        const bool ok = (mx < 0 || matchOk(model_, &seats_[at(r, 4 * mx)])) &&
                        (my < 0 || matchOk(model_, &seats_[at(r, 4 * my)]));
        if (!ok) {
            undo(r + 1);
            return;
        }
    }
    const bool runs =
        sitRunOk(x, from) && sitRunOk(y, from) && sitRunOk(x, to - 1) && sitRunOk(y, to - 1);
    if (!runs || !acceptMove(levelDelta, fairDelta, temperature)) {
        undo(to);
        return;
    }
    level_ += levelDelta;
    fair_ += fairDelta;
    for (int r = from; r < to; ++r)
        std::swap(count_[countAt(r, x)], count_[countAt(r, y)]);
}

void RuledSearch::start(const std::vector<int>& seats) {
    best_ = seats;
    restoreBest();
}

void RuledSearch::anneal(std::int64_t budget, double startTemperature) {
    if (budget <= 0 || (level_ == 0 && fair_ == 0))
        return;
    constexpr double EndTemperature = 0.03;
    const double cooling = std::log(EndTemperature / startTemperature);
    constexpr int Step = 1024;
    const bool anyBench = members_ > perRound_;
    constexpr std::uint32_t RelabelShare = 10; // in hundredths
    // Moves that change who shares a court while the counts within each
    // kind stay put. They mend what a mixed day's kinds lock in; without
    // mixed doubles they bought nothing. On one court there is no other
    // court to share, but a gender's rounds can still change places.
    const std::uint32_t opposed = rules_.mixed && courts_ > 1 ? 10 : 0;
    const std::uint32_t genderRounds = rules_.mixed ? 10 : 0;
    double temperature = startTemperature;
    for (std::int64_t done = 0; done < budget; ++done) {
        if (done % Step == 0)
            temperature = startTemperature * std::exp(cooling * static_cast<double>(done) /
                                                      static_cast<double>(budget));
        const std::uint32_t kind = below(100);
        if (kind < 15)
            targetedMove(temperature);
        else if (kind < 15 + opposed)
            opposedMove(temperature);
        else if (kind < 15 + opposed + genderRounds)
            genderRoundsMove(temperature);
        else if (anyBench && kind < 15 + opposed + genderRounds + RelabelShare)
            relabelMove(temperature);
        else if (!anyBench || kind < 55)
            swapMove(temperature);
        else
            tradeMove(temperature);
        if (level_ < bestLevel_ || (level_ == bestLevel_ && fair_ < bestFair_)) {
            keepIfBest();
            if (level_ == 0 && fair_ == 0)
                return;
        }
    }
}

QString namesOfUnit(const std::vector<Name>& names, const Model& m, int g) {
    QStringList list;
    for (int u = 0; u < m.units() && list.size() < 5; ++u)
        if (m.groupOf[static_cast<std::size_t>(u)] == g)
            list << decodeCp932(
                names[static_cast<std::size_t>(m.unitMembers[static_cast<std::size_t>(u)][0])]);
    return list.join(QStringLiteral("、"));
}

} // namespace

std::string generateRuledDay(const std::vector<Name>& participants, int courts, int firstMatch,
                             const BalancedHistory* history, const DayFacts& facts,
                             const DayRules& rules, const BalancedOptions& options,
                             MatchTable& table, std::string* note) {
    if (note)
        note->clear();
    const int members = static_cast<int>(participants.size());
    if (courts < MinCourts || courts > MaxCourts || members < 4 * courts || members > MaxMembers ||
        firstMatch < 0 || firstMatch > MaxMatches || firstMatch % courts != 0 ||
        facts.size() != members)
        throw std::invalid_argument(
            "generateRuledDay: roster, facts, courts or first match out of range");
    const auto n = static_cast<std::size_t>(members);
    if (history && (history->partner.size() != members || history->opponent.size() != members ||
                    history->sitOutRun.size() != n || history->playRun.size() != n ||
                    (!history->playCredit.empty() && history->playCredit.size() != n)))
        throw std::invalid_argument("generateRuledDay: history does not match the roster");
    if (std::string refusal = rulesRefusal(participants, facts, rules, courts); !refusal.empty())
        return refusal;
    // Rules that change nothing for today's members (levels all alike or
    // unset, nobody's fixed partner here, …) leave the day to the balanced
    // method, which hands out the days kept as data where the search alone
    // seldom finds an even one.
    if (!bindingRules(facts, rules).any()) {
        generateBalanced(participants, courts, firstMatch, history, options, table);
        return {};
    }
    if (firstMatch == 0 && !history && options.endMatch >= MaxMatches &&
        makeKeptApartEight(participants, courts, facts, rules, options.seed, table))
        return {};
    const Model model = modelOf(facts, rules);

    // A group the units around it leave no place for would never play.
    std::vector<int> size(model.groupLabel.size(), 0);
    for (int u = 0; u < model.units(); ++u)
        ++size[static_cast<std::size_t>(model.groupOf[static_cast<std::size_t>(u)])];
    if (model.pairGroup >= 0) {
        const int singlesSeats = rules.mixed ? std::min(size[0], size[1]) : (size[0] / 2) * 2;
        for (int g = 0; g < (rules.mixed ? 2 : 1); ++g) {
            if (size[static_cast<std::size_t>(g)] == 0 || singlesSeats > 0)
                continue;
            const QString who = namesOfUnit(participants, model, g);
            if (rules.mixed)
                return QStringLiteral("ミックスダブルスで固定ペアのない%1（%"
                                      "2）と組める、固定ペアのない%3がいません。"
                                      "固定ペアを1組外すか、固定ペアのない%3を加えて下さい。")
                    .arg(g == 0 ? QStringLiteral("男性") : QStringLiteral("女性"), who,
                         g == 0 ? QStringLiteral("女性") : QStringLiteral("男性"))
                    .toStdString();
            return QStringLiteral("固定ペアのないメンバーが%1だけなので、組める相手がいません。"
                                  "固定ペアを1組外すか、参加者を1人加えて下さい。")
                .arg(who)
                .toStdString();
        }
    }
    for (int x = 0; x < members; ++x)
        if (!hasSomeMatch(model, x))
            return QStringLiteral("%1が入れる試合を組めません（%2）。指定を見直して下さい。")
                .arg(decodeCp932(participants[static_cast<std::size_t>(x)]), rulesInForce(rules))
                .toStdString();

    const int firstRound = firstMatch / courts;
    // A day planned shorter than 120 matches: its own rounds only, the slots
    // after them left empty.
    const int endMatch = std::clamp(options.endMatch, firstMatch, MaxMatches);
    const int rounds = endMatch / courts - firstRound;
    if (rounds == 0)
        return {};
    const auto emit = [&](const RuledSearch& day) {
        for (int r = 0; r < rounds; ++r) {
            for (int j = 0; j < courts; ++j) {
                std::array<int, 4> p{};
                for (int k = 0; k < 4; ++k)
                    p[static_cast<std::size_t>(k)] = day.player(r, 4 * j + k);
                // The man first on each side reads better on a mixed day.
                for (int side = 0; side < 4; side += 2)
                    if (facts.gender[static_cast<std::size_t>(p[static_cast<std::size_t>(side)])] ==
                            Gender::Female &&
                        facts.gender[static_cast<std::size_t>(
                            p[static_cast<std::size_t>(side + 1)])] == Gender::Male)
                        std::swap(p[static_cast<std::size_t>(side)],
                                  p[static_cast<std::size_t>(side + 1)]);
                auto name = [&](int k) -> const Name& {
                    return participants[static_cast<std::size_t>(p[static_cast<std::size_t>(k)])];
                };
                table[static_cast<std::size_t>(firstMatch + r * courts + j)] =
                    MatchRecord{name(0), name(1), name(2), name(3), 0, 0};
            }
        }
        for (int k = firstMatch + rounds * courts; k < MaxMatches; ++k)
            table[static_cast<std::size_t>(k)] = MatchRecord{};
    };
    // A move here prices each pair against its own range and each cell's
    // spread as well, about twice the work of a move on a day without rules;
    // half as many keep a ruled day within the time a day may take.
    const std::int64_t budget =
        options.moveBudget < 0 ? defaultBalancedBudget(members, courts) / 2 : options.moveBudget;
    // Where mixed doubles is all that binds, a whole day starts from the two
    // genders' round robins (mixedPassSeats): each gender's match-ups as even
    // as whole rounds allow, which the search from a rotation seldom reaches
    // where an even share is a whole number (sixteen women on one court, each
    // two facing exactly once). A cool anneal then shares out who meets whom
    // across the genders without undoing much of that, on half the moves: the
    // days it leaves more than one from a bound somewhere (men and women
    // alike on one court, mostly) were no nearer on the whole budget, and
    // are made the usual way instead.
    bool triedPasses = false;
    if (firstRound == 0 && !history && rules.mixed && model.pairGroup < 0 && !model.byLevel &&
        everyoneMeets(model)) {
        constexpr double StructuredTemperature = 0.05;
        std::vector<int> men;
        std::vector<int> women;
        for (int u = 0; u < model.units(); ++u)
            (model.groupOf[static_cast<std::size_t>(u)] == 0 ? men : women)
                .push_back(model.unitMembers[static_cast<std::size_t>(u)][0]);
        if (const std::vector<int> seats = mixedPassSeats(men, women, courts, rounds, options.seed);
            !seats.empty()) {
            triedPasses = true;
            RuledSearch passes(model, facts, rules, courts, rounds, history, options.seed);
            passes.start(seats);
            passes.anneal(budget / 2, StructuredTemperature);
            passes.restoreBest();
            if (passes.nearBounds()) {
                emit(passes);
                return {};
            }
        }
    }
    // The rotation seats round by round and can corner itself: a few
    // rotations drawn afresh first, then one that lets the fewest plays give
    // way where the rules leave no other seating. The first two draw the
    // order among equals almost at random: taken by waiting time, members
    // keep their places in the turn, and where the rules split the day into
    // groups that never meet (levels far apart) the same fours come round
    // again and again, which no later move can undo without a longer rest.
    // Such a rotation corners itself more often, so the later ones keep
    // close to waiting time.
    // Where all of them corner themselves, two more look a round ahead
    // before anything is relaxed: slower, and kept for the days that need it.
    // A build stops on a number of seating steps, so that a roster the rules
    // all but rule out is refused in well under a second. The first two
    // rotations may take three and two times the steps of the next two: on
    // rosters the rules leave few seatings for, one long search gets through
    // where several short ones drawn afresh do not.
    constexpr double WideBlur = 40;
    constexpr double NarrowBlur = 2.5;
    struct Rotation {
        std::uint32_t draw;
        double blur;
        bool lookAhead;
        bool relaxed;
        std::int64_t nodes;
    };
    constexpr std::array<Rotation, 7> Rotations{{{0, WideBlur, false, false, 1'200'000},
                                                 {1, WideBlur, false, false, 800'000},
                                                 {2, NarrowBlur, false, false, 400'000},
                                                 {3, NarrowBlur, false, false, 400'000},
                                                 {5, WideBlur, true, false, 700'000},
                                                 {6, NarrowBlur, true, false, 700'000},
                                                 {4, NarrowBlur, false, true, 1'200'000}}};
    std::unique_ptr<RuledSearch> search;
    int stuck = -1;
    const Rotation* madeBy = nullptr;
    for (const Rotation& rotation : Rotations) {
        madeBy = &rotation;
        search = std::make_unique<RuledSearch>(model, facts, rules, courts, rounds, history,
                                               options.seed + 0x9e3779b9u * rotation.draw);
        stuck = search->build(rotation.relaxed, rotation.blur, rotation.lookAhead, rotation.nodes);
        if (stuck < 0)
            break;
    }
    if (stuck >= 0)
        return QStringLiteral(
                   "%1ラウンド目で、指定（%2）を守りながら出場回数を均等にする組み合わせが"
                   "見つかりませんでした。参加者を増やすか、指定を減らして下さい。")
            .arg(firstRound + stuck + 1)
            .arg(rulesInForce(rules))
            .toStdString();
    // A relaxed rotation may leave a group two plays apart at a boundary, no
    // more: a day further from even is not made without saying so.
    int group = 0;
    const int spread = search->worstSpread(group);
    const int evenSpread = std::max(search->spreadBefore(), 1);
    if (spread > evenSpread + 1)
        return QStringLiteral("指定（%1）を守ると、出場回数を均等にできません（%2で最大%3回の差）。"
                              "参加者を増やすか、指定を減らして下さい。")
            .arg(rulesInForce(rules), model.groupLabel[static_cast<std::size_t>(group)])
            .arg(spread)
            .toStdString();
    // Kept within two, but the organiser is told: a day stopped at such a
    // round leaves someone two matches behind.
    const auto tell = [&](int worst, int where) {
        if (note && worst > evenSpread)
            *note = QStringLiteral(
                        "指定（%1）を守るため、%2の出場回数が途中で最大%3回の差になる回があります。"
                        "その回で終えると差が残ります。")
                        .arg(rulesInForce(rules), model.groupLabel[static_cast<std::size_t>(where)])
                        .arg(worst)
                        .toStdString();
        else if (note)
            note->clear();
    };
    tell(spread, group);
    // An anneal that ends above zero has mostly settled; warming up again
    // from the best day seen finds a better one more often than the same
    // moves spent cooling on.
    search->anneal(budget * 3 / 5);
    if (!search->perfect()) {
        search->restoreBest();
        search->anneal(budget - budget * 3 / 5);
    }
    // A day still more than one meeting from even somewhere gets one more
    // anneal from the best day seen, on the whole budget: warming up again is
    // what lets a search that has settled find the few rearrangements left,
    // while a day within one of its bounds already reads as even to the
    // organiser and costs nothing more.
    search->restoreBest();
    if (!search->perfect() && !search->nearBounds()) {
        search->anneal(budget);
        search->restoreBest();
    }
    // A day still more than one from a bound somewhere after all that has
    // mostly settled into its rotation: where the rules leave few fours (near
    // levels on one court), members who first came on together keep their
    // turns together all day, and no move changes a turn without a longer
    // rest. A rotation drawn afresh, up to twice on half the moves each, may
    // not lock them so; the day nearest its bounds is kept. A mixed day that
    // began from the round robins has had its other start already.
    constexpr int Redraws = 2;
    for (int redraw = 1; redraw <= Redraws && !triedPasses && !search->nearBounds(); ++redraw) {
        auto other = std::make_unique<RuledSearch>(
            model, facts, rules, courts, rounds, history,
            options.seed + 0x9e3779b9u * static_cast<std::uint32_t>(Rotations.size() + redraw));
        if (other->build(madeBy->relaxed, madeBy->blur, madeBy->lookAhead, madeBy->nodes) >= 0)
            continue;
        int otherGroup = 0;
        const int otherSpread = other->worstSpread(otherGroup);
        if (otherSpread > spread)
            continue;
        other->anneal(budget * 3 / 10);
        other->restoreBest();
        other->anneal(budget / 2 - budget * 3 / 10);
        other->restoreBest();
        if (other->beyondBounds() < search->beyondBounds()) {
            search = std::move(other);
            tell(otherSpread, otherGroup);
        }
    }
    emit(*search);
    return {};
}

RuledQuality ruledQuality(const std::vector<Name>& names, const DayFacts& facts,
                          const DayRules& rules, const MatchTable& table, int courts,
                          int firstMatch, int endMatch) {
    RuledQuality q;
    const Model model = modelOf(facts, rules);
    const int n = facts.size();
    const NameIndex lookup(names, static_cast<std::size_t>(std::max(n, 0)));
    (void)courts;
    firstMatch = std::clamp(firstMatch, 0, MaxMatches);
    endMatch = std::clamp(endMatch, firstMatch, MaxMatches);
    std::vector<int> plays(static_cast<std::size_t>(n), 0);
    PairMatrix partner(n);
    PairMatrix opponent(n);
    for (int k = firstMatch; k < endMatch; ++k) {
        const MatchRecord& m = table[static_cast<std::size_t>(k)];
        const int p[4] = {lookup(m.a), lookup(m.b), lookup(m.c), lookup(m.d)};
        if (std::any_of(std::begin(p), std::end(p), [](int i) { return i < 0; }))
            continue;
        for (int i : p)
            ++plays[static_cast<std::size_t>(i)];
        if (p[0] != p[1])
            partner.add(p[0], p[1]);
        if (p[2] != p[3])
            partner.add(p[2], p[3]);
        for (int a = 0; a < 2; ++a)
            for (int c = 2; c < 4; ++c)
                if (p[a] != p[c])
                    opponent.add(p[a], p[c]);
    }
    // Even shares leave a spread of 0 only where the total divides exactly.
    auto spread = [](const std::vector<int>& values) {
        QualityFigure f;
        if (values.empty())
            return f;
        const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
        long long total = 0;
        for (int v : values)
            total += v;
        f.value = *hi - *lo;
        f.bound = total % static_cast<long long>(values.size()) != 0 ? 1 : 0;
        return f;
    };
    for (int g = 0; g < static_cast<int>(model.groupLabel.size()); ++g) {
        std::vector<int> values;
        for (int u = 0; u < model.units(); ++u)
            if (model.groupOf[static_cast<std::size_t>(u)] == g)
                values.push_back(plays[static_cast<std::size_t>(
                    model.unitMembers[static_cast<std::size_t>(u)][0])]);
        if (!values.empty())
            q.playSpread.push_back(
                {model.groupLabel[static_cast<std::size_t>(g)].toStdString(), spread(values)});
    }
    // Each pair's window, and each cell's bound, is what an even share of
    // this day's slots allows it (evenShares); a kind's figure is its worst
    // cell, against the bound of that cell.
    q.members = n;
    const auto nn = static_cast<std::size_t>(n) * static_cast<std::size_t>(n);
    q.partnerWindows.assign(nn, {});
    q.opponentWindows.assign(nn, {});
    const auto wholeKind = [&](const std::vector<int>& cellOf, int k) {
        const int per = std::max(model.cellsPerKind, 1);
        for (int x = 0; x < n; ++x) {
            bool in = false;
            bool elsewhere = false;
            for (int y = 0; y < n; ++y) {
                const int c = y == x ? -1 : cellOf[static_cast<std::size_t>(x * n + y)];
                in = in || c == k;
                elsewhere = elsewhere || (c >= 0 && c != k && c / per == k / per);
            }
            if (in && elsewhere)
                return false;
        }
        return true;
    };
    auto judge = [&](const PairMatrix& counts, const std::vector<int>& cellOf, int cells,
                     std::vector<RuledQuality::PairWindow>& windows) {
        std::vector<int> upper(nn, 0);
        for (int x = 0; x < n; ++x)
            for (int y = x + 1; y < n; ++y)
                upper[static_cast<std::size_t>(x * n + y)] = counts.at(x, y);
        const EvenShares shares = evenShares(cellOf, cells, n, upper);
        std::vector<int> lo(static_cast<std::size_t>(cells), std::numeric_limits<int>::max());
        std::vector<int> hi(static_cast<std::size_t>(cells), std::numeric_limits<int>::min());
        for (int x = 0; x < n; ++x)
            for (int y = x + 1; y < n; ++y) {
                const int k = cellOf[static_cast<std::size_t>(x * n + y)];
                if (k < 0)
                    continue;
                const auto i = static_cast<std::size_t>(x * n + y);
                const auto kk = static_cast<std::size_t>(k);
                lo[kk] = std::min(lo[kk], upper[i]);
                hi[kk] = std::max(hi[kk], upper[i]);
                const Window& w = shares.pair[i];
                windows[i] = windows[static_cast<std::size_t>(y * n + x)] = {true, w.lo, w.hi};
            }
        std::vector<std::optional<QualityFigure>> figures(static_cast<std::size_t>(cells));
        for (std::size_t k = 0; k < figures.size(); ++k) {
            if (shares.cellBound[k] < 0)
                continue;
            int bound = shares.cellBound[k];
            // A cell that reads more than one above the even share's bound
            // may be held there by the rules themselves (leastForcedSpread),
            // where each member's count in it is the rules' and not the
            // day's: everybody of its kind the member may meet is in this
            // cell, so every match gives it the same.
            if (hi[k] - lo[k] > bound + 1 && wholeKind(cellOf, static_cast<int>(k))) {
                std::vector<std::pair<int, int>> pairs;
                std::vector<int> totals(static_cast<std::size_t>(n), 0);
                for (int x = 0; x < n; ++x)
                    for (int y = x + 1; y < n; ++y)
                        if (cellOf[static_cast<std::size_t>(x * n + y)] == static_cast<int>(k)) {
                            pairs.emplace_back(x, y);
                            const int c = upper[static_cast<std::size_t>(x * n + y)];
                            totals[static_cast<std::size_t>(x)] += c;
                            totals[static_cast<std::size_t>(y)] += c;
                        }
                bound = leastForcedSpread(pairs, totals, bound, hi[k] - lo[k]);
            }
            figures[k] = QualityFigure{hi[k] - lo[k], bound};
        }
        return figures;
    };
    const auto partnerCells =
        judge(partner, model.partnerCell, model.partnerCells(), q.partnerWindows);
    const auto opponentCells =
        judge(opponent, model.opponentCell, model.opponentCells(), q.opponentWindows);
    auto worst = [](const std::vector<std::optional<QualityFigure>>& cells, std::size_t from,
                    std::size_t to, bool& any) {
        QualityFigure f{0, 0};
        bool first = true;
        for (std::size_t c = from; c < to; ++c) {
            if (!cells[c])
                continue;
            const QualityFigure& cell = *cells[c];
            const int over = cell.value - *cell.bound;
            if (first || over > f.value - *f.bound ||
                (over == f.value - *f.bound && cell.value > f.value))
                f = cell;
            first = false;
            any = true;
        }
        return f;
    };
    QString over = rules.mixed                          ? QStringLiteral("男性と女性のペア")
                   : rules.levelNear || rules.keptApart ? QStringLiteral("組める2人")
                                                        : QStringLiteral("全員");
    if (model.pairGroup >= 0)
        over += QStringLiteral("（固定ペア以外）");
    const QString byLevel = model.byLevel ? QStringLiteral("、レベルの組み合わせごと") : QString();
    bool any = false;
    q.partnerSpread = {(over + byLevel).toStdString(),
                       worst(partnerCells, 0, partnerCells.size(), any)};
    const auto per = static_cast<std::size_t>(model.cellsPerKind);
    for (std::size_t k = 0; k < model.opponentLabel.size(); ++k) {
        any = false;
        const QualityFigure f = worst(opponentCells, k * per, (k + 1) * per, any);
        const QString label = model.opponentLabel[k] + byLevel;
        if (any)
            q.opponentSpread.push_back({label.toStdString(), f});
    }
    return q;
}

} // namespace pf
