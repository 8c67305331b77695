#include "court/board_content.h"

#include "model/text_codec.h"

#include <algorithm>

namespace pf {
namespace {

BoardMatch matchAt(const Session& session, int slot, std::span<const ShownCounts> pending) {
    const MatchRecord& m = session.Matches[static_cast<std::size_t>(slot)];
    BoardMatch b{
        slot + 1, decodeCp932(m.a), decodeCp932(m.b), decodeCp932(m.c), decodeCp932(m.d), m.WinA,
        m.WinB};
    for (const ShownCounts& p : pending) {
        if (p.slot == slot) {
            b.winA = p.counts.winA;
            b.winB = p.counts.winB;
        }
    }
    return b;
}

bool holdsNames(const MatchRecord& m) {
    return !m.a.empty() || !m.b.empty() || !m.c.empty() || !m.d.empty();
}

} // namespace

int roundsOfDay(const Session& session) {
    const int n = shownCourts(session);
    for (int slot = MaxMatches - 1; slot >= 0; --slot)
        if (holdsNames(session.Matches[static_cast<std::size_t>(slot)]))
            return slot / n + 1;
    return MaxMatches / n;
}

BoardContent boardContent(const Session& session, std::span<const ShownCounts> pending) {
    BoardContent content;
    const int n = shownCourts(session);
    const int p = roundStart(session);
    std::vector<const Name*> playing;
    for (int k = 0; k < n; ++k) {
        content.courts.push_back(matchAt(session, p + k, pending));
        const MatchRecord& m = session.Matches[static_cast<std::size_t>(p + k)];
        for (const Name* name : {&m.a, &m.b, &m.c, &m.d})
            playing.push_back(name);
    }
    content.round = p / n + 1;
    content.rounds = std::max(content.round, roundsOfDay(session));
    // A next round without names is past the end of the day.
    if (content.round < content.rounds) {
        for (int k = 0; k < n; ++k)
            content.next.push_back(matchAt(session, p + n + k, pending));
    }
    // Names are compared as stored, byte for byte.
    for (const Name& member : participantsOf(session.Roster)) {
        const bool plays = std::any_of(playing.begin(), playing.end(),
                                       [&member](const Name* name) { return *name == member; });
        if (!plays)
            content.sitters << decodeCp932(member);
    }
    return content;
}

} // namespace pf
