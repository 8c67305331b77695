#pragma once
// The text of the candidate editor, held as Shift-JIS bytes with CR LF line
// ends, and the clean-up it gets before it is written to pairforge.txt.

#include <QByteArray>

namespace pf {

// File bytes as the editor shows them: the text ends at the first NUL, and
// every line end (CR LF, a lone CR or a lone LF) becomes CR LF.
QByteArray normalizeLineEnds(const QByteArray& bytes);

// Removes the blank lines (exactly empty, then exactly one space, then exactly
// one ideographic space) and every later repeat of a line, keeping the first.
// A line is deleted together with the line break that follows it; deleting
// the last line of a text without a final line break leaves the break of the
// line above, so the result may end with CR LF. Nothing is trimmed.
QByteArray cleanCandidateText(const QByteArray& crlfText);

} // namespace pf
