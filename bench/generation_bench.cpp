// Generation speed and memory. Run: build/release/bench/pairforge-bench
//
// The sweep runs the sequential search for every roster size from 4·n to 100
// on 1, 2 and 3 courts and reports the slowest; the random method is measured
// at 100 participants on 3 courts together with the memory its tallies take.

#include "pairing/entry_list.h"
#include "pairing/random_selection.h"
#include "pairing/random_source.h"
#include "pairing/sequential_selection.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <sys/resource.h>

namespace {

std::vector<pf::Name> roster(int n) {
    std::vector<pf::Name> names;
    for (int i = 0; i < n; ++i)
        names.push_back("member" + std::to_string(i + 1));
    return names;
}

void BM_Sequential(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const int courts = static_cast<int>(state.range(1));
    auto s = std::make_unique<pf::SequentialState>();
    s->Size = n;
    for (auto _ : state)
        benchmark::DoNotOptimize(pf::SearchPairs(*s, courts));
    state.counters["visits"] = static_cast<double>(s->Tests);
}
BENCHMARK(BM_Sequential)
    ->Args({100, 3})
    ->Args({100, 1})
    ->Args({9, 2})
    ->Unit(benchmark::kMillisecond);

void BM_Random(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const int courts = static_cast<int>(state.range(1));
    const auto names = roster(n);
    pf::MatchTable table{};
    pf::EntryList list;
    for (auto _ : state) {
        list.Clear();
        pf::processRandom().seed(1);
        pf::generateRandomPairing(list, names, courts, table);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_Random)->Args({100, 3})->Args({100, 1})->Args({12, 3})->Unit(benchmark::kMillisecond);

// Every roster size on every court count, once each, timed; prints the slowest.
void BM_SequentialSweep(benchmark::State& state) {
    auto s = std::make_unique<pf::SequentialState>();
    double slowestMs = 0;
    int slowestN = 0;
    int slowestCourts = 0;
    long long slowestVisits = 0;
    for (auto _ : state) {
        for (int courts = 1; courts <= 3; ++courts) {
            for (int n = 4 * courts; n <= pf::MaxMembers; ++n) {
                s->Size = n;
                const auto t0 = std::chrono::steady_clock::now();
                pf::SearchPairs(*s, courts);
                const double ms =
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                        .count();
                if (ms > slowestMs) {
                    slowestMs = ms;
                    slowestN = n;
                    slowestCourts = courts;
                    slowestVisits = s->Tests;
                }
            }
        }
    }
    state.counters["slowest_ms"] = slowestMs;
    state.counters["slowest_members"] = slowestN;
    state.counters["slowest_courts"] = slowestCourts;
    state.counters["slowest_visits"] = static_cast<double>(slowestVisits);
}
BENCHMARK(BM_SequentialSweep)->Iterations(3)->Unit(benchmark::kMillisecond);

// Peak resident memory of a fresh process that builds the 100-member tallies.
void BM_RandomMemory100(benchmark::State& state) {
    const auto names = roster(100);
    pf::MatchTable table{};
    for (auto _ : state) {
        pf::EntryList list;
        pf::generateRandomPairing(list, names, 3, table);
        state.counters["tally_bytes"] = static_cast<double>(list.tallyBytes());
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_kb"] = static_cast<double>(usage.ru_maxrss);
}
BENCHMARK(BM_RandomMemory100)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
