#include "tools/meeting_search.h"

#include "pairing/rotation_bounds.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace pf::tools {
namespace {

class MeetingSearch {
public:
    MeetingSearch(int members, int courts, std::uint32_t seed)
        : members_(members), courts_(courts), perRound_(4 * courts), rounds_(MaxMatches / courts),
          rng_(seed) {
        const int pairs = members * (members - 1) / 2;
        partnerLow_ = 2 * MaxMatches / pairs;
        partnerHigh_ = ceilDiv(2 * MaxMatches, pairs);
        opponentLow_ = 4 * MaxMatches / pairs;
        opponentHigh_ = ceilDiv(4 * MaxMatches, pairs);
        longestSit_ = sitOutBound(members, courts) + 1;
        for (int r = 0; r <= rounds_; ++r) {
            low_.push_back(perRound_ * r / members);
            high_.push_back(ceilDiv(perRound_ * r, members));
        }
        // Seating the members round and round in one drawn order keeps every
        // play count within one at every boundary from the start.
        std::vector<int> order(static_cast<std::size_t>(members));
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), rng_);
        seat_.assign(static_cast<std::size_t>(rounds_), std::vector<int>(perRound_));
        plays_.assign(static_cast<std::size_t>(members),
                      std::vector<char>(static_cast<std::size_t>(rounds_), 0));
        for (int r = 0; r < rounds_; ++r)
            for (int k = 0; k < perRound_; ++k) {
                const int x = order[static_cast<std::size_t>((r * perRound_ + k) % members)];
                seat(r, k) = x;
                plays(x, r) = 1;
            }
        partners_.assign(static_cast<std::size_t>(members * members), 0);
        opponents_ = partners_;
        cost_ = static_cast<long>(pairs) * (partnerCost(0) + opponentCost(0));
        for (int r = 0; r < rounds_; ++r)
            for (int m = 0; m < courts; ++m)
                count(r, m, 1);
    }

    bool anneal(std::int64_t moves) {
        constexpr double Start = 0.4;
        constexpr double Floor = 0.02;
        for (std::int64_t it = 0; it < moves && cost_ > 0; ++it) {
            const double t =
                Start * (1 - static_cast<double>(it) / static_cast<double>(moves)) + Floor;
            if (rng_() % 2)
                moveWithinRound(t);
            else
                tradeRounds(t);
        }
        return cost_ == 0;
    }

    void write(MatchTable& table) const {
        for (int r = 0; r < rounds_; ++r)
            for (int m = 0; m < courts_; ++m) {
                auto name = [&](int k) { return std::to_string(seatAt(r, 4 * m + k)); };
                table[static_cast<std::size_t>(r * courts_ + m)] =
                    MatchRecord{name(0), name(1), name(2), name(3), 0, 0};
            }
    }

private:
    int& seat(int r, int k) {
        return seat_[static_cast<std::size_t>(r)][static_cast<std::size_t>(k)];
    }
    int seatAt(int r, int k) const {
        return seat_[static_cast<std::size_t>(r)][static_cast<std::size_t>(k)];
    }
    char& plays(int x, int r) {
        return plays_[static_cast<std::size_t>(x)][static_cast<std::size_t>(r)];
    }
    static long outside(int v, int low, int high) {
        return v < low ? low - v : (v > high ? v - high : 0);
    }
    long partnerCost(int v) const { return outside(v, partnerLow_, partnerHigh_); }
    long opponentCost(int v) const { return outside(v, opponentLow_, opponentHigh_); }

    void meet(std::vector<int>& counts, int x, int y, int step, bool partners) {
        int& xy = counts[static_cast<std::size_t>(x * members_ + y)];
        const long before = partners ? partnerCost(xy) : opponentCost(xy);
        xy += step;
        counts[static_cast<std::size_t>(y * members_ + x)] = xy;
        cost_ += (partners ? partnerCost(xy) : opponentCost(xy)) - before;
    }

    // Counts match m of round r in (step 1) or out (step -1).
    void count(int r, int m, int step) {
        const int a = seat(r, 4 * m), b = seat(r, 4 * m + 1);
        const int c = seat(r, 4 * m + 2), d = seat(r, 4 * m + 3);
        meet(partners_, a, b, step, true);
        meet(partners_, c, d, step, true);
        for (const int x : {a, b})
            for (const int y : {c, d})
                meet(opponents_, x, y, step, false);
    }

    bool keepsRotation(int x) {
        int played = 0;
        int sitting = 0;
        for (int r = 0; r < rounds_; ++r) {
            if (plays(x, r)) {
                ++played;
                sitting = 0;
            } else if (++sitting > longestSit_) {
                return false;
            }
            if (played < low_[static_cast<std::size_t>(r + 1)] ||
                played > high_[static_cast<std::size_t>(r + 1)])
                return false;
        }
        return true;
    }

    bool accept(long before, double t) {
        const long delta = cost_ - before;
        return delta <= 0 || std::generate_canonical<double, 32>(rng_) <
                                 std::exp(-static_cast<double>(delta) / t);
    }

    // Swaps two places of one round: a new partner, opponent or match.
    void moveWithinRound(double t) {
        const int r = static_cast<int>(rng_() % rounds_);
        const int k1 = static_cast<int>(rng_() % perRound_);
        const int k2 = static_cast<int>(rng_() % perRound_);
        const int m1 = k1 / 4, m2 = k2 / 4;
        if (m1 == m2 && (k1 % 4) / 2 == (k2 % 4) / 2)
            return;
        const long before = cost_;
        auto swapPlaces = [&] {
            count(r, m1, -1);
            if (m2 != m1)
                count(r, m2, -1);
            std::swap(seat(r, k1), seat(r, k2));
            count(r, m1, 1);
            if (m2 != m1)
                count(r, m2, 1);
        };
        swapPlaces();
        if (!accept(before, t))
            swapPlaces();
    }

    // Trades the rounds of two members up to four rounds apart, where both
    // still keep the rotation.
    void tradeRounds(double t) {
        const int r1 = static_cast<int>(rng_() % rounds_);
        const int d = static_cast<int>(rng_() % 9) - 4;
        const int r2 = r1 + d;
        if (d == 0 || r2 < 0 || r2 >= rounds_)
            return;
        const int k1 = static_cast<int>(rng_() % perRound_);
        const int k2 = static_cast<int>(rng_() % perRound_);
        const int x = seat(r1, k1), y = seat(r2, k2);
        if (plays(x, r2) || plays(y, r1))
            return;
        auto movePlays = [&](char xIn) {
            plays(x, r1) = xIn;
            plays(x, r2) = !xIn;
            plays(y, r2) = xIn;
            plays(y, r1) = !xIn;
        };
        movePlays(0);
        if (!keepsRotation(x) || !keepsRotation(y)) {
            movePlays(1);
            return;
        }
        const long before = cost_;
        auto swapSeats = [&] {
            count(r1, k1 / 4, -1);
            count(r2, k2 / 4, -1);
            std::swap(seat(r1, k1), seat(r2, k2));
            count(r1, k1 / 4, 1);
            count(r2, k2 / 4, 1);
        };
        swapSeats();
        if (!accept(before, t)) {
            swapSeats();
            movePlays(1);
        }
    }

    int members_;
    int courts_;
    int perRound_;
    int rounds_;
    std::mt19937 rng_;
    int partnerLow_ = 0; // an even share of partners and opponents for each pair
    int partnerHigh_ = 0;
    int opponentLow_ = 0;
    int opponentHigh_ = 0;
    int longestSit_ = 0;
    std::vector<int> low_, high_; // play counts allowed after r rounds
    std::vector<std::vector<int>> seat_;
    std::vector<std::vector<char>> plays_;
    std::vector<int> partners_, opponents_;
    long cost_ = 0;
};

} // namespace

bool searchMeetings(int members, int courts, std::uint32_t seed, std::int64_t moves,
                    MatchTable& table) {
    MeetingSearch search(members, courts, seed);
    const bool found = search.anneal(moves);
    search.write(table);
    return found;
}

} // namespace pf::tools
