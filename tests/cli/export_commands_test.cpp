// pairforge-cli standings, csv and html on a small scored day whose expected
// outputs were worked out by hand (tests/data/cli).

#include "cli_runner.h"
#include "special_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pf {
namespace {

using test::runCli;

const QString Day = QStringLiteral(PF_TEST_DATA_DIR "/cli/day.pf1");

QByteArray golden(const char* name) {
    QFile f(QStringLiteral(PF_TEST_DATA_DIR "/cli/") + QString::fromLatin1(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void expectOutput(const QStringList& args, const char* goldenName) {
    const auto r = runCli(args);
    EXPECT_EQ(r.exitCode, 0) << args.join(' ').toStdString() << "\n" << r.err.toStdString();
    EXPECT_EQ(r.out, golden(goldenName)) << args.join(' ').toStdString();
    EXPECT_TRUE(r.err.isEmpty());
}

TEST(StandingsCommand, PrintsTheTableAsTabSeparatedUtf8) {
    expectOutput({"standings", Day}, "day_standings_rule1.tsv");
    expectOutput({"standings", Day, "--rule", "1"}, "day_standings_rule1.tsv");
    expectOutput({"standings", Day, "--rule", "2"}, "day_standings_rule2.tsv");
    expectOutput({"standings", "--rule=2", Day}, "day_standings_rule2.tsv");
    expectOutput({"standings", Day, "--min-matches", "0"}, "day_standings_rule1.tsv");
}

TEST(StandingsCommand, EmptyPairingPrintsTheHeadingsOnly) {
    QTemporaryDir dir;
    const QString path = dir.filePath("empty.pf1");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("PAIRFORGE Ver0.2 DATA FILE\r\n");
    f.close();
    const auto r = runCli({"standings", path, "--rule", "2"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(
        QString::fromUtf8(r.out),
        QString::fromUtf8("順位\tメンバー名\tゲーム数\t勝ゲーム\t敗ゲーム\tゲーム率\t\t\t\t\t\n"));
}

TEST(CsvCommand, BothLayoutsToStandardOutputAndToAFile) {
    expectOutput({"csv", Day}, "day_old.csv");
    expectOutput({"csv", Day, "--layout", "old"}, "day_old.csv");
    expectOutput({"csv", Day, "--layout", "new"}, "day_new.csv");
    EXPECT_EQ(golden("day_old.csv").count("\r\n"), 240);
    EXPECT_EQ(golden("day_new.csv").count("\r\n"), 120);

    QTemporaryDir dir;
    const QString out = dir.filePath("day.csv");
    const auto r = runCli({"csv", Day, "--layout", "new", "-o", out});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(readBytes(out), golden("day_new.csv"));
}

TEST(HtmlCommand, PagesUnderBothRulesRangesAndColours) {
    expectOutput({"html", Day}, "day_rule1_all.html");
    expectOutput(
        {"html", Day, "--rule", "1", "--range", "all", "--colors", "99CCFF,3399FF,66CCFF,FFFFCC"},
        "day_rule1_all.html");
    expectOutput({"html", Day, "--rule", "2", "--range", "results"}, "day_rule2_results.html");
    expectOutput({"html", Day, "--range", "4-7", "--colors", "ffffff,00ff00,x\"y,FFFFCC"},
                 "day_rule1_range.html");

    QTemporaryDir dir;
    const QString out = dir.filePath("day.html");
    const auto r = runCli({"html", Day, "--rule", "2", "--range", "results", "-o", out});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(readBytes(out), golden("day_rule2_results.html"));
}

// A Windows organiser's day lives in folders and files named in Japanese
// (C:\users\テニス部\４月\練習会.pf1): read from there and exported beside it.
TEST(ExportCommands, FoldersAndFilesNamedInJapanese) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("テニス部/４月"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString day = folder + QStringLiteral("/練習会.pf1");
    ASSERT_TRUE(QFile::copy(Day, day));
    expectOutput({"standings", day}, "day_standings_rule1.tsv");
    const QString csv = folder + QStringLiteral("/練習会.csv");
    EXPECT_EQ(runCli({"csv", day, "-o", csv}).exitCode, 0);
    EXPECT_EQ(readBytes(csv), golden("day_old.csv"));
    const QString html = folder + QStringLiteral("/練習会.html");
    EXPECT_EQ(runCli({"html", day, "--rule", "2", "--range", "results", "-o", html}).exitCode, 0);
    EXPECT_EQ(readBytes(html), golden("day_rule2_results.html"));
}

TEST(ExportCommands, UnreadableOrDamagedFilesAreRefusedWithTheirMessages) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.pf1");
    const QString bad = dir.filePath("bad.pf1");
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("PAIRFORGE Ver0.3 DATA FILE\r\n");
    f.close();
    const QString empty = dir.filePath("empty.pf1");
    QFile e(empty);
    ASSERT_TRUE(e.open(QIODevice::WriteOnly));
    e.close();

    for (const char* command : {"standings", "csv", "html"}) {
        const QString cmd = QString::fromLatin1(command);
        auto r = runCli({cmd, missing});
        EXPECT_EQ(r.exitCode, 1) << command;
        EXPECT_TRUE(r.err.startsWith(
            ("ファイルの読み込みに失敗しました。\n" + QDir::toNativeSeparators(missing) + ": ")
                .toUtf8()))
            << command;
        EXPECT_TRUE(r.out.isEmpty());
        r = runCli({cmd, empty});
        EXPECT_EQ(r.exitCode, 1) << command;
        EXPECT_EQ(r.err, "ファイルの読み込みに失敗しました。\n") << command;
        r = runCli({cmd, bad});
        EXPECT_EQ(r.exitCode, 1) << command;
        EXPECT_EQ(r.err, "ファイルの内容が不正です。\n") << command;
        EXPECT_TRUE(r.out.isEmpty());
    }
}

TEST(ExportCommands, WriteFailureLeavesTheEarlierFile) {
    QTemporaryDir dir;
    const QString plain = dir.filePath("plain");
    QFile f(plain);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("keep");
    f.close();
    for (const char* command : {"csv", "html"}) {
        const auto r = runCli({QString::fromLatin1(command), Day, "-o", plain + "/out"});
        EXPECT_EQ(r.exitCode, 1) << command;
        EXPECT_TRUE(r.err.startsWith("ファイルの書き込みに失敗しました。")) << command;
    }
    EXPECT_EQ(readBytes(plain), "keep");
}

// A FIFO, a device or a read-only file, as input or as -o: refused at once
// with the file named, and left as it was.
struct SpecialFileCase {
    const char* name;
    QStringList args; // FIFO, DEVICE and READONLY stand for the nodes
    const char* message;
    const char* reason;
};

class SpecialFiles : public ::testing::TestWithParam<SpecialFileCase> {};

TEST_P(SpecialFiles, AreRefusedUntouchedWithoutHanging) {
    QTemporaryDir dir;
    if (GetParam().args.contains("FIFO") && !test::HasFifos)
        GTEST_SKIP() << "a Windows folder cannot hold a FIFO";
    const QString fifo = dir.filePath("x.pf1");
    ASSERT_EQ(test::makeFifo(fifo), test::HasFifos);
    const QString device = test::makeDevice(dir.filePath("null"));
    const QString readOnly = dir.filePath("kept.csv");
    QFile kept(readOnly);
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("keep");
    kept.close();
    ASSERT_TRUE(
        QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QString members = dir.filePath("members.txt");
    QFile m(members);
    ASSERT_TRUE(m.open(QIODevice::WriteOnly));
    m.write("A\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH\r\n");
    m.close();

    QStringList args;
    QString target;
    for (const QString& a : GetParam().args) {
        const QString node = a == "FIFO"       ? fifo
                             : a == "DEVICE"   ? device
                             : a == "READONLY" ? readOnly
                                               : QString();
        if (!node.isEmpty())
            target = node;
        args << (node.isEmpty() ? (a == "DAY" ? Day : a == "MEMBERS" ? members : a) : node);
    }
    const unsigned mode = test::nodeMode(target);
    const auto r = runCli(args, 20000);
    EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(r.err), QString::fromUtf8(GetParam().message) + "\n" +
                                            QDir::toNativeSeparators(target) + ": " +
                                            QString::fromUtf8(GetParam().reason) + "\n");
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(test::nodeMode(target), mode);
    EXPECT_EQ(readBytes(readOnly), "keep");
}

const char* const ReadFailed = "ファイルの読み込みに失敗しました。";
const char* const WriteFailed = "ファイルの書き込みに失敗しました。";
const char* const NotRegular = "通常のファイルではありません。";

INSTANTIATE_TEST_SUITE_P(
    EveryCommand, SpecialFiles,
    ::testing::Values(
        SpecialFileCase{"StandingsOfAFifo", {"standings", "FIFO"}, ReadFailed, NotRegular},
        SpecialFileCase{"CsvOfAFifo", {"csv", "FIFO"}, ReadFailed, NotRegular},
        SpecialFileCase{"ReportOfADevice", {"report", "DEVICE"}, ReadFailed, NotRegular},
        SpecialFileCase{
            "GenerateFromAFifo", {"generate", "FIFO", "--seed", "1"}, ReadFailed, NotRegular},
        SpecialFileCase{"ReplanWithFifoMembers",
                        {"replan", "DAY", "--from", "7", "--members", "FIFO"},
                        ReadFailed,
                        NotRegular},
        SpecialFileCase{"CsvToAFifo", {"csv", "DAY", "-o", "FIFO"}, WriteFailed, NotRegular},
        SpecialFileCase{"HtmlToADevice", {"html", "DAY", "-o", "DEVICE"}, WriteFailed, NotRegular},
        SpecialFileCase{"GenerateToADevice",
                        {"generate", "MEMBERS", "--seed", "1", "-o", "DEVICE"},
                        WriteFailed,
                        NotRegular},
        SpecialFileCase{"CsvToAReadOnlyFile",
                        {"csv", "DAY", "-o", "READONLY"},
                        WriteFailed,
                        "読み取り専用のファイルです。"}),
    [](const auto& info) { return std::string(info.param.name); });

// Wrong arguments exit with 2, print nothing to standard output and say why.
struct UsageCase {
    const char* name;
    QStringList args; // after the command and the data file
};

class ExportUsageErrors : public ::testing::TestWithParam<UsageCase> {};

TEST_P(ExportUsageErrors, ExitWithTwo) {
    QStringList args = GetParam().args;
    if (args.size() > 1)
        args.insert(1, Day);
    const auto r = runCli(args);
    EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_FALSE(r.err.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    ExportCommands, ExportUsageErrors,
    ::testing::Values(UsageCase{"StandingsWithoutFile", {"standings"}},
                      UsageCase{"StandingsWithTwoFiles", {"standings", Day}},
                      UsageCase{"RuleZero", {"standings", "--rule", "0"}},
                      UsageCase{"RuleThree", {"standings", "--rule", "3"}},
                      UsageCase{"RuleWithoutValue", {"standings", "--rule"}},
                      UsageCase{"UnknownOption", {"standings", "--bogus", "1"}},
                      UsageCase{"UnknownLayout", {"csv", "--layout", "wide"}},
                      UsageCase{"OutputWithoutValue", {"csv", "-o"}},
                      UsageCase{"RuleNotANumber", {"html", "--rule", "x"}},
                      UsageCase{"RangeFromZero", {"html", "--range", "0-5"}},
                      UsageCase{"RangeBeyond120", {"html", "--range", "5-121"}},
                      UsageCase{"RangeBackwards", {"html", "--range", "9-8"}},
                      UsageCase{"RangeOneNumber", {"html", "--range", "5"}},
                      UsageCase{"RangeNegative", {"html", "--range", "-5"}},
                      UsageCase{"RangeWord", {"html", "--range", "some"}},
                      UsageCase{"ThreeColours", {"html", "--colors", "1,2,3"}},
                      UsageCase{"FiveColours", {"html", "--colors", "1,2,3,4,5"}},
                      UsageCase{"MinMatchesWord", {"standings", "--min-matches", "x"}},
                      UsageCase{"MinMatchesBeyond120", {"html", "--min-matches", "121"}},
                      UsageCase{"MinMatchesNegative", {"html", "--min-matches=-1"}},
                      UsageCase{"RangeTwice", {"html", "--range", "all", "--range", "results"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExportCommands, RangesAtTheLimitsAreFine) {
    for (const char* range : {"1-120", "120-120", "1-1"})
        EXPECT_EQ(runCli({"html", Day, "--range", range}).exitCode, 0) << range;
}

TEST(Cli, VersionIsTheBuildsOwn) {
    const auto r = runCli({"--version"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "pairforge-cli " PAIRFORGE_VERSION "\n");
}

// Each command answers --help with its own usage line and options, on
// standard output, without touching any file.
struct HelpCase {
    const char* command;
    const char* usage;
    const char* option;
};

class CommandHelp : public ::testing::TestWithParam<HelpCase> {};

TEST_P(CommandHelp, PrintsTheCommandsUsageAndOptions) {
    const auto r = runCli({QString::fromLatin1(GetParam().command), QStringLiteral("--help")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith(QByteArray("usage: pairforge-cli ") + GetParam().usage))
        << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(GetParam().option)) << r.out.toStdString();
    EXPECT_FALSE(r.out.contains("help-all"));
    EXPECT_TRUE(r.err.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, CommandHelp,
                         ::testing::Values(HelpCase{"generate", "generate MEMBERS", "--seed <S>"},
                                           HelpCase{"standings", "standings FILE", "--rule <1|2>"},
                                           HelpCase{"csv", "csv FILE", "-o, --output <OUT>"},
                                           HelpCase{"html", "html FILE",
                                                    "--colors <PAGE,LINE,TITLE,DATA>"}),
                         [](const auto& info) { return std::string(info.param.command); });

} // namespace
} // namespace pf
