#include "pairing/generators.h"

#include "pairing/balanced_selection.h"
#include "pairing/random_selection.h"
#include "pairing/random_source.h"
#include "pairing/sequential_selection.h"

#include <algorithm>

namespace pf {

PairingMethod pairingMethodFromSetting(std::int32_t stored) {
    switch (stored) {
    case 0:
        return PairingMethod::Random;
    case 2:
        return PairingMethod::Balanced;
    default:
        return PairingMethod::Sequential;
    }
}

std::uint32_t drawBalancedSeed() {
    // Two draws of 15 bits each: enough seeds that two pairings of one day
    // hardly ever repeat, and --seed still fixes them.
    Lcg& random = processRandom();
    const auto high = static_cast<std::uint32_t>(random.next());
    const auto low = static_cast<std::uint32_t>(random.next());
    return (high << 15) | low;
}

void dispatch(PairingMethod method, EntryList& entries, SequentialState& sequential,
              const std::vector<Name>& participants, int courts, MatchTable& table, int dayRounds) {
    switch (method) {
    case PairingMethod::Random:
        generateRandomPairing(entries, participants, courts, table);
        return;
    case PairingMethod::Sequential:
        GenerateSequential(sequential, participants, courts, table);
        return;
    case PairingMethod::Balanced: {
        BalancedOptions options;
        options.seed = drawBalancedSeed();
        if (dayRounds > 0)
            options.endMatch = std::min(dayRounds * courts, MaxMatches);
        generateBalanced(participants, courts, 0, nullptr, options, table);
        return;
    }
    }
}

Generators::Generators() : sequential_(std::make_unique<SequentialState>()) {}

Generators::~Generators() = default;

void Generators::generate(PairingMethod method, const std::vector<Name>& participants, int courts,
                          MatchTable& table, int dayRounds) {
    dispatch(method, entries_, *sequential_, participants, courts, table, dayRounds);
}

void Generators::forget() {
    entries_.Clear();
}

} // namespace pf
