#pragma once
// Names and match records for tests, written in readable UTF-8.

#include "app/session.h"
#include "sjis.h"

namespace pf::test {

inline MatchRecord match(const Name& a, const Name& b, const Name& c, const Name& d, int winA,
                         int winB) {
    return MatchRecord{a, b, c, d, winA, winB};
}

} // namespace pf::test
