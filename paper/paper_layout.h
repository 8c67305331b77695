#pragma once
// The day on paper: the schedule, each member's own list, the score slips and
// the standings, cut into pages of a chosen paper. A pure function of the day,
// the paper and a text measure, so the pages are computed (and tested)
// without a printer, and whatever draws them only paints what it is given.
//
// Lengths are in points (1/72 inch) from the top left corner of the sheet.
// Names are never cut: a text that does not fit its place is set smaller,
// down to a floor, and wrapped onto more lines only when even the floor is
// too wide. Every text fits its rectangle as the measure says, and no text
// overlaps another text or a box for writing in.

#include "model/session.h"

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace pf {

enum class PaperDoc { Schedule, Members, Slips, Standings };
enum class PaperSize { A4, A3, B4, Letter }; // B4 is the Japanese (JIS) size

struct PaperSetup {
    PaperSize size = PaperSize::A4;
    bool landscape = false;
    QString title; // the header's first line
    QString date;  // as it is to be printed
};

// Text widths in the face the sheets are printed in (the painter's business).
class PaperMeasure {
public:
    virtual ~PaperMeasure() = default;
    virtual double width(const QString& text, double points, bool bold) const = 0;
};

// The sheet's size in points, turned for landscape.
QSizeF paperPoints(PaperSize size, bool landscape);
// "A4", "A3", "B4", "Letter" and back; nullopt for anything else.
QString paperName(PaperSize size);
std::optional<PaperSize> paperFromName(const QString& name);
// "schedule", "members", "slips", "standings" and back.
QString docKey(PaperDoc doc);
std::optional<PaperDoc> docFromKey(const QString& key);
// The document's name as printed: 組合せ表, 個人別の予定, スコアカード, 成績表.
QString docTitle(PaperDoc doc);

// Everything is kept this far from the sheet's edges, which most printers
// reach.
inline constexpr double PaperMarginPoints = 28.35; // 10 mm
// A line of text takes this many times its size in height.
inline constexpr double PaperLineFactor = 1.2;

enum class PaperItemKind {
    Text,    // one line of text, fitted to its rectangle
    Box,     // a box to write the games in (or holding them)
    Frame,   // a table cell's border
    CutLine, // a dashed line to cut along
};

struct PaperItem {
    PaperItemKind kind = PaperItemKind::Text;
    QRectF rect;
    QString text;
    double points = 0;
    bool bold = false;
    Qt::Alignment align = Qt::AlignLeft; // horizontally
    int match = 0;                       // the match (1 … 120) whose own mark this is, else 0
};

struct PaperPage {
    std::vector<PaperItem> items;
};

struct PaperDocument {
    QSizeF sheet;
    QRectF printable; // the sheet less the margins
    std::vector<PaperPage> pages;
};

// The day as the sheets show it, decoded for printing.
struct PaperMatch {
    int number = 0; // 1 … 120
    int round = 0;  // from 1
    int court = 0;  // from 1
    QString a, b, c, d;
    int winA = 0;
    int winB = 0;
    bool hasScore() const { return winA != 0 || winB != 0; }
};

struct PaperRound {
    int number = 0;
    std::vector<PaperMatch> matches; // court 1 first; empty slots left out
    QStringList sitters;             // members not on a court this round
};

struct PaperDay {
    int courts = 1;
    QStringList members; // the roster, then anybody else the table names
    std::vector<PaperRound> rounds;
    int rankingMethod = 0;
    QStringList standingsHeadings; // the standings window's columns
    std::vector<QStringList> standingsRows;
};

// `courts` splits the table into rounds.
PaperDay paperDay(const MemberRoster& roster, const MatchTable& matches, int courts,
                  int rankingMethod);

PaperDocument layoutPaper(PaperDoc doc, const PaperDay& day, const PaperSetup& setup,
                          const PaperMeasure& measure);

// The text a line is broken into so that each piece fits `width` at
// `points`: breaks after "、", "・" or a space where it can, inside a word
// only where a word alone is too wide.
QStringList wrapText(const QString& text, double width, double points, bool bold,
                     const PaperMeasure& measure);

} // namespace pf
