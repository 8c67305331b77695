#pragma once
// Drives a real run of the program from a script, for the tests that start it
// as a child process: pairforge-scripted, the program's own start-up with this
// runner, reads the script the environment variable PAIRFORGE_TEST_SCRIPT
// names. The shipped program knows nothing of it. One action a line, UTF-8:
//
//   answer yes|no|ok|cancel   queued answer for the next message box
//   file PATH                 queued choice for the next file dialog
//   trigger NAME              triggers the menu action of that objectName
//   step NAME +1|-1           one click on the arrows of that objectName
//   dump PATH                 writes the caption, the court count, the
//                             unsaved mark, every question asked so far and
//                             the pairing's data file bytes to PATH
//
// Answers and file choices are installed before start-up asks anything; the
// actions run, in order, after start-up's own questions.

#include <QString>
#include <QStringList>

namespace pf {

class TForm1;

inline constexpr char TestScriptVariable[] = "PAIRFORGE_TEST_SCRIPT";

// The script's lines, or empty when the variable is not set; installs the
// prompts that answer from it.
QStringList loadTestScript();

// Runs the actions among `lines` against the main window.
void runTestScript(TForm1& window, const QStringList& lines);

} // namespace pf
