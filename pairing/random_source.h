#pragma once
// The program's one pseudo-random generator. It reproduces the classic
// rand()/srand() pair of the Windows C runtime bit for bit, so that a roster,
// a court count and a seed give the same schedule on every platform (glibc's
// rand is a different generator).

#include <cstdint>
#include <functional>

namespace pf {

class Lcg {
public:
    static constexpr int Max = 32767;

    // Sets the state and advances it once, discarding that value.
    void seed(std::uint32_t s) {
        state_ = s;
        next();
    }
    // 0 … 32767: bits 16 to 30 of the new state.
    int next() {
        state_ = state_ * 22695477u + 1u;
        return static_cast<int>((state_ >> 16) & 0x7fffu);
    }
    std::uint32_t state() const { return state_; }

private:
    std::uint32_t state_ = 1;
};

// The generator shared by both generation methods and the announcement flicker.
Lcg& processRandom();

// Where "the current calendar time in seconds" comes from. Tests and the
// command-line tool replace it; the default reads the system clock.
using SeedSource = std::function<std::uint32_t()>;
void setSeedSource(SeedSource source);
void resetSeedSource();
std::uint32_t currentSeed();

// Seeds the process generator from the seed source.
void seedFromClock();

} // namespace pf
