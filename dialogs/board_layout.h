#pragma once
// Where everything on the court board goes, for a screen of any size and
// shape: the drawn courts with their match numbers, counts and names, and
// the panel with the next round and who sits out. A pure function of the
// size and the content, so the board only paints what it is given.
//
// Names on the courts are at least a twentieth of the screen height, to be
// read from the far side of the courts. A name is drawn smaller only when it
// would not fit at the common size, and a name too long even for the
// smallest size ends in "…". Every text fits the rectangle it is given, as
// the measure says, and no two rectangles overlap.

#include "dialogs/board_content.h"

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

enum class BoardRole { MatchNumber, Score, Name, Heading, NextMatch, Sitters };

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
    std::vector<BoardText> texts;
    int namePixels = 0; // the common size of the names on the courts
};

BoardLayout layoutBoard(QSize size, const BoardContent& content, const TextMeasure& measure);

// The smallest size of a name that fits its place, a twentieth of `height`.
int minimumNamePixels(int height);

} // namespace pf
