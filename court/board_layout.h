#pragma once
// Where everything on the court board goes, for a screen of any size and
// shape: the drawn courts with their match numbers, counts and names, and
// the panel with the next round and who sits out. A pure function of the
// size and the content, so the board only paints what it is given.
//
// Along the top, the round ("第5回 / 全40回") and the round clock, large.
// Names on the courts are at least a twentieth of the screen height, to be
// read from the far side of the courts. A name too long for its place at the
// common size goes onto two lines first, and only then is drawn smaller; one
// too long even for two lines at the smallest size ends in "…". No text is
// smaller than a fortieth of the screen height. Every text fits the
// rectangle it is given, as the measure says, and no two rectangles overlap.

#include "court/board_content.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

namespace pf {

// Text sizes in the font the board paints with (the window's business).
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int width(const QString& text, int pixels, bool bold) const = 0;
    virtual int height(int pixels, bool bold) const = 0;
};

enum class BoardRole {
    MatchNumber,
    Score,
    Name,
    Heading,
    NextMatch,
    Sitters,
    Court,    // "コート1" above each court
    Finished, // the mark beside the counts of a match with a result
    Round,    // "第5回 / 全40回"
    Clock     // the round clock
};

struct BoardText {
    BoardRole role = BoardRole::Name;
    QRect rect;
    QString text;
    int pixels = 0;
    bool bold = false;
    Qt::Alignment align = Qt::AlignCenter;
};

struct BoardLayout {
    std::vector<QRect> courts; // court 1 first
    QRect panel;               // next round and who sits out
    QRect bar;                 // the round and the clock, along the top
    std::vector<BoardText> texts;
    int namePixels = 0; // the common size of the names on the courts
};

BoardLayout layoutBoard(QSize size, const BoardContent& content, const TextMeasure& measure);

// The smallest size of a name that fits its place, a twentieth of `height`.
int minimumNamePixels(int height);
// The smallest size of any text on the board, a fortieth of `height`.
int minimumTextPixels(int height);

} // namespace pf
