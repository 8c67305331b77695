#pragma once
// Names and match records for tests, written in readable UTF-8.

#include "app/session.h"
#include "app/text_codec.h"

#include <QString>

namespace pf::test {

// The Shift-JIS bytes of a name the tests write in UTF-8.
inline Name sjis(const char* utf8) {
    return encodeCp932(QString::fromUtf8(utf8)).value();
}

inline MatchRecord match(const Name& a, const Name& b, const Name& c, const Name& d, int winA,
                         int winB) {
    return MatchRecord{a, b, c, d, winA, winB};
}

} // namespace pf::test
