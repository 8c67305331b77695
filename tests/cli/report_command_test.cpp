// pairforge-cli report on the scored day of tests/data/cli. day.pf1 holds six
// members (田中, 鈴木, 佐藤, 高橋, A&B, <i>) in seven matches; 田中 plays the
// first three, so no two of them can share a round and one court is guessed.
// Worked by hand: plays 5,5,5,5,4,4, where A&B and <i>, whose first match
// comes later than anybody waits between two, came late: the four there
// throughout played 5 each, and the longest wait between matches is 田中's 2
// (the latecomers' first rounds are no rest); 14 partner
// pairings over 15 pairs with 田中–鈴木, 佐藤–<i> and A&B–高橋 twice; 28 opponent
// pairings with four pairs met three times and two never; A&B and <i> play
// rounds 4–7, while 2 resting of 6 allow runs of 2 at best.
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
    EXPECT_EQ(r.err, "courts: 1 (guessed from the rounds; no other count fits)\n");
}

TEST(ReportCommand, GivenCourtCountIsNotMarkedGuessed) {
    const auto r = runCli({"report", "--courts", "1", Day});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, golden().replace("courts\t1\tguessed", "courts\t1\t"));
}

// day-facts.txt: 田中 (man, 5) with 鈴木 (woman, 4) as fixed partners and kept
// apart from <i> (woman, 3); 佐藤 (man, 2), 高橋 (woman, unset: 3), A&B (man, 1).
// Worked by hand over the seven matches: only match 2 pairs two men; every
// match spans more than one level; the fixed pair is split in matches 2 and 3
// and plays without the other in 6 and 7; 田中 meets <i> in 4 and 7. Level
// gaps 4, 0, 2, 5, 1, 0, 4.
TEST(ReportCommand, RuleRowsFollowTheFigures) {
    const auto r = runCli({"report", Day, "--facts", PF_TEST_DATA_DIR "/cli/day-facts.txt",
                           "--mixed", "--levels", "near"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    // The shares within the rules follow; their own tests check them.
    EXPECT_TRUE(r.out.startsWith(golden() + "rule_breaks\t14\t0\n"
                                            "mixed_breaks\t1\t0\n"
                                            "near_breaks\t7\t0\n"
                                            "fixed_pair_breaks\t4\t0\n"
                                            "apart_breaks\t2\t0\n"
                                            "level_gap_max\t5\t\n"
                                            "level_gap_mean\t2.29\t\n"
                                            "fixed_pairs_kept\t0\t1\n"
                                            "apart_pairs_kept\t0\t1\n"))
        << r.out.toStdString();
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
        Refusal{"FromOutsideTheTable", {Day, "--from", "121"}, 2, "--from takes"},
        Refusal{"MixedWithoutFacts", {Day, "--mixed"}, 2, "--mixed and --levels need --facts"},
        Refusal{"UnknownLevelRule",
                {Day, "--facts", PF_TEST_DATA_DIR "/cli/day-facts.txt", "--levels", "even"},
                2,
                "--levels takes balance or near"},
        Refusal{"FactsNotAFactsFile", {Day, "--facts", Day}, 1, "1行目が「PAIRFORGE MEMBERS 1」"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pf
