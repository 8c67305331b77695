#pragma once
// A played day for the paper tests: `members` members on `courts` courts, the
// playing four of each round taken in turn so nobody is on two courts at
// once, some matches with their games.

#include "model/session.h"
#include "sjis.h"

#include <QString>
#include <vector>

namespace pf::test {

// Names of at most 255 Shift-JIS bytes; `longNames` makes the first three
// exactly 255 bytes long.
inline std::vector<Name> paperNames(int members, bool longNames) {
    std::vector<Name> names;
    for (int i = 0; i < members; ++i) {
        if (longNames && i < 3)
            names.push_back(sjis(QString(127, QChar(0x3042 + i)) + QChar(u'a' + i)));
        else
            names.push_back(sjis(QStringLiteral("会員%1 テニス").arg(i + 1)));
    }
    return names;
}

struct TestDay {
    MemberRoster roster{};
    MatchTable matches{};
};

// Every `scoredEvery`-th match has a result (0: none).
inline TestDay paperTestDay(int members, int courts, bool longNames, int scoredEvery) {
    TestDay day;
    const std::vector<Name> names = paperNames(members, longNames);
    for (std::size_t i = 0; i < names.size(); ++i)
        day.roster[i] = names[i];
    for (int s = 0; s < MaxMatches; ++s) {
        const int round = s / courts;
        const int court = s % courts;
        auto at = [&](int k) {
            return names[static_cast<std::size_t>((round * 3 + court * 4 + k) % members)];
        };
        MatchRecord& r = day.matches[static_cast<std::size_t>(s)];
        r = {at(0), at(1), at(2), at(3), 0, 0};
        if (scoredEvery > 0 && s % scoredEvery == 0) {
            r.WinA = 6;
            r.WinB = s % 6;
        }
    }
    return day;
}

} // namespace pf::test
