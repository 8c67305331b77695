#pragma once
// The arithmetic of an even rotation, shared by the balanced method,
// re-planning, the quality report, the benchmarks and the tests. With N
// members present and 4n on n courts, B = N - 4n sit out each round. Every
// member has to play within any S + 1 rounds, so 4n(S + 1) >= B + 4n, and has
// to rest within any L + 1 rounds, so B(L + 1) >= N.

namespace pf {

// a / b rounded up, for a >= 0 and b > 0.
constexpr int ceilDiv(int a, int b) {
    return (a + b - 1) / b;
}

// The rounds in a row the even rotation has a member sit out at most; 0 when
// nobody sits out.
constexpr int sitOutBound(int members, int courts) {
    const int benched = members - 4 * courts;
    return benched > 0 ? ceilDiv(benched, 4 * courts) : 0;
}

// The rounds in a row the even rotation has a member play at most;
// `nobodyRests` when every member plays every round.
constexpr int playRunBound(int members, int courts, int nobodyRests) {
    const int benched = members - 4 * courts;
    return benched > 0 ? ceilDiv(members, benched) - 1 : nobodyRests;
}

} // namespace pf
