#include "pairing/balanced_selection.h"

#include "pairing/rotation_bounds.h"
#include "pairing/stored_designs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <stdexcept>

namespace pf {
namespace {

// How far a pair may drift from the mean before a single step outweighs any
// number of smaller ones; past this the cost stops growing, which keeps the
// sums far from overflow even for a wildly uneven start.
constexpr int MaxCostedDistance = 12;

// 0 inside [lo, hi]; 1, 8, 64, … per step outside, so that one pair three
// apart is never kept to spare a handful of pairs one apart.
std::int64_t excessCost(int count, int lo, int hi) {
    const int d = count < lo ? lo - count : (count > hi ? count - hi : 0);
    if (d == 0)
        return 0;
    return std::int64_t{1} << (3 * (std::min(d, MaxCostedDistance) - 1));
}

struct Window {
    int lo = 0;
    int hi = 0;
};

Window windowOf(std::int64_t total, std::int64_t pairs) {
    return {static_cast<int>(total / pairs), static_cast<int>((total + pairs - 1) / pairs)};
}

class Search {
public:
    Search(int members, int courts, int rounds, const BalancedHistory* history, std::uint32_t seed,
           bool fairAtEveryRound);

    // Anneals from the current seating; returns the lowest cost seen and
    // keeps that table when it beats every earlier attempt.
    std::int64_t anneal(std::int64_t budget);
    // Starts over from a newly drawn rotation on the kept part's counts alone;
    // the best table so far stays.
    void reseat();
    // From the best table, moves members within rounds and whole rounds so
    // that pairs meet again as late as they can: never at a higher cost of
    // the whole day, only at a lower one of the day stopped early.
    void polish(std::int64_t budget);
    std::int64_t bestCost() const { return bestCost_; }
    int player(int round, int slot) const { return best_[at(round, slot)]; }

private:
    std::size_t at(int round, int slot) const {
        return static_cast<std::size_t>(round * perRound_ + slot);
    }
    std::size_t sitAt(int round, int k) const {
        return static_cast<std::size_t>(round * benched_ + k);
    }
    std::size_t whereAt(int round, int m) const {
        return static_cast<std::size_t>(round * members_ + m);
    }
    std::size_t pairAt(int x, int y) const {
        return x < y ? static_cast<std::size_t>(x * members_ + y)
                     : static_cast<std::size_t>(y * members_ + x);
    }
    bool playing(int round, int m) const { return where_[whereAt(round, m)] >= 0; }

    std::uint32_t below(std::uint32_t k) {
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(rng_()) * k) >> 32);
    }
    double unit() { return static_cast<double>(rng_()) * (1.0 / 4294967296.0); }

    void seatRotation();
    std::int64_t countIn();
    // Sit-outs before each round boundary, for the rule that play counts
    // stay within one of each other wherever the day stops.
    void countSits();
    bool sitsOk(int boundary, int value) const {
        const int low = sitLow_[static_cast<std::size_t>(boundary)];
        return !fair_ || value == low || value == low + 1;
    }
    int& sitsBefore(int boundary, int m) {
        return sits_[static_cast<std::size_t>(boundary * members_ + m)];
    }
    int sitsBefore(int boundary, int m) const {
        return sits_[static_cast<std::size_t>(boundary * members_ + m)];
    }
    // Whether m's sit-outs may all change by `delta` at the boundaries after
    // round `from` up to the one after round `to` − 1 (from < to).
    bool shiftOk(int m, int from, int to, int delta) const;
    void shift(int m, int from, int to, int delta);
    std::int64_t relationDelta(std::vector<int>& counts, const std::vector<std::int64_t>& price,
                               int x, int y, int sign);
    std::int64_t partnerStep(int x, int y, int sign) const {
        const int c = partner_[pairAt(x, y)];
        return partnerCost_[static_cast<std::size_t>(c + sign)] -
               partnerCost_[static_cast<std::size_t>(c)];
    }
    std::int64_t opponentStep(int x, int y, int sign) const {
        const int c = opponent_[pairAt(x, y)];
        return opponentCost_[static_cast<std::size_t>(c + sign)] -
               opponentCost_[static_cast<std::size_t>(c)];
    }
    void bump(std::vector<int>& counts, int x, int y, int sign) { counts[pairAt(x, y)] += sign; }
    std::int64_t matchDelta(int round, int match, int sign);
    bool runOk(int m, int round) const;
    bool accept(std::int64_t delta, double temperature) {
        return delta <= 0 || unit() < std::exp(-static_cast<double>(delta) / temperature);
    }

    void swapMove(double temperature);
    void targetedMove(double temperature);
    void trySwap(int r, int p, int q, double temperature);
    void tradeMove(double temperature);
    // A trade drawn among those that keep both waits within the limit: x
    // plays earlier, somebody of that round takes x's place. With play even
    // at every round boundary each member keeps one turn per pass through
    // the roster, and a turn moved by more than a round or two almost always
    // stretches a wait past the limit, so trades drawn at random are nearly
    // all refused; these mostly fit.
    void nearTradeMove(double temperature);
    void tryTrade(int r1, int r2, int x, int y, double temperature);
    // Two rounds' players, sitters and seats change places whole.
    void swapRounds(int r1, int r2);
    void roundSwapMove();
    std::int64_t bestSplit(int round, int match);
    void relabelMove(double temperature);
    void exchangeSeats(int x, int y, int from, int to);
    std::int64_t exchangeAndPrice(int x, int y, int from, int to);
    // With one court the members on court in a round are its one match, so
    // who sits out decides who meets whom outright; only there do trades that
    // re-split their matches, and exchanges of whole stretches, pay for
    // their extra work (on more courts they measured no better).
    bool resplit_ = false;
    // Only one court with play even at every boundary gains from near
    // trades; elsewhere they find no more even days and lengthen runs on
    // court.
    //
    // One court with play even at every boundary is also where whole days
    // most often stay above the pair bounds, and more moves do not mend it.
    // With 4m members each pass through the roster is m rounds, and the
    // sit-out limit lets a member's round in a pass come at most one later
    // than in the pass before. Counting places shows that then of any two
    // matches running in a pass, one holds two members who met in the pass
    // before, so on a large roster, where no pair may meet the same way
    // twice, every such pair must meet the other way round, pass after pass.
    // Builders that seat round by round or pass by pass were tried and corner
    // themselves the same way; the days kept as data were found by far longer
    // searches.
    bool nearTrades_ = false;
    int relabelSpan_ = 1;
    std::uint32_t relabelShare_ = 0; // in hundredths of the moves

    int members_;
    int courts_;
    int rounds_;
    int perRound_; // members on court in a round
    int benched_;  // members sitting out a round
    int sitLimit_;
    int playLimit_;
    int sitBound_;
    std::vector<int> carrySit_;
    std::vector<int> carryPlay_;
    std::vector<int> credit_;  // plays counted as had before the first round
    std::vector<int> players_; // rounds × perRound: members; slots 4j … 4j+3 are match j
    std::vector<int> sitters_; // rounds × benched
    std::vector<int> where_;   // rounds × members: slot when on court, -1-k when sitter k
    std::vector<int> partner_;
    std::vector<int> opponent_;
    Window partnerWindow_;
    Window opponentWindow_;
    std::vector<std::int64_t> partnerCost_; // by count
    std::vector<std::int64_t> opponentCost_;
    std::int64_t cost_ = 0;
    std::vector<int> keptPartner_;
    std::vector<int> keptOpponent_;
    std::int64_t bestCost_ = 0;
    std::vector<int> best_;
    int tradeReach_ = 1; // how many rounds apart a trade's two rounds may lie
    bool fair_ = true;
    std::vector<int> sits_;   // (rounds + 1) × members: sit-outs in the rounds before
    std::vector<int> sitLow_; // by boundary: the fewest sit-outs an even share allows
    std::mt19937 rng_;

    // The day stopped early. For each pair, the rounds it partners in and
    // those it faces each other in, in order; the k-th meeting in round r is
    // k − ⌈slots so far / pairs⌉ above an even share when the day stops
    // after r.
    void rebuildFromBest();
    std::int64_t meetingsCost(const std::vector<short>& rounds, int kept,
                              const std::vector<int>& even) const;
    std::int64_t prefixOf(int round, int match, int sign);
    std::int64_t prefixRelation(bool partners, int x, int y, int round, int sign);
    void polishSwap(double temperature);
    void polishRoundSwap(double temperature);
    bool acceptPair(std::int64_t mainDelta, std::int64_t prefixDelta, double temperature) {
        if (mainDelta != 0)
            return mainDelta < 0;
        return accept(prefixDelta, temperature);
    }
    std::vector<std::vector<short>> partnerRounds_;
    std::vector<std::vector<short>> opponentRounds_;
    std::vector<int> partnerEven_;  // by boundary: ⌈partner slots so far / pairs⌉
    std::vector<int> opponentEven_; // the same for opponents
    std::int64_t prefixCost_ = 0;
    bool polishing_ = false; // trades price the day stopped early too
};

Search::Search(int members, int courts, int rounds, const BalancedHistory* history,
               std::uint32_t seed, bool fairAtEveryRound)
    : members_(members), courts_(courts), rounds_(rounds), perRound_(4 * courts),
      benched_(members - 4 * courts), fair_(fairAtEveryRound), rng_(seed) {
    const auto n = static_cast<std::size_t>(members);
    carrySit_.assign(n, 0);
    carryPlay_.assign(n, 0);
    credit_.assign(n, 0);
    if (history && history->playCredit.size() == n)
        credit_ = history->playCredit;
    partner_.assign(n * n, 0);
    opponent_.assign(n * n, 0);
    std::int64_t partnerTotal = 2LL * rounds * courts;
    std::int64_t opponentTotal = 4LL * rounds * courts;
    if (history) {
        for (int x = 0; x < members; ++x) {
            carrySit_[static_cast<std::size_t>(x)] =
                history->sitOutRun[static_cast<std::size_t>(x)];
            carryPlay_[static_cast<std::size_t>(x)] = history->playRun[static_cast<std::size_t>(x)];
            for (int y = x + 1; y < members; ++y) {
                const auto i = static_cast<std::size_t>(x * members + y);
                partner_[i] = history->partner.at(x, y);
                opponent_[i] = history->opponent.at(x, y);
                partnerTotal += partner_[i];
                opponentTotal += opponent_[i];
            }
        }
    }
    const std::int64_t pairs = static_cast<std::int64_t>(members) * (members - 1) / 2;
    partnerWindow_ = windowOf(partnerTotal, pairs);
    opponentWindow_ = windowOf(opponentTotal, pairs);
    // No count can pass the kept part's largest plus every new match.
    int highest = 0;
    for (std::size_t i = 0; i < n * n; ++i)
        highest = std::max({highest, partner_[i], opponent_[i]});
    const auto top = static_cast<std::size_t>(highest + rounds * courts + 2);
    partnerCost_.resize(top);
    opponentCost_.resize(top);
    for (std::size_t c = 0; c < top; ++c) {
        partnerCost_[c] = excessCost(static_cast<int>(c), partnerWindow_.lo, partnerWindow_.hi);
        opponentCost_[c] = excessCost(static_cast<int>(c), opponentWindow_.lo, opponentWindow_.hi);
    }

    // The even rotation needs at most sitBound_ rounds out in a row and plays
    // at most playBound rounds in a row; the search may stretch either by one
    // round to find better pairings.
    sitBound_ = sitOutBound(members, courts);
    const int playBound = playRunBound(members, courts, rounds);
    sitLimit_ = sitBound_ + 1;
    tradeReach_ = std::max(1, std::min(rounds - 1, std::max(sitLimit_, playBound + 1)));
    relabelSpan_ = std::max(1, std::min(rounds, 4 * (sitLimit_ + playBound + 1)));
    resplit_ = courts == 1;
    nearTrades_ = courts == 1 && fair_;
    relabelShare_ = courts == 1 ? 25 : 0;
    playLimit_ = benched_ == 0 ? rounds + 1 : playBound + 1;

    players_.assign(static_cast<std::size_t>(rounds * perRound_), 0);
    sitters_.assign(static_cast<std::size_t>(rounds * benched_), 0);
    where_.assign(static_cast<std::size_t>(rounds * members), 0);
    keptPartner_ = partner_;
    keptOpponent_ = opponent_;
    sitLow_.resize(static_cast<std::size_t>(rounds + 1));
    for (int b = 0; b <= rounds; ++b)
        sitLow_[static_cast<std::size_t>(b)] = benched_ * b / members;
    sits_.assign(static_cast<std::size_t>((rounds + 1) * members), 0);
    seatRotation();
    countSits();
    cost_ = countIn();
    bestCost_ = cost_;
    best_ = players_;
}

void Search::reseat() {
    partner_ = keptPartner_;
    opponent_ = keptOpponent_;
    seatRotation();
    countSits();
    cost_ = countIn();
    if (cost_ < bestCost_) {
        bestCost_ = cost_;
        best_ = players_;
    }
}

// Whichever turn is rarer — sitting out or playing — goes round everybody
// before anybody has it twice, earliest-waiting first, so every member's
// turns come at even intervals. The waiting times are blurred by a couple of
// rounds so that those who had their turn together do not keep having it
// together; whoever would break a limit on runs is seated first (or last).
void Search::seatRotation() {
    constexpr double Blur = 2.5;
    const bool rotateSitters = benched_ <= perRound_;
    const int turnsPerRound = rotateSitters ? benched_ : perRound_;
    const auto n = static_cast<std::size_t>(members_);
    // Turns start from the plays already had, so that the rarer turn goes
    // first to whoever is behind on the day (sitting out: to whoever is ahead).
    const int lowest = *std::min_element(credit_.begin(), credit_.end());
    const int highest = *std::max_element(credit_.begin(), credit_.end());
    const bool evening = highest != lowest;
    std::vector<int> turns(n, 0);
    for (std::size_t m = 0; m < n; ++m)
        turns[m] = rotateSitters ? highest - credit_[m] : credit_[m] - lowest;
    std::vector<int> last(n, 0);
    std::vector<int> onRun(carryPlay_);
    std::vector<int> offRun(carrySit_);
    for (std::size_t m = 0; m < n; ++m) {
        if (rotateSitters) {
            // A newcomer sits late, like one who has just sat.
            last[m] = carryPlay_[m] > 0 ? -1 - carryPlay_[m] : -1;
        } else {
            // A newcomer plays early, but after those who have waited longest.
            last[m] = carrySit_[m] > 0 ? -1 - carrySit_[m] : (carryPlay_[m] > 0 ? -1 : -sitBound_);
        }
    }
    std::vector<int> order(n);
    std::vector<int> tier(n);
    std::vector<double> wait(n);
    std::vector<char> turn(n);
    for (int r = 0; r < rounds_; ++r) {
        for (std::size_t m = 0; m < n; ++m) {
            order[m] = static_cast<int>(m);
            wait[m] = last[m] + Blur * unit();
            const bool mustPlay =
                offRun[m] >= sitLimit_ || (r == 0 && carrySit_[m] > 0 && carrySit_[m] >= sitBound_);
            const bool mustSit = onRun[m] >= playLimit_;
            const bool turnNeeded = rotateSitters ? mustSit : mustPlay;
            const bool turnBarred = rotateSitters ? mustPlay : mustSit;
            tier[m] = turnNeeded ? 0 : (turnBarred ? 2 : 1);
        }
        std::sort(order.begin(), order.end(), [&](int a, int b) {
            const auto ia = static_cast<std::size_t>(a);
            const auto ib = static_cast<std::size_t>(b);
            // Evening out what the kept part left can set turns further
            // apart than the rotation does by itself: the limits on runs
            // still come first then.
            if (evening && (tier[ia] != 1 || tier[ib] != 1) && tier[ia] != tier[ib])
                return tier[ia] < tier[ib];
            if (turns[ia] != turns[ib])
                return turns[ia] < turns[ib];
            if (tier[ia] != tier[ib])
                return tier[ia] < tier[ib];
            // More may be due than there are turns: whoever has waited
            // longest would break the limit first.
            if (tier[ia] == 0) {
                const std::vector<int>& run = rotateSitters ? onRun : offRun;
                if (run[ia] != run[ib])
                    return run[ia] > run[ib];
            }
            if (wait[ia] != wait[ib])
                return wait[ia] < wait[ib];
            return a < b;
        });
        std::fill(turn.begin(), turn.end(), 0);
        for (int k = 0; k < turnsPerRound; ++k) {
            const auto m = static_cast<std::size_t>(order[static_cast<std::size_t>(k)]);
            turn[m] = 1;
            ++turns[m];
            last[m] = r;
        }
        for (std::size_t m = 0; m < n; ++m) {
            const bool plays = (turn[m] != 0) != rotateSitters;
            onRun[m] = plays ? onRun[m] + 1 : 0;
            offRun[m] = plays ? 0 : offRun[m] + 1;
        }
        int slot = 0;
        int bench = 0;
        for (int m = 0; m < members_; ++m) {
            const bool plays = (turn[static_cast<std::size_t>(m)] != 0) != rotateSitters;
            if (plays)
                players_[at(r, slot++)] = m;
            else
                sitters_[sitAt(r, bench++)] = m;
        }
        // Who meets whom on court is the annealing's business; start it from
        // a random draw rather than from member order.
        for (int i = perRound_ - 1; i > 0; --i)
            std::swap(players_[at(r, i)],
                      players_[at(r, static_cast<int>(below(static_cast<std::uint32_t>(i + 1))))]);
        for (int i = 0; i < perRound_; ++i)
            where_[whereAt(r, players_[at(r, i)])] = i;
        for (int k = 0; k < benched_; ++k)
            where_[whereAt(r, sitters_[sitAt(r, k)])] = -1 - k;
    }
}

void Search::countSits() {
    for (int b = 1; b <= rounds_; ++b)
        for (int m = 0; m < members_; ++m)
            sitsBefore(b, m) = sitsBefore(b - 1, m) + (playing(b - 1, m) ? 0 : 1);
}

bool Search::shiftOk(int m, int from, int to, int delta) const {
    for (int b = from + 1; b <= to; ++b)
        if (!sitsOk(b, sitsBefore(b, m) + delta))
            return false;
    return true;
}

void Search::shift(int m, int from, int to, int delta) {
    for (int b = from + 1; b <= to; ++b)
        sitsBefore(b, m) += delta;
}

// Counts the new matches in on top of the kept part, then prices every pair.
std::int64_t Search::countIn() {
    for (int r = 0; r < rounds_; ++r) {
        for (int j = 0; j < courts_; ++j) {
            const int* p = &players_[at(r, 4 * j)];
            ++partner_[pairAt(p[0], p[1])];
            ++partner_[pairAt(p[2], p[3])];
            for (int a = 0; a < 2; ++a)
                for (int c = 2; c < 4; ++c)
                    ++opponent_[pairAt(p[a], p[c])];
        }
    }
    std::int64_t total = 0;
    for (int x = 0; x < members_; ++x) {
        for (int y = x + 1; y < members_; ++y) {
            total += excessCost(partner_[pairAt(x, y)], partnerWindow_.lo, partnerWindow_.hi);
            total += excessCost(opponent_[pairAt(x, y)], opponentWindow_.lo, opponentWindow_.hi);
        }
    }
    return total;
}

std::int64_t Search::relationDelta(std::vector<int>& counts, const std::vector<std::int64_t>& price,
                                   int x, int y, int sign) {
    int& c = counts[pairAt(x, y)];
    const std::int64_t before = price[static_cast<std::size_t>(c)];
    c += sign;
    return price[static_cast<std::size_t>(c)] - before;
}

std::int64_t Search::matchDelta(int round, int match, int sign) {
    const int* p = &players_[at(round, 4 * match)];
    std::int64_t d = relationDelta(partner_, partnerCost_, p[0], p[1], sign);
    d += relationDelta(partner_, partnerCost_, p[2], p[3], sign);
    d += relationDelta(opponent_, opponentCost_, p[0], p[2], sign);
    d += relationDelta(opponent_, opponentCost_, p[0], p[3], sign);
    d += relationDelta(opponent_, opponentCost_, p[1], p[2], sign);
    d += relationDelta(opponent_, opponentCost_, p[1], p[3], sign);
    return d;
}

// The run of equal rounds (on court or out) through `round`, with what the
// kept part of the day ended on when the run reaches back to its start.
bool Search::runOk(int m, int round) const {
    const bool plays = playing(round, m);
    int first = round;
    while (first > 0 && playing(first - 1, m) == plays)
        --first;
    int last = round;
    while (last + 1 < rounds_ && playing(last + 1, m) == plays)
        ++last;
    int length = last - first + 1;
    const auto i = static_cast<std::size_t>(m);
    if (plays)
        return length + (first == 0 ? carryPlay_[i] : 0) <= playLimit_;
    if (first == 0 && carrySit_[i] > 0) {
        // Whoever already sat their full turn at the end of the kept part
        // goes back on court first.
        if (carrySit_[i] >= sitBound_)
            return false;
        length += carrySit_[i];
    }
    return length <= sitLimit_;
}

// Two players of a round change places: across two matches, or across the
// net within one, which changes partners. The pairs touched are all
// different, so the change is priced from the counts as they stand and only
// made when accepted.
void Search::swapMove(double temperature) {
    const int r = static_cast<int>(below(static_cast<std::uint32_t>(rounds_)));
    const int p = static_cast<int>(below(static_cast<std::uint32_t>(perRound_)));
    int q = static_cast<int>(below(static_cast<std::uint32_t>(perRound_ - 1)));
    if (q >= p)
        ++q;
    trySwap(r, p, q, temperature);
}

// Aims at one pair that meets too often or too seldom: in a round where
// both play, one of them changes places so that they stop (or start) being
// partners or opponents there.
void Search::targetedMove(double temperature) {
    const int x = static_cast<int>(below(static_cast<std::uint32_t>(members_)));
    int y = -1;
    int seen = 0;
    for (int m = 0; m < members_; ++m) {
        if (m == x)
            continue;
        const std::size_t i = pairAt(x, m);
        if (partnerCost_[static_cast<std::size_t>(partner_[i])] == 0 &&
            opponentCost_[static_cast<std::size_t>(opponent_[i])] == 0)
            continue;
        if (below(static_cast<std::uint32_t>(++seen)) == 0)
            y = m;
    }
    if (y < 0)
        return;
    const std::size_t i = pairAt(x, y);
    const bool partnerOff = partnerCost_[static_cast<std::size_t>(partner_[i])] != 0;
    const bool opponentOff = opponentCost_[static_cast<std::size_t>(opponent_[i])] != 0;
    const bool asPartners = partnerOff && (!opponentOff || below(2) == 0);
    const bool tooOften =
        asPartners ? partner_[i] > partnerWindow_.hi : opponent_[i] > opponentWindow_.hi;
    // A round where both play and the relation is (or, when too seldom, is
    // not) the one to change.
    int round = -1;
    seen = 0;
    for (int r = 0; r < rounds_; ++r) {
        const int px = where_[whereAt(r, x)];
        const int py = where_[whereAt(r, y)];
        if (px < 0 || py < 0)
            continue;
        const bool sameMatch = px / 4 == py / 4;
        const bool related = sameMatch && ((px / 2 == py / 2) == asPartners);
        if (related == tooOften && below(static_cast<std::uint32_t>(++seen)) == 0)
            round = r;
    }
    if (round < 0)
        return;
    const int px = where_[whereAt(round, x)];
    const int py = where_[whereAt(round, y)];
    int target = 0;
    if (tooOften) {
        // y goes anywhere else in the round.
        do
            target = static_cast<int>(below(static_cast<std::uint32_t>(perRound_)));
        while (target == px || target == py);
    } else if (asPartners) {
        target = px ^ 1;
    } else {
        target = ((px & ~3) | ((px & 2) ^ 2)) + static_cast<int>(below(2));
    }
    if (target != py)
        trySwap(round, py, target, temperature);
}

void Search::trySwap(int r, int p, int q, double temperature) {
    if (p / 2 == q / 2)
        return; // the same side: nothing would change
    int& u = players_[at(r, p)];
    int& v = players_[at(r, q)];
    std::int64_t delta = 0;
    if (p / 4 == q / 4) {
        const int a = players_[at(r, p ^ 1)]; // u's partner
        const int b = players_[at(r, q ^ 1)]; // v's partner
        delta = partnerStep(u, a, -1) + partnerStep(v, b, -1) + partnerStep(v, a, +1) +
                partnerStep(u, b, +1) + opponentStep(u, b, -1) + opponentStep(a, v, -1) +
                opponentStep(v, b, +1) + opponentStep(a, u, +1);
        if (!accept(delta, temperature))
            return;
        bump(partner_, u, a, -1);
        bump(partner_, v, b, -1);
        bump(partner_, v, a, +1);
        bump(partner_, u, b, +1);
        bump(opponent_, u, b, -1);
        bump(opponent_, a, v, -1);
        bump(opponent_, v, b, +1);
        bump(opponent_, a, u, +1);
    } else {
        auto across = [&](int from, int x, int y, bool apply) {
            // x leaves slot `from`, y takes it.
            std::int64_t d = 0;
            const int first = from & ~3;
            for (int s = first; s < first + 4; ++s) {
                if (s == from)
                    continue;
                const int mate = players_[at(r, s)];
                const bool partners = s / 2 == from / 2;
                if (apply) {
                    bump(partners ? partner_ : opponent_, x, mate, -1);
                    bump(partners ? partner_ : opponent_, y, mate, +1);
                } else {
                    d += partners ? partnerStep(x, mate, -1) + partnerStep(y, mate, +1)
                                  : opponentStep(x, mate, -1) + opponentStep(y, mate, +1);
                }
            }
            return d;
        };
        delta = across(p, u, v, false) + across(q, v, u, false);
        if (!accept(delta, temperature))
            return;
        across(p, u, v, true);
        across(q, v, u, true);
    }
    cost_ += delta;
    std::swap(u, v);
    where_[whereAt(r, u)] = p;
    where_[whereAt(r, v)] = q;
}

// A sitter of one round and a player of it change places, and change back in
// a nearby round where the roles are reversed: play counts stay as they are.
// Turns come at even intervals, so only nearby rounds can keep the runs
// within their limits; both members are drawn from the side of the rarer
// turn, where most draws fit.
// x and y change places in every round of [from, to).
void Search::exchangeSeats(int x, int y, int from, int to) {
    for (int r = from; r < to; ++r) {
        int& wx = where_[whereAt(r, x)];
        int& wy = where_[whereAt(r, y)];
        std::swap(wx, wy);
        (wx >= 0 ? players_[at(r, wx)] : sitters_[sitAt(r, -1 - wx)]) = x;
        (wy >= 0 ? players_[at(r, wy)] : sitters_[sitAt(r, -1 - wy)]) = y;
    }
}

std::int64_t Search::exchangeAndPrice(int x, int y, int from, int to) {
    std::int64_t delta = 0;
    for (int r = from; r < to; ++r) {
        const int wx = where_[whereAt(r, x)];
        const int wy = where_[whereAt(r, y)];
        if ((wx < 0 && wy < 0) || (wx >= 0 && wy >= 0 && wx / 2 == wy / 2)) {
            exchangeSeats(x, y, r, r + 1);
            continue;
        }
        const int mx = wx >= 0 ? wx / 4 : -1;
        const int my = wy >= 0 && wy / 4 != mx ? wy / 4 : -1;
        if (mx >= 0)
            delta += matchDelta(r, mx, -1);
        if (my >= 0)
            delta += matchDelta(r, my, -1);
        exchangeSeats(x, y, r, r + 1);
        if (mx >= 0)
            delta += matchDelta(r, mx, +1);
        if (my >= 0)
            delta += matchDelta(r, my, +1);
    }
    return delta;
}

// Two members exchange their whole schedules over a stretch of rounds. When
// every member sits out most rounds, their turns are nearly fixed in time and
// a trade can only nudge one turn by a round; exchanging the stretch instead
// lets two members whose turns fall alike swap everyone they meet at once.
void Search::relabelMove(double temperature) {
    const int x = static_cast<int>(below(static_cast<std::uint32_t>(members_)));
    int y = static_cast<int>(below(static_cast<std::uint32_t>(members_ - 1)));
    if (y >= x)
        ++y;
    const int from = static_cast<int>(below(static_cast<std::uint32_t>(rounds_)));
    const int span = std::min(rounds_ - from, relabelSpan_);
    const int to = below(4) == 0
                       ? rounds_
                       : from + 1 + static_cast<int>(below(static_cast<std::uint32_t>(span)));
    int playsX = 0;
    int playsY = 0;
    for (int r = from; r < to; ++r) {
        playsX += playing(r, x) ? 1 : 0;
        playsY += playing(r, y) ? 1 : 0;
    }
    if (playsX != playsY || playsX == 0)
        return;
    // Runs on the seating alone first.
    auto flip = [&] {
        for (int r = from; r < to; ++r)
            std::swap(where_[whereAt(r, x)], where_[whereAt(r, y)]);
    };
    flip();
    const bool runsOk = runOk(x, from) && runOk(y, from) && runOk(x, to - 1) && runOk(y, to - 1);
    flip();
    if (!runsOk)
        return;
    // Inside the stretch each takes the other's sit-outs on top of their own
    // count at its start.
    const int baseX = sitsBefore(from, x);
    const int baseY = sitsBefore(from, y);
    for (int b = from + 1; b < to; ++b) {
        if (!sitsOk(b, baseX + sitsBefore(b, y) - baseY) ||
            !sitsOk(b, baseY + sitsBefore(b, x) - baseX))
            return;
    }
    const std::int64_t delta = exchangeAndPrice(x, y, from, to);
    if (accept(delta, temperature)) {
        cost_ += delta;
        for (int b = from + 1; b < to; ++b) {
            const int sx = sitsBefore(b, x);
            sitsBefore(b, x) = baseX + sitsBefore(b, y) - baseY;
            sitsBefore(b, y) = baseY + sx - baseX;
        }
        return;
    }
    exchangeAndPrice(x, y, from, to);
}

void Search::tradeMove(double temperature) {
    const int r1 = static_cast<int>(below(static_cast<std::uint32_t>(rounds_)));
    const int d = 1 + static_cast<int>(below(static_cast<std::uint32_t>(tradeReach_)));
    const int r2 = (below(2) != 0) ? r1 + d : r1 - d;
    if (r2 < 0 || r2 >= rounds_)
        return;
    int x = 0; // out in r1, on court in r2
    int y = 0; // on court in r1, out in r2
    if (benched_ <= perRound_) {
        x = sitters_[sitAt(r1, static_cast<int>(below(static_cast<std::uint32_t>(benched_))))];
        y = sitters_[sitAt(r2, static_cast<int>(below(static_cast<std::uint32_t>(benched_))))];
    } else {
        x = players_[at(r2, static_cast<int>(below(static_cast<std::uint32_t>(perRound_))))];
        y = players_[at(r1, static_cast<int>(below(static_cast<std::uint32_t>(perRound_))))];
    }
    tryTrade(r1, r2, x, y, temperature);
}

void Search::nearTradeMove(double temperature) {
    const int r2 = static_cast<int>(below(static_cast<std::uint32_t>(rounds_)));
    const int x = players_[at(r2, static_cast<int>(below(static_cast<std::uint32_t>(perRound_))))];
    int previous = r2 - 1;
    while (previous >= 0 && !playing(previous, x))
        --previous;
    int next = r2 + 1;
    while (next < rounds_ && !playing(next, x))
        ++next;
    // Right after x's previous match would lengthen a run on court.
    const int earliest = std::max(previous + (previous >= 0 ? 2 : 1), next - sitLimit_ - 1);
    if (earliest >= r2)
        return;
    const int r1 = earliest + static_cast<int>(below(static_cast<std::uint32_t>(r2 - earliest)));
    // Whoever takes x's place waits from their previous match to r2.
    const int start = static_cast<int>(below(static_cast<std::uint32_t>(perRound_)));
    for (int k = 0; k < perRound_; ++k) {
        const int y = players_[at(r1, (start + k) % perRound_)];
        if (playing(r2, y))
            continue;
        int before = r1 - 1;
        while (before >= 0 && !playing(before, y))
            --before;
        if (before >= 0 && r2 - before - 1 > sitLimit_)
            continue;
        tryTrade(r1, r2, x, y, temperature);
        return;
    }
}

void Search::tryTrade(int r1, int r2, int x, int y, double temperature) {
    if (playing(r1, x) || !playing(r2, x) || !playing(r1, y) || playing(r2, y))
        return;
    const int p1 = where_[whereAt(r1, y)];
    const int s1 = -1 - where_[whereAt(r1, x)];
    const int p2 = where_[whereAt(r2, x)];
    const int s2 = -1 - where_[whereAt(r2, y)];

    auto place = [&](int px, int py) {
        // px: x on court in r1 (and out in r2); py the reverse for y.
        where_[whereAt(r1, px)] = p1;
        where_[whereAt(r1, py)] = -1 - s1;
        where_[whereAt(r2, py)] = p2;
        where_[whereAt(r2, px)] = -1 - s2;
        players_[at(r1, p1)] = px;
        sitters_[sitAt(r1, s1)] = py;
        players_[at(r2, p2)] = py;
        sitters_[sitAt(r2, s2)] = px;
    };
    std::int64_t prefixDelta = 0;
    auto price = [&](int sign) {
        if (polishing_)
            prefixDelta += prefixOf(r1, p1 / 4, sign) + prefixOf(r2, p2 / 4, sign);
        return matchDelta(r1, p1 / 4, sign) + matchDelta(r2, p2 / 4, sign);
    };
    // Runs first, on the seating alone; the pairs are priced only when the
    // trade keeps everyone's turns within their limits.
    where_[whereAt(r1, x)] = p1;
    where_[whereAt(r1, y)] = -1 - s1;
    where_[whereAt(r2, y)] = p2;
    where_[whereAt(r2, x)] = -1 - s2;
    const bool runsOk = runOk(x, r1) && runOk(x, r2) && runOk(y, r1) && runOk(y, r2);
    where_[whereAt(r1, y)] = p1;
    where_[whereAt(r1, x)] = -1 - s1;
    where_[whereAt(r2, x)] = p2;
    where_[whereAt(r2, y)] = -1 - s2;
    if (!runsOk)
        return;
    // x moves a sit-out from r1 to r2 and y the other way.
    const int early = std::min(r1, r2);
    const int late = std::max(r1, r2);
    const int xShift = r1 < r2 ? -1 : 1;
    if (!shiftOk(x, early, late, xShift) || !shiftOk(y, early, late, -xShift))
        return;
    std::array<int, 4> kept1{};
    std::array<int, 4> kept2{};
    std::copy_n(&players_[at(r1, p1 & ~3)], 4, kept1.begin());
    std::copy_n(&players_[at(r2, p2 & ~3)], 4, kept2.begin());
    std::int64_t delta = price(-1);
    place(x, y);
    delta += price(+1);
    if (resplit_) {
        // A newcomer to a match fits best in one of its three splits; pricing
        // the trade with the split as it happens to fall would turn most
        // useful trades away.
        delta += bestSplit(r1, p1 / 4);
        delta += bestSplit(r2, p2 / 4);
    }
    if (polishing_ ? acceptPair(delta, prefixDelta, temperature) : accept(delta, temperature)) {
        cost_ += delta;
        prefixCost_ += prefixDelta;
        shift(x, early, late, xShift);
        shift(y, early, late, -xShift);
        return;
    }
    price(-1);
    auto restore = [&](int r, int first, const std::array<int, 4>& kept) {
        for (int i = 0; i < 4; ++i) {
            players_[at(r, first + i)] = kept[static_cast<std::size_t>(i)];
            where_[whereAt(r, kept[static_cast<std::size_t>(i)])] = first + i;
        }
    };
    restore(r1, p1 & ~3, kept1);
    restore(r2, p2 & ~3, kept2);
    sitters_[sitAt(r1, s1)] = x;
    sitters_[sitAt(r2, s2)] = y;
    where_[whereAt(r1, x)] = -1 - s1;
    where_[whereAt(r2, y)] = -1 - s2;
    price(+1);
}

// Leaves match `match` of `round` in whichever of its three splits into two
// sides prices lowest; returns the change in cost.
std::int64_t Search::bestSplit(int round, int match) {
    const int first = 4 * match;
    int* p = &players_[at(round, first)];
    const std::array<int, 4> was{p[0], p[1], p[2], p[3]};
    // Sides (0 1 | 2 3), (0 2 | 1 3), (0 3 | 1 2) of the members as found.
    constexpr std::array<std::array<int, 4>, 3> Splits{{{0, 1, 2, 3}, {0, 2, 1, 3}, {0, 3, 1, 2}}};
    std::int64_t change = matchDelta(round, match, -1);
    std::int64_t bestPrice = 0;
    int chosen = -1;
    for (int k = 0; k < 3; ++k) {
        for (int i = 0; i < 4; ++i)
            p[i] = was[static_cast<std::size_t>(
                Splits[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)])];
        const std::int64_t d = matchDelta(round, match, +1);
        matchDelta(round, match, -1);
        if (chosen < 0 || d < bestPrice) {
            bestPrice = d;
            chosen = k;
        }
    }
    for (int i = 0; i < 4; ++i) {
        p[i] = was[static_cast<std::size_t>(
            Splits[static_cast<std::size_t>(chosen)][static_cast<std::size_t>(i)])];
        where_[whereAt(round, p[i])] = first + i;
    }
    change += matchDelta(round, match, +1);
    return change;
}

void Search::swapRounds(int r1, int r2) {
    std::swap_ranges(players_.begin() + static_cast<std::ptrdiff_t>(at(r1, 0)),
                     players_.begin() + static_cast<std::ptrdiff_t>(at(r1, perRound_)),
                     players_.begin() + static_cast<std::ptrdiff_t>(at(r2, 0)));
    std::swap_ranges(sitters_.begin() + static_cast<std::ptrdiff_t>(sitAt(r1, 0)),
                     sitters_.begin() + static_cast<std::ptrdiff_t>(sitAt(r1, benched_)),
                     sitters_.begin() + static_cast<std::ptrdiff_t>(sitAt(r2, 0)));
    std::swap_ranges(where_.begin() + static_cast<std::ptrdiff_t>(whereAt(r1, 0)),
                     where_.begin() + static_cast<std::ptrdiff_t>(whereAt(r1, members_)),
                     where_.begin() + static_cast<std::ptrdiff_t>(whereAt(r2, 0)));
}

// Two rounds change places whole. No pair changes, only whose turns run
// together; that opens trades the limits on runs would otherwise block.
void Search::roundSwapMove() {
    const int r1 = static_cast<int>(below(static_cast<std::uint32_t>(rounds_)));
    int r2 = static_cast<int>(below(static_cast<std::uint32_t>(rounds_ - 1)));
    if (r2 >= r1)
        ++r2;
    auto exchange = [&] { swapRounds(r1, r2); };
    exchange();
    const int early = std::min(r1, r2);
    const int late = std::max(r1, r2);
    for (int m = 0; m < members_; ++m) {
        if (playing(r1, m) != playing(r2, m) &&
            (!runOk(m, r1) || !runOk(m, r2) ||
             !shiftOk(m, early, late, playing(early, m) ? -1 : 1))) {
            exchange();
            return;
        }
    }
    for (int m = 0; m < members_; ++m)
        if (playing(r1, m) != playing(r2, m))
            shift(m, early, late, playing(early, m) ? -1 : 1);
}

void Search::rebuildFromBest() {
    players_ = best_;
    partner_ = keptPartner_;
    opponent_ = keptOpponent_;
    for (int r = 0; r < rounds_; ++r) {
        for (int m = 0; m < members_; ++m)
            where_[whereAt(r, m)] = -1;
        for (int i = 0; i < perRound_; ++i)
            where_[whereAt(r, players_[at(r, i)])] = i;
        int bench = 0;
        for (int m = 0; m < members_; ++m) {
            if (where_[whereAt(r, m)] < 0) {
                sitters_[sitAt(r, bench)] = m;
                where_[whereAt(r, m)] = -1 - bench;
                ++bench;
            }
        }
    }
    countSits();
    cost_ = countIn();
}

// Past this many steps above an even share a meeting costs no more.
constexpr int MaxCostedExcess = 10;

std::int64_t Search::meetingsCost(const std::vector<short>& rounds, int kept,
                                  const std::vector<int>& even) const {
    std::int64_t total = 0;
    for (std::size_t k = 0; k < rounds.size(); ++k) {
        const int excess =
            kept + static_cast<int>(k) + 1 - even[static_cast<std::size_t>(rounds[k]) + 1];
        if (excess > 0)
            total += std::int64_t{1} << (6 * (std::min(excess, MaxCostedExcess) - 1));
    }
    return total;
}

std::int64_t Search::prefixRelation(bool partners, int x, int y, int round, int sign) {
    const std::size_t i = pairAt(x, y);
    std::vector<short>& rounds = (partners ? partnerRounds_ : opponentRounds_)[i];
    const int kept = (partners ? keptPartner_ : keptOpponent_)[i];
    const std::vector<int>& even = partners ? partnerEven_ : opponentEven_;
    const std::int64_t before = meetingsCost(rounds, kept, even);
    const auto r = static_cast<short>(round);
    if (sign > 0)
        rounds.insert(std::upper_bound(rounds.begin(), rounds.end(), r), r);
    else
        rounds.erase(std::lower_bound(rounds.begin(), rounds.end(), r));
    return meetingsCost(rounds, kept, even) - before;
}

std::int64_t Search::prefixOf(int round, int match, int sign) {
    const int* p = &players_[at(round, 4 * match)];
    std::int64_t d = prefixRelation(true, p[0], p[1], round, sign);
    d += prefixRelation(true, p[2], p[3], round, sign);
    for (int a = 0; a < 2; ++a)
        for (int c = 2; c < 4; ++c)
            d += prefixRelation(false, p[a], p[c], round, sign);
    return d;
}

// Two players of a round change places, as in swapMove.
void Search::polishSwap(double temperature) {
    const int r = static_cast<int>(below(static_cast<std::uint32_t>(rounds_)));
    const int p = static_cast<int>(below(static_cast<std::uint32_t>(perRound_)));
    int q = static_cast<int>(below(static_cast<std::uint32_t>(perRound_ - 1)));
    if (q >= p)
        ++q;
    if (p / 2 == q / 2)
        return;
    const int mp = p / 4;
    const int mq = q / 4;
    auto price = [&](int sign, std::int64_t& mainDelta, std::int64_t& prefixDelta) {
        mainDelta += matchDelta(r, mp, sign);
        prefixDelta += prefixOf(r, mp, sign);
        if (mq != mp) {
            mainDelta += matchDelta(r, mq, sign);
            prefixDelta += prefixOf(r, mq, sign);
        }
    };
    auto exchange = [&] {
        std::swap(players_[at(r, p)], players_[at(r, q)]);
        where_[whereAt(r, players_[at(r, p)])] = p;
        where_[whereAt(r, players_[at(r, q)])] = q;
    };
    std::int64_t mainDelta = 0;
    std::int64_t prefixDelta = 0;
    price(-1, mainDelta, prefixDelta);
    exchange();
    price(+1, mainDelta, prefixDelta);
    if (acceptPair(mainDelta, prefixDelta, temperature)) {
        cost_ += mainDelta;
        prefixCost_ += prefixDelta;
        return;
    }
    std::int64_t ignored = 0;
    price(-1, ignored, ignored);
    exchange();
    price(+1, ignored, ignored);
}

// Two rounds change places: every count stays, only when pairs meet moves.
void Search::polishRoundSwap(double temperature) {
    const int r1 = static_cast<int>(below(static_cast<std::uint32_t>(rounds_)));
    int r2 = static_cast<int>(below(static_cast<std::uint32_t>(rounds_ - 1)));
    if (r2 >= r1)
        ++r2;
    const int early = std::min(r1, r2);
    const int late = std::max(r1, r2);
    auto exchange = [&] { swapRounds(r1, r2); };
    auto reprice = [&](int sign) {
        std::int64_t d = 0;
        for (int j = 0; j < courts_; ++j) {
            d += prefixOf(r1, j, sign);
            d += prefixOf(r2, j, sign);
        }
        return d;
    };
    exchange();
    for (int m = 0; m < members_; ++m) {
        if (playing(r1, m) != playing(r2, m) &&
            (!runOk(m, r1) || !runOk(m, r2) ||
             !shiftOk(m, early, late, playing(early, m) ? -1 : 1))) {
            exchange();
            return;
        }
    }
    exchange();
    std::int64_t delta = reprice(-1);
    exchange();
    delta += reprice(+1);
    if (accept(delta, temperature)) {
        prefixCost_ += delta;
        for (int m = 0; m < members_; ++m)
            if (playing(r1, m) != playing(r2, m))
                shift(m, early, late, playing(early, m) ? -1 : 1);
        return;
    }
    reprice(-1);
    exchange();
    reprice(+1);
}

void Search::polish(std::int64_t budget) {
    if (budget <= 0)
        return;
    rebuildFromBest();
    polishing_ = true;
    resplit_ = false; // a re-split would price the whole day alone
    const auto pairs = static_cast<std::size_t>(members_) * static_cast<std::size_t>(members_);
    partnerRounds_.assign(pairs, {});
    opponentRounds_.assign(pairs, {});
    std::int64_t partnerKept = 0;
    std::int64_t opponentKept = 0;
    for (int x = 0; x < members_; ++x) {
        for (int y = x + 1; y < members_; ++y) {
            partnerKept += keptPartner_[pairAt(x, y)];
            opponentKept += keptOpponent_[pairAt(x, y)];
        }
    }
    const std::int64_t pairCount = static_cast<std::int64_t>(members_) * (members_ - 1) / 2;
    partnerEven_.resize(static_cast<std::size_t>(rounds_ + 1));
    opponentEven_.resize(static_cast<std::size_t>(rounds_ + 1));
    for (int b = 0; b <= rounds_; ++b) {
        const std::int64_t partnerSlots = partnerKept + 2LL * courts_ * b;
        const std::int64_t opponentSlots = opponentKept + 4LL * courts_ * b;
        partnerEven_[static_cast<std::size_t>(b)] =
            static_cast<int>((partnerSlots + pairCount - 1) / pairCount);
        opponentEven_[static_cast<std::size_t>(b)] =
            static_cast<int>((opponentSlots + pairCount - 1) / pairCount);
    }
    prefixCost_ = 0;
    for (int r = 0; r < rounds_; ++r)
        for (int j = 0; j < courts_; ++j)
            prefixCost_ += prefixOf(r, j, +1);
    std::int64_t bestMain = cost_;
    std::int64_t bestPrefix = prefixCost_;
    constexpr double StartTemperature = 0.5;
    constexpr double EndTemperature = 0.03;
    const double cooling = std::log(EndTemperature / StartTemperature);
    constexpr int Step = 1024;
    double temperature = StartTemperature;
    for (std::int64_t done = 0; done < budget && prefixCost_ > 0; ++done) {
        if (done % Step == 0)
            temperature = StartTemperature * std::exp(cooling * static_cast<double>(done) /
                                                      static_cast<double>(budget));
        const std::uint32_t kind = below(100);
        // Nobody to trade when nobody sits out.
        if (kind < (benched_ == 0 ? 70u : 45u))
            polishSwap(temperature);
        else if (benched_ == 0 || kind < 70)
            polishRoundSwap(temperature);
        else
            nearTrades_ ? nearTradeMove(temperature) : tradeMove(temperature);
        if (cost_ < bestMain || (cost_ == bestMain && prefixCost_ < bestPrefix)) {
            bestMain = cost_;
            bestPrefix = prefixCost_;
            best_ = players_;
        }
    }
    bestCost_ = bestMain;
}

std::int64_t Search::anneal(std::int64_t budget) {
    if (cost_ == 0 || budget <= 0)
        return bestCost_;
    // A pair one off its window costs 1: the start accepts such a step
    // against the search one time in seven, the end almost never.
    constexpr double StartTemperature = 0.5;
    constexpr double EndTemperature = 0.03;
    const double cooling = std::log(EndTemperature / StartTemperature);
    constexpr int Step = 1024;
    constexpr std::uint32_t TargetedShare = 15; // in hundredths
    double temperature = StartTemperature;
    for (std::int64_t done = 0; done < budget; ++done) {
        if (done % Step == 0)
            temperature = StartTemperature * std::exp(cooling * static_cast<double>(done) /
                                                      static_cast<double>(budget));
        const std::uint32_t kind = below(100);
        if (kind < TargetedShare)
            targetedMove(temperature);
        else if (kind < TargetedShare + relabelShare_)
            relabelMove(temperature);
        else if (benched_ == 0 || kind < 55)
            swapMove(temperature);
        else if (kind < 97)
            nearTrades_ ? nearTradeMove(temperature) : tradeMove(temperature);
        else
            roundSwapMove();
        if (cost_ < bestCost_) {
            bestCost_ = cost_;
            best_ = players_;
            if (cost_ == 0)
                return 0;
        }
    }
    return bestCost_;
}

// Whether the stored day, run forwards or backwards, keeps play counts
// within one of each other at every round boundary.
bool storedPlaysEven(const std::array<int, 4 * MaxMatches>& index, int members, int courts,
                     bool backwards) {
    const int rounds = MaxMatches / courts;
    std::vector<int> plays(static_cast<std::size_t>(members), 0);
    for (int r = 0; r < rounds; ++r) {
        const int from = backwards ? rounds - 1 - r : r;
        for (int k = 0; k < 4 * courts; ++k)
            ++plays[static_cast<std::size_t>(
                index[static_cast<std::size_t>(4 * from * courts + k)])];
        const auto [low, high] = std::minmax_element(plays.begin(), plays.end());
        if (*high - *low > 1)
            return false;
    }
    return true;
}

// Fills the whole day from a stored one. Renaming the members, running the
// day backwards and changing courts or sides keep every count and every run
// the stored day has. False when the stored text does not fit the roster,
// which leaves the search to do the work.
bool fillFromStored(const StoredDesign& design, const std::vector<Name>& participants,
                    std::uint32_t seed, bool fair, MatchTable& table) {
    const int members = static_cast<int>(participants.size());
    const int courts = design.courts;
    std::array<int, 4 * MaxMatches> index{};
    for (std::size_t i = 0; i < index.size(); ++i) {
        const char c = design.matches[i];
        if (c == '\0')
            return false;
        index[i] = storedMemberIndex(c);
        if (index[i] < 0 || index[i] >= members)
            return false;
    }
    std::mt19937 rng(seed);
    auto below = [&rng](std::uint32_t k) {
        return static_cast<int>((static_cast<std::uint64_t>(rng()) * k) >> 32);
    };
    std::vector<int> label(participants.size());
    for (int m = 0; m < members; ++m)
        label[static_cast<std::size_t>(m)] = m;
    for (int i = members - 1; i > 0; --i)
        std::swap(label[static_cast<std::size_t>(i)],
                  label[static_cast<std::size_t>(below(static_cast<std::uint32_t>(i + 1)))]);
    bool backwards = below(2) != 0;
    // Where the day may stop anywhere it runs forwards: pair counts do not
    // care which way a day runs, but how early pairs meet again does, and the
    // days stored for it are even from their start. A day even at every
    // boundary one way may not be the other way.
    if (fair)
        backwards = false;
    if (fair && !storedPlaysEven(index, members, courts, backwards)) {
        backwards = !backwards;
        if (!storedPlaysEven(index, members, courts, backwards))
            return false;
    }
    const int rounds = MaxMatches / courts;
    std::array<int, MaxCourts> court{};
    for (int r = 0; r < rounds; ++r) {
        const int from = backwards ? rounds - 1 - r : r;
        for (int j = 0; j < courts; ++j)
            court[static_cast<std::size_t>(j)] = j;
        for (int j = courts - 1; j > 0; --j)
            std::swap(court[static_cast<std::size_t>(j)],
                      court[static_cast<std::size_t>(below(static_cast<std::uint32_t>(j + 1)))]);
        for (int j = 0; j < courts; ++j) {
            const auto first =
                static_cast<std::size_t>(4 * (from * courts + court[static_cast<std::size_t>(j)]));
            const bool swapSides = below(2) != 0;
            auto name = [&](int k) -> const Name& {
                const int slot = swapSides ? (k + 2) % 4 : k;
                return participants[static_cast<std::size_t>(label[static_cast<std::size_t>(
                    index[first + static_cast<std::size_t>(slot)])])];
            };
            table[static_cast<std::size_t>(r * courts + j)] =
                MatchRecord{name(0), name(1), name(2), name(3), 0, 0};
        }
    }
    return true;
}

} // namespace

// A move costs about the same whatever the roster, so one budget serves all:
// about a quarter of a second on an ordinary desktop core.
std::int64_t defaultBalancedBudget(int /*members*/, int /*courts*/) {
    return 1'200'000;
}

void generateBalanced(const std::vector<Name>& participants, int courts, int firstMatch,
                      const BalancedHistory* history, const BalancedOptions& options,
                      MatchTable& table) {
    const int members = static_cast<int>(participants.size());
    if (courts < MinCourts || courts > MaxCourts || members < 4 * courts || members > MaxMembers ||
        firstMatch < 0 || firstMatch > MaxMatches || firstMatch % courts != 0 ||
        options.endMatch < firstMatch || options.endMatch > MaxMatches ||
        options.endMatch % courts != 0)
        throw std::invalid_argument("generateBalanced: roster, courts or first match out of range");
    const auto n = static_cast<std::size_t>(members);
    if (history && (history->partner.size() != members || history->opponent.size() != members ||
                    history->sitOutRun.size() != n || history->playRun.size() != n ||
                    (!history->playCredit.empty() && history->playCredit.size() != n)))
        throw std::invalid_argument("generateBalanced: history does not match the roster");
    for (int k = options.endMatch; k < MaxMatches; ++k)
        table[static_cast<std::size_t>(k)] = MatchRecord{};
    if (firstMatch == 0 && !history && options.storedDays && options.endMatch == MaxMatches) {
        const StoredDesign* design = findStoredDesign(members, courts);
        if (design &&
            fillFromStored(*design, participants, options.seed, options.fairAtEveryRound, table))
            return;
    }
    const int firstRound = firstMatch / courts;
    const int rounds = options.endMatch / courts - firstRound;
    if (rounds == 0)
        return;
    Search search(members, courts, rounds, history, options.seed, options.fairAtEveryRound);
    const std::int64_t budget =
        options.moveBudget < 0 ? defaultBalancedBudget(members, courts) : options.moveBudget;
    // An anneal that ends above zero has mostly settled into its rotation's
    // limits; one more from a newly drawn rotation, on a smaller budget,
    // finds a better table more often than the same moves spent on the old.
    if (search.anneal(budget) > 0) {
        search.reseat();
        search.anneal(budget * 3 / 5);
    }
    // An eighth of the budget does as well as more: the pairs still above
    // an even share where the day stops are those the whole-day aims pin.
    if (options.fairAtEveryRound)
        search.polish(budget / 8);
    for (int r = 0; r < rounds; ++r) {
        for (int j = 0; j < courts; ++j) {
            MatchRecord& m = table[static_cast<std::size_t>(firstMatch + r * courts + j)];
            auto name = [&](int k) -> const Name& {
                return participants[static_cast<std::size_t>(search.player(r, 4 * j + k))];
            };
            m = MatchRecord{name(0), name(1), name(2), name(3), 0, 0};
        }
    }
}

} // namespace pf
