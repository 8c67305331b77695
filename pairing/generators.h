#pragma once
// The generation methods behind one call. The main window and the
// command-line tool name a method and get the 120 slots filled; what each
// method keeps between pairings lives in the one Generators of the run.
//
// A new method needs an enumerator, its own file, a case in dispatch() and a
// choice in the settings dialog.

#include "model/session.h"
#include "pairing/entry_list.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace pf {

struct SequentialState;

enum class PairingMethod { Random, Sequential, Balanced };

// The stored setting: 0 random, 2 balanced, any other value sequential, so
// that every value written before the balanced method existed keeps its
// meaning.
PairingMethod pairingMethodFromSetting(std::int32_t stored);

// The balanced method's seed, drawn from the process generator (a new pairing
// and a re-plan alike).
std::uint32_t drawBalancedSeed();

// Fills all 120 slots' names by `method`, with the states the caller holds.
// The random method continues from `entries` as it is (the driver hands it
// over empty); the balanced method draws its seed from the process generator,
// so a fixed seed reproduces it.
// `dayRounds` (balanced method only): plan just the first so many rounds and
// leave the rest of the table empty; 0 for the whole 120 matches.
void dispatch(PairingMethod method, EntryList& entries, SequentialState& sequential,
              const std::vector<Name>& participants, int courts, MatchTable& table,
              int dayRounds = 0);

class Generators {
public:
    // The entry list comes first: it seeds the process generator from the
    // clock before any window exists, so the first draw of the day is
    // already unpredictable.
    Generators();
    ~Generators();
    Generators(const Generators&) = delete;
    Generators& operator=(const Generators&) = delete;

    void generate(PairingMethod method, const std::vector<Name>& participants, int courts,
                  MatchTable& table, int dayRounds = 0);
    // Closing a pairing: every tally of the random method is forgotten.
    void forget();

    EntryList& entries() { return entries_; }
    SequentialState& sequential() { return *sequential_; }

private:
    EntryList entries_;
    std::unique_ptr<SequentialState> sequential_;
};

} // namespace pf
