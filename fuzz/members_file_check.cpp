#include "fuzz/fuzz_checks.h"

#include "files/pairing_file.h"
#include "members/members_file.h"
#include "pairing/generation.h"
#include "pairing/random_source.h"

#include <set>

namespace pf::fuzz {

bool checkMembersFile(const QByteArray& bytes) {
    const MembersFileContent members = parseMembersFile(bytes);
    if (!members.ok()) // refused whole: nothing half-read is handed on
        return members.names.empty() && members.roster == MemberRoster{};

    // The random method: the sequential one may search for long on some
    // rosters, which would only slow the fuzzer down, and both share the
    // checks and the writer that matter here.
    Session session;
    session.Roster = members.roster;
    session.CourtCount = 1 + static_cast<int>(bytes.size() % 3);
    session.GenerationMethod = 0;
    static Generators generators;
    generators.forget(); // as closing the pairing does before every new one
    processRandom().seed(static_cast<std::uint32_t>(bytes.size()));
    const RosterCheck check = GeneratePairing(session, generators);
    if (!check.ok())
        return true;

    const std::set<Name> roster(check.participants.begin(), check.participants.end());
    const auto courts = static_cast<std::size_t>(session.CourtCount);
    for (std::size_t round = 0; round < MaxMatches / courts; ++round) {
        std::set<Name> seen;
        for (std::size_t m = 0; m < courts; ++m) {
            const MatchRecord& r = session.Matches[round * courts + m];
            for (const Name* x : {&r.a, &r.b, &r.c, &r.d})
                if (!roster.count(*x) || !seen.insert(*x).second)
                    return false;
        }
    }
    const PairingFileContent back =
        parsePairingFile(pairingFileBytes(session.Roster, session.Matches));
    return back.ok() && back.roster == session.Roster && back.matches == session.Matches;
}

} // namespace pf::fuzz
