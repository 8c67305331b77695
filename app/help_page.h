#pragma once
// Where the help page "index.html" is: in the working directory, as it always
// was, else beside the program, else in the data folder of an installed
// program (<prefix>/share/pairforge beside <prefix>/bin), so that a program
// started from the desktop menu finds the page it was installed with.

#include <QString>

namespace pf {

inline constexpr char HelpPageName[] = "index.html";

// The absolute path of the first page found, empty when there is none.
QString locateHelpPage(const QString& workingDir, const QString& programDir);

} // namespace pf
