// The real program, killed: a change made in one run is offered back by the
// next. Both runs are child processes with a home of their own, the program's
// own start-up driven by the script runner (pairforge-scripted), so the
// user's data is never touched.

#include "files/pairing_file.h"
#include "files/recovery_file.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

namespace pf {
namespace {

class KilledProgram : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (const char* sub : {"home", "data", "config", "run"})
            QDir(dir.path()).mkpath(QString::fromLatin1(sub));
#ifdef Q_OS_WIN
        // Windows gives a program its application data folder whatever the
        // environment says: the runs use the user's own, so the test goes on
        // only where that holds no copy of the user's, and leaves none behind.
        QCoreApplication::setOrganizationName(QStringLiteral("Sorvanta"));
        QCoreApplication::setApplicationName(QStringLiteral("PAIRFORGE"));
        recoveryFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (!copies().isEmpty())
            GTEST_SKIP() << "the user's own recovery copies are in "
                         << recoveryFolder.toStdString();
#else
        recoveryFolder = dir.filePath(QStringLiteral("data/Sorvanta/PAIRFORGE"));
#endif
    }

    void startProgram(QProcess& program, const QByteArray& script) {
        const QString scriptPath = dir.filePath(QStringLiteral("script.txt"));
        QFile f(scriptPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(script);
        f.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("PAIRFORGE_TEST_SCRIPT"), scriptPath);
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(dir.filePath(QStringLiteral("run")));
        program.setStandardOutputFile(QProcess::nullDevice());
        program.setStandardErrorFile(QProcess::nullDevice());
        program.start(QStringLiteral(PF_PROGRAM), {});
        ASSERT_TRUE(program.waitForStarted());
    }

    QStringList copies() const {
        return QDir(recoveryFolder).entryList({QStringLiteral("*.pfr")}, QDir::Files);
    }

    QTemporaryDir dir;
    QString recoveryFolder;
};

TEST_F(KilledProgram, OffersTheChangeMadeBeforeTheKillAtTheNextStart) {
    // A day's file with one result, opened and scored further in the first run.
    MemberRoster roster{};
    MatchTable matches{};
    for (int i = 0; i < 8; ++i)
        roster[static_cast<std::size_t>(i)] = "m" + std::to_string(i + 1);
    matches[0] = MatchRecord{"m1", "m2", "m3", "m4", 0, 0};
    matches[1] = MatchRecord{"m5", "m6", "m7", "m8", 3, 6};
    // Opened, the table is read as a day on two courts: three would put m1
    // on two courts at once.
    matches[2] = MatchRecord{"m1", "m2", "m3", "m4", 0, 0};
    const QString day = dir.filePath(QStringLiteral("day.pf1"));
    ASSERT_TRUE(writePairingFile(day, roster, matches));

    QProcess first;
    startProgram(first, "file " + day.toUtf8() +
                            "\ntrigger O1\nstep UpDown1 1\nstep UpDown1 1\nstep UpDown4 1\n");
    // Waits, without timing anything, for the copy to hold the change.
    RecoveryContent copy;
    const QDeadlineTimer patience(60000);
    while (!patience.hasExpired() && first.state() == QProcess::Running) {
        const QStringList found = copies();
        if (!found.isEmpty()) {
            copy = readRecoveryFile(QDir(recoveryFolder).filePath(found[0]));
            if (copy.ok() && copy.matches[1].WinB == 7)
                break;
        }
        QThread::msleep(100);
    }
    ASSERT_TRUE(copy.ok() && copy.matches[1].WinB == 7) << "no copy of the change appeared";
    first.kill(); // SIGKILL: nothing of the program's own runs
    ASSERT_TRUE(first.waitForFinished());
    ASSERT_EQ(first.exitStatus(), QProcess::CrashExit);
    ASSERT_EQ(copies().size(), 1);

    QProcess second;
    const QString dump = dir.filePath(QStringLiteral("dump.txt"));
    startProgram(second, "answer yes\ndump " + dump.toUtf8() + "\nanswer ok\ntrigger X1\n");
    ASSERT_TRUE(second.waitForFinished(60000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);

    QFile f(dump);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray out = f.readAll();
    const qsizetype data = out.indexOf(PairingFormatLine);
    ASSERT_GT(data, 0);
    EXPECT_EQ(out.left(data), QStringLiteral("ペアフォージ(PAIRFORGE) [ %1 ]*\n"
                                             "courts=2\nmodified=1\n"
                                             "asked=復元の確認|前回、保存されずに終了した組み合わせ"
                                             "があります。復元しますか？\n")
                                  .arg(day)
                                  .toUtf8());
    MatchTable expected = matches;
    expected[0].WinA = 2;
    expected[1].WinB = 7;
    EXPECT_EQ(out.mid(data), pairingFileBytes(roster, expected));
    // Exit with the loss confirmed: no copy is left for a third start.
    EXPECT_TRUE(copies().isEmpty());
}

} // namespace
} // namespace pf
