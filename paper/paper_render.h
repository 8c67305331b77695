#pragma once
// The sheets drawn: the face they are printed in, its measure for the page
// layout, the painting of a laid-out page on any paint device (a PDF, a
// printer, the print preview) and a whole document as PDF bytes.

#include "paper/paper_layout.h"

#include <QByteArray>
#include <QFont>
#include <QHash>
#include <QPageSize>
#include <memory>

class QPainter;

namespace pf {

// Noto Sans CJK JP where it is installed, else the Japanese Gothic faces of
// Windows (Yu Gothic, Meiryo, MS Gothic).
QFont paperFont(bool bold);

// The sheet of paper that a choice of size names (B4 is the Japanese one).
QPageSize pageSizeOf(PaperSize size);

// Widths in paperFont, unhinted so that they scale with the size.
class PaperFontMeasure : public PaperMeasure {
public:
    PaperFontMeasure();
    ~PaperFontMeasure() override;
    double width(const QString& text, double points, bool bold) const override;

private:
    struct Metrics;
    std::unique_ptr<Metrics> metrics_;
};

// Paints page `index` of `doc` with `painter` on a device of `dotsPerPoint`
// device units per point, the sheet's top left corner at the origin.
void paintPaperPage(QPainter& painter, const PaperDocument& doc, int index, double dotsPerPoint);

// The whole document as a PDF with the fonts embedded, its text extractable.
// Empty when the PDF could not be made.
QByteArray paperPdf(const PaperDocument& doc, const PaperSetup& setup);

// Lays out and renders in one step, measuring with paperFont.
QByteArray paperPdf(PaperDoc which, const PaperDay& day, const PaperSetup& setup);

// A font maps some code points to the same glyph (a Kangxi radical and its
// ideograph, "‧" and "・", a tab and a space); a PDF's text map then gives
// the lowest of them for every glyph. Returns, for the characters of
// `used`, the code point the map would give in their place and the
// character itself.
QHash<char16_t, char16_t> glyphAliases(const QFont& font, const QString& used);
// Rewrites, in place and at the same length, the text maps (ToUnicode
// CMaps) of `pdf` so that each alias reads as the character meant.
void fixPdfTextMaps(QByteArray& pdf, const QHash<char16_t, char16_t>& aliases);

} // namespace pf
