#pragma once
// The court count of every data file this program saved or opened, kept with
// the settings ("CourtCounts" in the "CONFIG" group, beside the recent files):
// the file itself does not hold it, and the rounds of a table often fit more
// than one count.

#include <QSettings>
#include <QString>
#include <optional>

namespace pf {

// How many files are remembered; the oldest is forgotten first.
inline constexpr int MaxKnownCourtFiles = 200;

// The key of a file: its canonical path (links resolved) when it exists, else
// its absolute path.
QString courtFileKey(const QString& path);

// The count last used with `path`; nullopt for a file never seen, or a stored
// value that is not 1 to 3.
std::optional<int> knownCourtCount(QSettings& store, const QString& path);
void rememberCourtCount(QSettings& store, const QString& path, int courts);

} // namespace pf
