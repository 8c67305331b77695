#include "cli_runner.h"

#include "files/pairing_file.h"
#include "model/texts.h"
#include "pairing/balanced_selection.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pf {
namespace {

using test::runCli;

struct ReplanCliCase {
    const char* name;
    QStringList args; // FILE, MEMBERS, FEW (7 members) and OUT stand for the test's files
    int exitCode;
    const char* message; // part of standard error; empty when none is expected
};

class ReplanCommand : public ::testing::TestWithParam<ReplanCliCase> {
protected:
    void SetUp() override {
        std::vector<Name> day;
        for (int i = 1; i <= 10; ++i)
            day.push_back("m" + std::to_string(i));
        MemberRoster roster{};
        std::copy(day.begin(), day.end(), roster.begin());
        generateBalanced(day, 2, 0, nullptr, {5, 5'000}, table);
        for (std::size_t s = 0; s < 8; ++s)
            table[s].WinA = static_cast<int>(s) + 1;
        input = pairingFileBytes(roster, table);
        write("day.pf1", input);
        write("present.txt", "m2\r\nm3\r\nm4\r\nm5\r\nm6\r\nm7\r\nm8\r\nm9\r\nm10\r\nlate\r\n");
        write("few.txt", "m1\r\nm2\r\nm3\r\nm4\r\nm5\r\nm6\r\nm7\r\n");
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    void write(const char* name, const QByteArray& bytes) const {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QStringList expand(const QStringList& args) const {
        QStringList out{QStringLiteral("replan")};
        for (const QString& a : args) {
            if (a == QLatin1String("FILE"))
                out << path("day.pf1");
            else if (a == QLatin1String("MEMBERS"))
                out << path("present.txt");
            else if (a == QLatin1String("FEW"))
                out << path("few.txt");
            else if (a == QLatin1String("OUT"))
                out << path("out.pf1");
            else
                out << a;
        }
        return out;
    }

    QTemporaryDir dir;
    MatchTable table{};
    QByteArray input;
};

TEST_P(ReplanCommand, ExitsAndWritesOnlyWhatItShould) {
    const ReplanCliCase& c = GetParam();
    const auto r = runCli(expand(c.args));
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QString::fromUtf8(c.message)))
        << r.err.toStdString();
    QFile out(path("out.pf1"));
    if (c.exitCode != 0) {
        EXPECT_FALSE(out.exists());
        return;
    }
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    const QList<QByteArray> before = input.split('\n');
    const QList<QByteArray> after = out.readAll().split('\n');
    ASSERT_EQ(after.size(), before.size());
    // Everybody keeps a line (m1 played before match 9), the latecomer follows.
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(after[i], before[i]) << "line " << i;
    EXPECT_EQ(after[11], "late\r");
    for (int i = 101; i < 109; ++i)
        EXPECT_EQ(after[i], before[i]) << "kept match line " << i;
    for (int i = 109; i < 221; ++i) {
        EXPECT_FALSE(after[i].startsWith("m1,") || after[i].contains(",m1,")) << i;
        EXPECT_TRUE(after[i].endsWith(",0,0\r")) << i;
    }
}

// The report of a re-planned rest judges play among those present from K.
class ReplanReport : public ReplanCommand {};

TEST_F(ReplanReport, FromKCountsOnlyThosePresent) {
    ASSERT_EQ(runCli(expand({"FILE", "--from", "9", "--members", "MEMBERS", "-o", "OUT"})).exitCode,
              0);
    const auto r = runCli(
        {QStringLiteral("report"), path("out.pf1"), QStringLiteral("--from"), QStringLiteral("9")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QList<QByteArray> lines = r.out.split('\n');
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[1], "members\t10\t"); // m1 left, late came
    EXPECT_EQ(lines[3], "from\t9\t");
    EXPECT_TRUE(lines[4] == "play_spread\t1\t1" || lines[4] == "play_spread\t0\t0")
        << lines[4].toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ReplanCommand,
    ::testing::Values(
        ReplanCliCase{"Replans",
                      {"FILE", "--from", "9", "--members", "MEMBERS", "--seed", "4", "-o", "OUT"},
                      0,
                      "courts: 2 (guessed from the rounds; also fit: 1; see --courts)"},
        ReplanCliCase{"InsideARound",
                      {"FILE", "--from", "10", "--members", "MEMBERS", "-o", "OUT"},
                      1,
                      MsgReplanStart},
        ReplanCliCase{"TooFew",
                      {"FILE", "--from", "9", "--members", "FEW", "-o", "OUT"},
                      1,
                      MsgTooFewMembers},
        ReplanCliCase{"MissingFile",
                      {"nowhere.pf1", "--from", "9", "--members", "MEMBERS", "-o", "OUT"},
                      1,
                      ""},
        ReplanCliCase{"FromFarBeyondTheTable",
                      {"FILE", "--from", "99999999999", "--members", "MEMBERS", "-o", "OUT"},
                      1,
                      MsgReplanStart},
        ReplanCliCase{"NoMembers", {"FILE", "--from", "9", "-o", "OUT"}, 2, "--members"},
        ReplanCliCase{"FromNotANumber",
                      {"FILE", "--from", "x", "--members", "MEMBERS", "-o", "OUT"},
                      2,
                      "--from"},
        ReplanCliCase{"FourCourts",
                      {"FILE", "--from", "9", "--members", "MEMBERS", "--courts", "4", "-o", "OUT"},
                      2,
                      "--courts"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pf
