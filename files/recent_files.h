#pragma once
// The last data files opened or saved, newest first, offered under the file
// menu and kept with the settings ("RecentFiles" in the "CONFIG" group,
// beside the three values the settings dialog owns).

#include <QSettings>
#include <QStringList>

namespace pf {

inline constexpr int MaxRecentFiles = 4;

// `path` moved (or added) to the front; the same file is listed once, and no
// more than MaxRecentFiles are kept.
QStringList withRecentFile(QStringList list, const QString& path);
QStringList withoutRecentFile(QStringList list, const QString& path);

// Missing or damaged values give an empty list; empty entries are dropped.
QStringList loadRecentFiles(QSettings& store);
void saveRecentFiles(QSettings& store, const QStringList& list);

} // namespace pf
