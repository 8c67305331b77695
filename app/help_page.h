#pragma once
// Where the help page "index.html" is: in the working directory first, so
// that a page kept with the club's files wins, else beside the program, else
// in the data folder of an installed program (<prefix>/share/pairforge beside
// <prefix>/bin), so that a program started from the desktop menu finds the
// page it was installed with.

#include <QString>
#include <QStringList>

namespace pf {

inline constexpr char HelpPageName[] = "index.html";

// The places looked in, in order, as absolute paths of the page.
QStringList helpPagePlaces(const QString& workingDir, const QString& programDir);
// The absolute path of the first page found, empty when there is none.
QString locateHelpPage(const QString& workingDir, const QString& programDir);

// What follows MsgCannotOpen when the page cannot be shown: the places
// looked in when there is no page (`page` empty), else the page that no
// browser would open.
QString helpPageFailure(const QString& page, const QStringList& places);

} // namespace pf
