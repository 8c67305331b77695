#include "pairing/generation.h"

#include "model/name_rules.h"
#include "pairing/ruled_day.h"

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

namespace {

// Everything of a new pairing but the filling itself.
RosterCheck OpenPairing(Session& session) {
    RosterCheck check = checkRoster(session.Roster, session.CourtCount);
    session.Participants = check.participants;
    if (!check.ok())
        return check;
    for (auto& m : session.Matches) {
        m.WinA = 0;
        m.WinB = 0;
    }
    session.PairingOpen = true;
    return check;
}

} // namespace

RosterCheck GeneratePairing(Session& session, Generators& generators, int dayRounds) {
    RosterCheck check = OpenPairing(session);
    if (check.ok())
        generators.generate(pairingMethodFromSetting(session.GenerationMethod),
                            session.Participants, session.CourtCount, session.Matches, dayRounds);
    if (check.ok())
        session.markModified();
    return check;
}

RosterCheck generateRuledPairing(Session& session, const FactsFor& factsFor, const DayRules& rules,
                                 std::uint32_t seed, int dayRounds) {
    RosterCheck check = checkRoster(session.Roster, session.CourtCount);
    if (!check.ok()) {
        session.Participants = check.participants;
        return check;
    }
    MatchTable table{};
    BalancedOptions options;
    options.seed = seed;
    if (dayRounds > 0)
        options.endMatch = std::min(dayRounds * session.CourtCount, MaxMatches);
    std::string note;
    if (std::string refusal =
            generateRuledDay(check.participants, session.CourtCount, 0, nullptr,
                             factsFor(check.participants), rules, options, table, &note);
        !refusal.empty()) {
        session.Participants = check.participants;
        check.error = std::move(refusal);
        return check;
    }
    check = OpenPairing(session);
    check.note = std::move(note);
    session.Matches = table;
    session.markModified();
    return check;
}

namespace {

void EmptyPairing(Session& session) {
    clearMatches(session.Matches);
    session.FileName.clear();
    session.HtmlFileName.clear();
    session.PairingOpen = false;
}

} // namespace

void closePairing(Session& session, Generators& generators) {
    EmptyPairing(session);
    generators.forget();
    session.markSaved();
}

} // namespace pf
