#pragma once
// Names and match records for tests, written in readable UTF-8.

#include "model/session.h"
#include "sjis.h"

#include <string>
#include <vector>

namespace pf::test {

inline MatchRecord match(const Name& a, const Name& b, const Name& c, const Name& d, int winA,
                         int winB) {
    return MatchRecord{a, b, c, d, winA, winB};
}

// `stem`1 … `stem`n: a roster of n different names.
inline std::vector<Name> numberedNames(int n, const std::string& stem = "m") {
    std::vector<Name> out;
    for (int i = 1; i <= n; ++i)
        out.push_back(stem + std::to_string(i));
    return out;
}

} // namespace pf::test
