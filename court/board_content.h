#pragma once
// What the court board shows for the round on show: the matches on the
// courts with their counts, the matches of the next round, and who sits out.
// Read from the session each time the board paints, so a count entered on
// the main window or on the court display is on the board at once.

#include "court/court_rounds.h"
#include "model/session.h"

#include <QString>
#include <QStringList>
#include <span>
#include <vector>

namespace pf {

// A count shown on the court display and not stored yet.
struct ShownCounts {
    int slot = 0;
    CourtCounts counts;
};

struct BoardMatch {
    int number = 0; // slot + 1
    QString a, b, c, d;
    int winA = 0;
    int winB = 0;

    // A match with a result: either pair has won games.
    bool finished() const { return winA != 0 || winB != 0; }

    friend bool operator==(const BoardMatch&, const BoardMatch&) = default;
};

struct BoardContent {
    std::vector<BoardMatch> courts; // the round on show, court 1 first
    std::vector<BoardMatch> next;   // empty after the last round
    QStringList sitters;            // in roster order
    int round = 1;                  // the round on show, from 1
    int rounds = 1;                 // up to the last round that holds a match
    QString clock;                  // the round clock as shown, e.g. "14:59"; empty for none

    friend bool operator==(const BoardContent&, const BoardContent&) = default;
};

// The rounds of the day: up to the last round with a name in it, so that a
// day planned shorter than the table ends there; a table without names
// counts all its rounds.
int roundsOfDay(const Session& session);

// `pending` overrides the stored counts of its slots.
BoardContent boardContent(const Session& session, std::span<const ShownCounts> pending = {});

} // namespace pf
