#pragma once
// The CSV export of the match table: all 120 slots in order, Shift-JIS,
// CR LF, no header, names written as stored.
//   layout 0 (old): two lines per match, "a,b,WinA" then "c,d,WinB"
//   any other layout (new): one line per match, "a,b,WinA,c,d,WinB"

#include "model/session.h"
#include "model/status.h"

#include <QByteArray>
#include <QString>

namespace pf {

QByteArray csvFileBytes(const MatchTable& matches, int csvMode);

// Builds the whole file, then saves it by write-then-rename; false (and the
// earlier file untouched) when it cannot be written.
Status writeCsvFile(const QString& path, const MatchTable& matches, int csvMode);

} // namespace pf
