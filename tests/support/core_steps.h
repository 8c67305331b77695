#pragma once
// What the windows do in several steps (build the bytes, save them; plan a
// re-plan, put it into the session), done in one for the tests of the core.

#include "files/csv_writer.h"
#include "files/html_options.h"
#include "model/session.h"
#include "model/status.h"
#include "pairing/replan.h"
#include "standings/standings.h"

#include <QString>

namespace pf {

// The export built whole, then saved by write-then-rename; on failure the
// earlier file stays untouched.
Status writeCsvFile(const QString& path, const MatchTable& matches, int csvMode);
Status writeHtmlFile(const QString& path, const MatchTable& matches,
                     const StandingsTable& standings, int rankingMethod,
                     const HtmlOptions& options);

// Plans and, when accepted, puts the result into `session` (roster, table,
// court count, participants), on the page and round of K, marked modified. On
// a refusal the session is left exactly as it was.
ReplanResult replanPairing(Session& session, const ReplanRequest& request);

} // namespace pf
