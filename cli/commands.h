#pragma once
// The command-line tool's commands. Each takes the arguments after its name
// and returns the exit status.

#include <QStringList>

namespace pf::cli {

int runGenerate(const QStringList& args);
int runStandings(const QStringList& args);
int runCsv(const QStringList& args);
int runHtml(const QStringList& args);
int runReport(const QStringList& args);
int runReplan(const QStringList& args);
// Needs a QGuiApplication (fonts and painting).
int runPdf(const QStringList& args);

} // namespace pf::cli
