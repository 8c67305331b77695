#pragma once
// Which round of the schedule the courts show: session.CourtCursor, the slot
// on the first court, moved a whole round at a time. The court display and the
// court board both step through these functions, so whichever the organiser
// used last, the other one opens at the same round.
//
//     const int p = settleRound(session);   // on opening
//     stepRound(session, +1);               // 次＞, → or Space on the board
//     storeRoundCounts(session, p, counts); // the display's boxes, court by court

#include "model/session.h"

#include <span>

namespace pf {

// The court count the windows lay out for. The up-down keeps it within 1 … 3;
// anything else can only come from a damaged state and is brought into that
// range rather than reaching past the drawn courts.
int shownCourts(const Session& session);

// The first slot of the round on show: the cursor brought to the start of a
// whole round inside the table. Reads only.
int roundStart(const Session& session);

// Writes roundStart() back into the cursor and returns it.
int settleRound(Session& session);

bool hasPreviousRound(const Session& session);
bool hasNextRound(const Session& session);

// Moves by `rounds` whole rounds (negative: back), stopping at the first and
// the last round. True when the round on show changed.
bool stepRound(Session& session, int rounds);

// The counts of one court as shown on a window.
struct CourtCounts {
    int winA = 0;
    int winB = 0;
};

// Stores the counts of court k into slot `first` + k, for the courts in use;
// `first` is the round the counts were shown for, which a window that lets
// the round move under it must remember. Slots past the table are ignored.
void storeRoundCounts(Session& session, int first, std::span<const CourtCounts> counts);

} // namespace pf
