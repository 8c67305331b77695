// pairforge-cli report on the scored day of tests/data/cli. day.pf1 holds six
// members (田中, 鈴木, 佐藤, 高橋, A&B, <i>) in seven matches; 田中 plays the
// first three, so no two of them can share a round and one court is guessed.
// Worked by hand: plays 5,5,5,5,4,4 (28 over 6 cannot be even); 14 partner
// pairings over 15 pairs with 田中–鈴木, 佐藤–<i> and A&B–高橋 twice; 28 opponent
// pairings with four pairs met three times and two never; A&B and <i> sit out
// rounds 1–3 and play 4–7, while 2 resting of 6 allow runs of 2 at best.
// Stopping early: after round 3 plays are 3,3,3,3,0,0 (spread 3) and six
// pairs have faced each other twice in 12 opponent slots over 15 pairs
// (excess 2 − 1); 田中–鈴木 partner a second time in round 4 (2 − 1).

#include "cli_runner.h"

#include <QFile>
#include <gtest/gtest.h>

namespace pf {
namespace {

using test::runCli;

const QString Day = QStringLiteral(PF_TEST_DATA_DIR "/cli/day.pf1");

QByteArray golden() {
    QFile f(QStringLiteral(PF_TEST_DATA_DIR "/cli/day_report.tsv"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

TEST(ReportCommand, FiguresOfTheDayWithTheCourtCountGuessed) {
    const auto r = runCli({"report", Day});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, golden());
    EXPECT_TRUE(r.err.isEmpty());
}

TEST(ReportCommand, GivenCourtCountIsNotMarkedGuessed) {
    const auto r = runCli({"report", "--courts", "1", Day});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, golden().replace("courts\t1\tguessed", "courts\t1\t"));
}

struct Refusal {
    const char* name;
    QStringList args;
    int exitCode;
    const char* message;
};

class ReportRefuses : public ::testing::TestWithParam<Refusal> {};

TEST_P(ReportRefuses, WithAMessageAndNoOutput) {
    const Refusal& c = GetParam();
    const auto r = runCli(QStringList{"report"} + c.args);
    EXPECT_EQ(r.exitCode, c.exitCode);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QString::fromUtf8(c.message)))
        << r.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReportRefuses,
    ::testing::Values(
        Refusal{"MissingFile", {"/nonexistent/day.pf1"}, 1, "ファイルの読み込みに失敗しました。"},
        Refusal{"NoFile", {}, 2, "usage: pairforge-cli report"},
        Refusal{"TwoFiles", {Day, Day}, 2, "usage: pairforge-cli report"},
        Refusal{"FourCourts", {Day, "--courts", "4"}, 2, "--courts takes 1, 2 or 3"},
        Refusal{"UnknownOption", {Day, "--to", "3"}, 2, "Unknown option"},
        Refusal{"FromOutsideTheTable", {Day, "--from", "121"}, 2, "--from takes"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pf
