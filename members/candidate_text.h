#pragma once
// The text of the candidate editor, held as Shift-JIS bytes with CR LF line
// ends, and the clean-up it gets before it is written to pairforge.txt.

#include <QByteArray>
#include <QStringList>
#include <optional>

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

// The editor's lines (without line ends) as CR LF-joined code page 932 bytes.
// A line whose text is that of a line of `readText` (the text as loaded, line
// ends normalised) is written as the very bytes it was read from: code page
// 932 has several byte forms for some characters, and a name must keep the
// form it has in the earlier data files to stay the same name. Lines with the
// same text take the forms they were read in, in order. Other lines are
// encoded; nullopt (and the line in *badLine) when one cannot be.
std::optional<QByteArray> encodeCandidateLines(const QStringList& lines, const QByteArray& readText,
                                               int* badLine);

} // namespace pf
