#pragma once
// A members file handed to the command-line tool's generate command: the
// candidate list's format, read as today's participants in its order.

#include "app/session.h"
#include "app/texts.h"

#include <QByteArray>
#include <QString>
#include <string>

namespace pf {

// The longest file of 100 names of 255 bytes each with their line ends; no
// more than one byte beyond it is ever read.
inline constexpr qint64 MaxMembersFileBytes = static_cast<qint64>(MaxMembers) * (MaxNameBytes + 2);

struct MembersFileContent {
    std::string error; // UTF-8 message; empty on success
    MemberRoster roster{};
    bool ok() const { return error.empty(); }
};

// More than 100 lines are refused; the names themselves are checked with the
// roster before generation. A file longer than MaxMembersFileBytes is read
// only that far: its last line is then longer than a name may be, or there
// are more than 100 lines, so it is refused all the same.
MembersFileContent parseMembersFile(const QByteArray& bytes);
MembersFileContent readMembersFile(const QString& path);

} // namespace pf
