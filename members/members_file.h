#pragma once
// A members file handed to the command-line tool's generate and replan
// commands: one name a line, read as today's participants in its order.
// Shift-JIS like every other file of the program, but a file written by a
// UTF-8 editor is recognised and converted rather than taken as garbled names.

#include "model/session.h"
#include "model/texts.h"

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

namespace pf {

// Room for 100 names of 255 Shift-JIS bytes each with their line ends, the
// same names in UTF-8 (up to three bytes where Shift-JIS takes two) and a
// byte-order mark. A longer file is refused whole: blank lines are skipped,
// so cutting it short could silently drop the names at its end.
inline constexpr qint64 MaxMembersFileBytes =
    static_cast<qint64>(MaxMembers) * (MaxNameBytes * 3 / 2 + 2) + 3;

enum class MembersEncoding {
    Detect,   // UTF-8 when the file starts with its byte-order mark, or when it
              // is valid UTF-8 and not plain ASCII; Shift-JIS otherwise
    ShiftJis, // as the program writes every file
    Utf8,
};

struct MembersFileContent {
    std::string error; // UTF-8 message; empty on success
    MemberRoster roster{};
    std::vector<Name> names; // the same names, Shift-JIS, in file order
    bool ok() const { return error.empty(); }
};

// Lines end with CR LF, a lone CR or a lone LF; blank lines (nothing but
// spaces) are skipped. A NUL byte is refused with its line number, as are
// more than 100 names and, in UTF-8, a name Shift-JIS cannot hold. The names
// themselves are checked with the roster before generation.
MembersFileContent parseMembersFile(const QByteArray& bytes,
                                    MembersEncoding encoding = MembersEncoding::Detect);
MembersFileContent readMembersFile(const QString& path,
                                   MembersEncoding encoding = MembersEncoding::Detect);

} // namespace pf
