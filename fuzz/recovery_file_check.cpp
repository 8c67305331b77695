#include "fuzz/fuzz_checks.h"

#include "files/pairing_file.h"
#include "files/recovery_file.h"

namespace pf::fuzz {

bool checkRecoveryFile(const QByteArray& bytes) {
    const RecoveryContent first = parseRecoveryFile(bytes);
    if (!first.ok())
        return first.error == MsgBadContent;
    if (first.courts < MinCourts || first.courts > MaxCourts)
        return false;
    Session session;
    session.CourtCount = first.courts;
    session.FileName = first.fileName;
    session.Roster = first.roster;
    session.Matches = first.matches;
    const QByteArray written = recoveryFileBytes(session);
    const RecoveryContent second = parseRecoveryFile(written);
    return second.ok() && second.courts == first.courts && second.fileName == first.fileName &&
           second.roster == first.roster && second.matches == first.matches;
}

} // namespace pf::fuzz
