#include "pairing/generation.h"

#include "members/name_rules.h"
#include "pairing/random_selection.h"

namespace pf {

RosterCheck checkRoster(const MemberRoster& roster, int courts) {
    RosterCheck result;
    result.participants = participantsOf(roster);
    const auto& p = result.participants;
    for (std::size_t i = 0; i < p.size(); ++i) {
        for (std::size_t j = i + 1; j < p.size(); ++j) {
            if (p[i] == p[j]) {
                result.error = MsgDuplicateMember;
                return result;
            }
        }
    }
    if (4 * courts > static_cast<int>(p.size())) {
        result.error = MsgTooFewMembers;
        return result;
    }
    for (const Name& name : p) {
        if (std::string error = checkMemberName(name); !error.empty()) {
            result.error = std::move(error);
            return result;
        }
    }
    return result;
}

RosterCheck GeneratePairing(Session& session, EntryList& entries, SequentialState& sequential) {
    RosterCheck check = checkRoster(session.Roster, session.CourtCount);
    session.Participants = check.participants;
    if (!check.ok())
        return check;
    const int courts = session.CourtCount;
    session.PageTop = 0;
    session.CourtCursor = 0;
    for (auto& m : session.Matches) {
        m.WinA = 0;
        m.WinB = 0;
    }
    session.PairingOpen = true;
    session.Modified = true;
    if (session.GenerationMethod != 0)
        GenerateSequential(sequential, session.Participants, courts, session.Matches);
    else
        generateRandomPairing(entries, session.Participants, courts, session.Matches);
    return check;
}

void closePairing(Session& session, EntryList& entries) {
    clearMatches(session.Matches);
    session.FileName.clear();
    session.HtmlFileName.clear();
    session.PageTop = 0;
    session.CourtCursor = 0;
    session.Modified = false;
    session.PairingOpen = false;
    entries.Clear();
}

} // namespace pf
