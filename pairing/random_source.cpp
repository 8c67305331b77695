#include "pairing/random_source.h"

#include <ctime>

namespace pf {
namespace {

std::uint32_t clockSeconds() {
    return static_cast<std::uint32_t>(std::time(nullptr));
}

SeedSource& seedSource() {
    static SeedSource source = clockSeconds;
    return source;
}

} // namespace

Lcg& processRandom() {
    static Lcg generator;
    return generator;
}

void setSeedSource(SeedSource source) {
    seedSource() = source ? std::move(source) : SeedSource(clockSeconds);
}

void resetSeedSource() {
    seedSource() = clockSeconds;
}

std::uint32_t currentSeed() {
    return seedSource()();
}

void seedFromClock() {
    processRandom().seed(currentSeed());
}

} // namespace pf
