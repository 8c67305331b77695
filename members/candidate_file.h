#pragma once
// The candidate list file pairforge.txt: one Shift-JIS name a line.

#include "model/session.h"
#include "model/texts.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace pf {

inline constexpr char CandidateFileBaseName[] = "pairforge.txt";

// Lines of the text: CR LF, a lone CR or a lone LF end a line; the text ends at
// the end of the bytes or at the first NUL; a final line break gives no entry;
// an empty line inside gives an empty entry.
std::vector<Name> parseCandidateLines(const QByteArray& bytes);

// A club's list is a few dozen names; a thousand names of the longest kind
// is far beyond any, and a larger file is not a candidate list at all.
inline constexpr qint64 MaxCandidateFileBytes = 1000 * (static_cast<qint64>(MaxNameBytes) + 2);

struct CandidateFileText {
    QByteArray text;
    std::string error;     // MsgReadFailed when the file is missing or unreadable
    bool tooLarge = false; // longer than MaxCandidateFileBytes: not read at all
    bool ok() const { return error.empty(); }
};

// Reads no more than one byte beyond MaxCandidateFileBytes; a longer file is
// refused whole (error set, tooLarge), so it opens as an empty list.
CandidateFileText readCandidateFile(const QString& path);

} // namespace pf
