#pragma once
// The candidate list file pairforge.txt: one Shift-JIS name a line.

#include "app/session.h"
#include "app/texts.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace pf {

inline constexpr char CandidateFileBaseName[] = "pairforge.txt";

// Lines of the text: CR LF, a lone CR or a lone LF end a line; the text ends at
// the end of the bytes or at the first NUL; a final line break gives no entry;
// an empty line inside gives an empty entry.
std::vector<Name> parseCandidateLines(const QByteArray& bytes);

struct CandidateFileText {
    QByteArray text;
    std::string error; // MsgReadFailed when the file is missing or unreadable
    bool ok() const { return error.empty(); }
};

CandidateFileText readCandidateFile(const QString& path);

} // namespace pf
