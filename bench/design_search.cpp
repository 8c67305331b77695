// Finds whole days to keep as data (pairing/stored_designs.cpp) for rosters
// where the balanced search seldom reaches every pair bound in the time the
// program gives it: runs the same search with a far larger move budget, seed
// after seed, until a day keeps the hard rules and brings both pair spreads to
// their bounds, and prints it in the stored form.
//
// Run: build/release/bench/pairforge-design-search [tries [moves]] courts:members ...
//      e.g. pairforge-design-search 8 40000000 1:19 1:28

#include "pairing/balanced_selection.h"
#include "pairing/schedule_quality.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr char Alphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

bool within(const pf::QualityFigure& f, int allowance = 0) {
    return !f.bound || f.value <= *f.bound + allowance;
}

// The hard rules of a balanced day (play counts within one at every round
// boundary among them), and both pair spreads at their bounds.
bool even(const pf::ScheduleQuality& q) {
    return within(q.playSpread) && q.prefixPlaySpread.value <= 1 && within(q.longestSitOut, 1) &&
           within(q.partnerSpread) && within(q.opponentSpread);
}

void print(int members, int courts, std::uint32_t seed, const pf::MatchTable& table) {
    std::string text;
    for (const pf::MatchRecord& m : table)
        for (const pf::Name* x : {&m.a, &m.b, &m.c, &m.d})
            text += Alphabet[std::stoi(*x)];
    std::printf("    // %d members, %d court%s (seed %u)\n    {%d, %d,\n", members, courts,
                courts == 1 ? "" : "s", seed, members, courts);
    for (std::size_t i = 0; i < text.size(); i += 80)
        std::printf("     \"%s\"%s\n", text.substr(i, 80).c_str(),
                    i + 80 >= text.size() ? "}," : "");
}

} // namespace

int main(int argc, char** argv) {
    int arg = 1;
    int tries = 8;
    std::int64_t moves = 40'000'000;
    if (arg < argc && std::string(argv[arg]).find(':') == std::string::npos)
        tries = std::atoi(argv[arg++]);
    if (arg < argc && std::string(argv[arg]).find(':') == std::string::npos)
        moves = std::atoll(argv[arg++]);
    int missed = 0;
    for (; arg < argc; ++arg) {
        const std::string roster = argv[arg];
        const int courts = std::atoi(roster.c_str());
        const int members = std::atoi(roster.c_str() + roster.find(':') + 1);
        if (courts < 1 || courts > pf::MaxCourts || members < 4 * courts ||
            members > static_cast<int>(sizeof Alphabet - 1)) {
            std::fprintf(stderr, "%s: not a roster this tool can store\n", roster.c_str());
            return 2;
        }
        std::vector<pf::Name> names;
        for (int i = 0; i < members; ++i)
            names.push_back(std::to_string(i));
        bool found = false;
        for (int t = 1; t <= tries && !found; ++t) {
            const auto seed = static_cast<std::uint32_t>(7919 * t + 13);
            pf::MatchTable table{};
            const auto t0 = std::chrono::steady_clock::now();
            pf::generateBalanced(names, courts, 0, nullptr, {seed, moves, false}, table);
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
            found = even(pf::computeQuality(names, table, courts));
            std::fprintf(stderr, "%d on %d, seed %u: %s (%.1f s)\n", members, courts, seed,
                         found ? "found" : "missed", seconds);
            if (found)
                print(members, courts, seed, table);
        }
        missed += found ? 0 : 1;
    }
    return missed == 0 ? 0 : 1;
}
