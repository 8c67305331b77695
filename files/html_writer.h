#pragma once
// The HTML page of the standings and the match list, Shift-JIS, CR LF.
// Member names, the standings cells and the colour texts are written with
// & < > " escaped, so a name can never put markup or script into a page that
// is posted for the whole club; any other text is written exactly as held.

#include "files/html_options.h"
#include "model/session.h"
#include "standings/standings.h"

#include <QByteArray>
#include <QString>

namespace pf {

// `standings` is the table just computed by ComputeStandings with the same
// rankingMethod (0: rule 1, eleven columns; otherwise rule 2, six columns);
// its headings and cells are printed as they are.
QByteArray htmlPageBytes(const MatchTable& matches, const StandingsTable& standings,
                         int rankingMethod, const HtmlOptions& options);

// The texts with & < > " replaced by their entities. Byte-wise replacement is
// safe in Shift-JIS: no trail byte of a double-byte character is below 0x40.
std::string htmlEscaped(const std::string& text);

} // namespace pf
