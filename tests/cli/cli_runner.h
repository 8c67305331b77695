#pragma once
// Runs pairforge-cli and collects what it printed.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace pf::test {

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline CliResult runCli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(PF_CLI_PATH), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

} // namespace pf::test
