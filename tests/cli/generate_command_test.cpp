#include "cli_runner.h"

#include "files/pairing_file.h"
#include "sjis.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pf {
namespace {

using test::runCli;

class GenerateCommand : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString write(const char* name, const QByteArray& bytes) const {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    static QByteArray read(const QString& p) {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

// 山田, 佐藤, 鈴木, 田中 in Shift-JIS.
const QByteArray Yamada("\x8e\x52\x93\x63");
const QByteArray Sato("\x8d\xb2\x93\xa1");
const QByteArray Suzuki("\x97\xe9\x96\xd8");
const QByteArray Tanaka("\x93\x63\x92\x86");

TEST_F(GenerateCommand, WritesTheDataFileOfAWorkedExample) {
    // Seed 7 shuffles four members into the order 0, 1, 3, 2 (see the
    // sequential tests); the search then pairs (0,1)(2,3), (0,2)(1,3), (0,3)(1,2), (1,3)(0,2).
    const QString members =
        write("members.txt", Yamada + "\r\n" + Sato + "\r\n" + Suzuki + "\r\n" + Tanaka + "\r\n");
    const auto r =
        runCli({QStringLiteral("generate"), members, QStringLiteral("--courts"),
                QStringLiteral("1"), QStringLiteral("--method"), QStringLiteral("sequential"),
                QStringLiteral("--seed"), QStringLiteral("7")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QList<QByteArray> lines = r.out.split('\n');
    ASSERT_EQ(lines.size(), 222); // 221 lines, each ended by CR LF
    EXPECT_TRUE(lines.last().isEmpty());
    for (int i = 0; i < 221; ++i)
        ASSERT_TRUE(lines[i].endsWith('\r')) << i;
    EXPECT_EQ(lines[0], "PAIRFORGE Ver0.2 DATA FILE\r");
    EXPECT_EQ(lines[1], Yamada + "\r");
    EXPECT_EQ(lines[4], Tanaka + "\r");
    EXPECT_EQ(lines[5], "\r");
    EXPECT_EQ(lines[100], "\r");
    const QByteArray A = Yamada, B = Sato, C = Suzuki, D = Tanaka; // order A, B, D, C
    EXPECT_EQ(lines[101], A + "," + B + "," + D + "," + C + ",0,0\r");
    EXPECT_EQ(lines[102], A + "," + D + "," + B + "," + C + ",0,0\r");
    EXPECT_EQ(lines[103], A + "," + C + "," + B + "," + D + ",0,0\r");
    EXPECT_EQ(lines[104], B + "," + C + "," + A + "," + D + ",0,0\r");
}

TEST_F(GenerateCommand, OutputFileEqualsStandardOutputAndRepeatsWithTheSeed) {
    QByteArray text;
    for (int i = 1; i <= 13; ++i)
        text += "player" + QByteArray::number(i) + "\n"; // LF only
    const QString members = write("m.txt", text);
    for (const char* method : {"random", "sequential"}) {
        const QStringList args = {QStringLiteral("generate"), members,
                                  QStringLiteral("--courts"), QStringLiteral("3"),
                                  QStringLiteral("--method"), QString::fromLatin1(method),
                                  QStringLiteral("--seed"),   QStringLiteral("4294967295")};
        const auto toStdout = runCli(args);
        ASSERT_EQ(toStdout.exitCode, 0) << toStdout.err.toStdString();
        const auto again = runCli(args);
        EXPECT_EQ(toStdout.out, again.out);
        const QString out = path("out.pf1");
        const auto toFile = runCli(args + QStringList{QStringLiteral("-o"), out});
        ASSERT_EQ(toFile.exitCode, 0);
        EXPECT_TRUE(toFile.out.isEmpty());
        EXPECT_EQ(read(out), toStdout.out);
        const PairingFileContent back = parsePairingFile(toStdout.out);
        ASSERT_TRUE(back.ok());
        EXPECT_EQ(back.roster[12], "player13");
        for (const auto& m : back.matches)
            EXPECT_FALSE(m.a.empty() || m.d.empty() || m.hasScore());
    }
}

TEST_F(GenerateCommand, BalancedMethodFollowsTheSeed) {
    QByteArray text;
    for (int i = 1; i <= 13; ++i)
        text += "player" + QByteArray::number(i) + "\n";
    const QString members = write("m.txt", text);
    const auto run = [&](const char* seed) {
        return runCli({QStringLiteral("generate"), members, QStringLiteral("--courts"),
                       QStringLiteral("3"), QStringLiteral("--method"), QStringLiteral("balanced"),
                       QStringLiteral("--seed"), QString::fromLatin1(seed)});
    };
    const auto first = run("5");
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_EQ(run("5").out, first.out);
    EXPECT_NE(run("6").out, first.out);
    const PairingFileContent back = parsePairingFile(first.out);
    ASSERT_TRUE(back.ok());
    for (int r = 0; r < 40; ++r) {
        QSet<QByteArray> round;
        for (int j = 0; j < 3; ++j) {
            const MatchRecord& m = back.matches[static_cast<std::size_t>(3 * r + j)];
            for (const Name* x : {&m.a, &m.b, &m.c, &m.d})
                round.insert(QByteArray::fromStdString(*x));
        }
        EXPECT_EQ(round.size(), 12) << r;
    }
}

TEST_F(GenerateCommand, MembersFileLinesAndEncodings) {
    // CR, LF and CR LF all end lines; blank lines are skipped, not the end;
    // UTF-8 (here with its byte-order mark) becomes the program's Shift-JIS.
    const QString members = write("m.txt", "\xEF\xBB\xBF山田\rb\n\nc\r\n \r\nd\r\n");
    const auto r = runCli({QStringLiteral("generate"), members, QStringLiteral("--courts"),
                           QStringLiteral("1"), QStringLiteral("--seed"), QStringLiteral("1")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const PairingFileContent back = parsePairingFile(r.out);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(memberCount(back.roster), 4);
    EXPECT_EQ(back.roster[0], test::sjis("山田"));
    EXPECT_EQ(back.roster[3], "d");

    const auto forced = runCli({QStringLiteral("generate"), members, QStringLiteral("--encoding"),
                                QStringLiteral("latin1")});
    EXPECT_EQ(forced.exitCode, 2);
}

TEST_F(GenerateCommand, RefusalsExitWithOneAndLeaveTheOutputAlone) {
    const QString out = write("keep.pf1", "earlier file");
    const auto refuse = [&](const QByteArray& text, const char* message) {
        const QString members = write("r.txt", text);
        const auto r = runCli({QStringLiteral("generate"), members, QStringLiteral("--courts"),
                               QStringLiteral("2"), QStringLiteral("-o"), out});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(QString::fromUtf8(r.err).trimmed(), QString::fromUtf8(message));
        EXPECT_EQ(read(out), "earlier file");
    };
    refuse("a\nb\nc\nd\ne\nf\ng\na\n", "同じメンバー名は、登録出来ません。");
    refuse("a\nb\nc\nd\ne\nf\ng\n", "（４人×コート数）以上のメンバーを登録して下さい。");
    refuse("a\nb\nc\nd\ne\nf\ng\nh,i\n", "メンバー名「h,i」に半角カンマ(,)は使用出来ません。");
    QByteArray many;
    for (int i = 0; i < 101; ++i)
        many += "n" + QByteArray::number(i) + "\n";
    refuse(many, "メンバーは100人まで選択出来ます。");
    refuse("a\nb\nc\nd\ne\nf\ng\nh\n" + QByteArray(100000, 'x'),
           (std::string("メンバーファイルが大き過ぎます（38403バイトまで）。 (") +
            path("r.txt").toStdString() + ")")
               .c_str());
    refuse(QByteArray("a\nb\nc\nd\n\0e\n", 11), "メンバーファイルの5行目にNUL文字があります。");

    const auto missing = runCli({QStringLiteral("generate"), path("nope.txt")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(missing.err.isEmpty());
}

TEST_F(GenerateCommand, WrongArgumentsExitWithTwo) {
    const QString members = write("m.txt", "a\nb\nc\nd\n");
    const QList<QStringList> wrong = {
        {QStringLiteral("generate")},
        {QStringLiteral("generate"), members, QStringLiteral("--courts"), QStringLiteral("4")},
        {QStringLiteral("generate"), members, QStringLiteral("--courts"), QStringLiteral("0")},
        {QStringLiteral("generate"), members, QStringLiteral("--method"), QStringLiteral("best")},
        {QStringLiteral("generate"), members, QStringLiteral("--seed"), QStringLiteral("-1")},
        {QStringLiteral("generate"), members, QStringLiteral("--seed"),
         QStringLiteral("4294967296")},
        {QStringLiteral("generate"), members, QStringLiteral("--seed")},
        {QStringLiteral("generate"), members, members},
        {QStringLiteral("shuffle")},
        {},
    };
    for (const QStringList& args : wrong)
        EXPECT_EQ(runCli(args).exitCode, 2) << args.join(QLatin1Char(' ')).toStdString();
    const auto help = runCli({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("generate MEMBERS"));
}

// Eight members, four men and four women; 男1 and 女1 play as a fixed pair.
TEST_F(GenerateCommand, TheDaysRulesHoldOrTheDayIsRefusedWithTheReason) {
    const QString members =
        write("m.txt", test::sjisBytes("男1\r\n男2\r\n男3\r\n男4\r\n女1\r\n女2\r\n女3\r\n女4\r\n"));
    const QString facts = write("f.txt", test::sjisBytes("PAIRFORGE MEMBERS 1\r\n"
                                                         "男1,男,1,女1\r\n男2,男,2\r\n"
                                                         "男3,男,3\r\n男4,男,4\r\n"
                                                         "女1,女,1,男1\r\n女2,女,2\r\n"
                                                         "女3,女,3\r\n女4,女,4\r\n"));
    const QString day = path("day.pf1");
    const auto made = runCli({"generate", members, "--courts", "1", "--method", "balanced",
                              "--seed", "3", "--facts", facts, "--mixed", "-o", day});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const auto report = runCli({"report", day, "--courts", "1", "--facts", facts, "--mixed"});
    EXPECT_TRUE(report.out.contains("rule_breaks\t0\t0\n")) << report.out.toStdString();
    EXPECT_TRUE(report.out.contains("fixed_pairs_kept\t1\t1\n"));

    // Two courts: all eight play every round. The rules are the balanced
    // method's alone; a day the rules rule out is refused with the reason.
    const auto twoCourts = runCli({"generate", members, "--courts", "2", "--method", "balanced",
                                   "--facts", facts, "--mixed", "-o", day});
    EXPECT_EQ(twoCourts.exitCode, 0) << twoCourts.err.toStdString();
    const auto sequential = runCli({"generate", members, "--facts", facts, "-o", day});
    EXPECT_EQ(sequential.exitCode, 2);
    EXPECT_TRUE(sequential.err.contains("--facts needs --method balanced"));
    const QString short3 = write("s.txt", test::sjisBytes("PAIRFORGE MEMBERS 1\r\n女4,男\r\n"));
    const auto refused = runCli({"generate", members, "--courts", "2", "--method", "balanced",
                                 "--facts", short3, "--mixed", "-o", day});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(refused.err).contains(QStringLiteral("性別が未設定")))
        << refused.err.toStdString();
}

} // namespace
} // namespace pf
