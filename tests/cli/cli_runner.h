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

// A run that has not ended after `timeoutMs` is killed and reported with
// exit code -1, "still running" on its standard error.
inline CliResult runCli(const QStringList& args, int timeoutMs = 60000) {
    QProcess p;
    p.start(QStringLiteral(PF_CLI_PATH), args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return {-1, p.readAllStandardOutput(), "still running"};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

} // namespace pf::test
