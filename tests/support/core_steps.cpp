#include "core_steps.h"

#include "files/atomic_save.h"
#include "files/html_writer.h"

namespace pf {

Status writeCsvFile(const QString& path, const MatchTable& matches, int csvMode) {
    return saveFileAtomically(path, csvFileBytes(matches, csvLayoutFromSetting(csvMode)));
}

Status writeHtmlFile(const QString& path, const MatchTable& matches,
                     const StandingsTable& standings, int rankingMethod,
                     const HtmlOptions& options) {
    return saveFileAtomically(path, htmlPageBytes(matches, standings, rankingMethod, options));
}

ReplanResult replanPairing(Session& session, const ReplanRequest& request) {
    ReplanResult result = planReplan(session.Roster, session.Matches, request);
    if (!result.ok())
        return result;
    session.Roster = result.roster;
    session.Matches = result.matches;
    session.CourtCount = request.courts;
    session.Participants = result.present;
    session.PageTop = ((request.firstMatch - 1) / MatchesPerPage) * MatchesPerPage;
    session.CourtCursor = request.firstMatch - 1;
    session.markModified();
    return result;
}

} // namespace pf
