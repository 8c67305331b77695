// The statistics window beside the main window: opened from the 表示 menu
// while a pairing is open, it shows the figures of the table on show and
// follows a court count change, a close and the next generation.

#include "gui_fixture.h"

#include "dialogs/schedule_stats_window.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QUndoStack>
#include <gmock/gmock.h>

using namespace pf;
using namespace pf::testing_support;

namespace {

class ScheduleStatsWindowTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        start();
    }
    ScheduleStatsWindow& stats() { return *windows.scheduleStats; }
    std::string summaryLines() {
        QStringList lines;
        for (int r = 0; r < stats().summaryTable->rowCount(); ++r)
            lines << stats().summaryTable->item(r, 1)->text() + QLatin1Char('/') +
                         stats().summaryTable->item(r, 2)->text();
        return lines.join(QLatin1Char(' ')).toStdString();
    }
    void keep(const char* file) {
        if (const QByteArray out = qgetenv("PF_SHOT_DIR"); !out.isEmpty())
            stats().grab().save(QString::fromLocal8Bit(out) + QLatin1Char('/') +
                                QString::fromLatin1(file));
    }
};

TEST_F(ScheduleStatsWindowTest, OpensFromTheMenuWithTheFiguresOfTheOpenPairing) {
    QAction* item = action("scheduleStatsAction");
    EXPECT_FALSE(item->isEnabled());

    // The scored day of the command-line tests, worked by hand there.
    ask->files.push_back(QStringLiteral(PF_TEST_DATA_DIR "/cli/day.pf1"));
    action("O1")->trigger();
    ASSERT_TRUE(form().session().PairingOpen);
    arrow("UpDown13", false); // its seven matches are one court's
    EXPECT_TRUE(item->isEnabled());
    item->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(stats().isVisible());
    EXPECT_EQ(stats().windowTitle(), QStringLiteral("組合せの統計"));

    // Members playing now and in all, courts, rounds; then play (among the
    // four there throughout), partner and opponent spreads and maxima,
    // longest sit-out and play run, then play spread and partner and opponent
    // excess wherever the day stops, each as value/best. A&B and <i> came at
    // round 4: their first three rounds are no rest.
    EXPECT_EQ(summaryLines(), "6/－ 6/－ 1/－ 7/－ 0/0 2/1 2/1 3/1 3/2 2/1 4/2 3/1 1/0 1/0");
    // Every round has a result but the fourth, so the figures run to round 7.
    EXPECT_EQ(stats().roundSpin->value(), 7);
    EXPECT_FALSE(stats().anotherDrawButton->isVisible());
    // Stopped after round 3: the first four played three each, partners all
    // different, six pairs of opponents met twice in 12 slots over 15 pairs.
    stats().roundSpin->setValue(3);
    EXPECT_EQ(summaryLines(), "6/－ 6/－ 1/－ 3/－ 3/0 1/1 1/1 2/1 2/1 3/1 3/2 3/1 0/0 1/0");
    stats().roundSpin->setValue(7);
    EXPECT_FALSE(stats().courtWarning->isVisible());

    // A&B (row 5): four matches after three rests; partners <i>, 高橋, 鈴木;
    // opponents 田中, 鈴木, 佐藤, <i>.
    QTableWidget* members = stats().memberTable;
    ASSERT_EQ(members->rowCount(), 6);
    QStringList row;
    for (int c = 0; c < members->columnCount(); ++c)
        row << members->item(4, c)->text();
    EXPECT_EQ(row.join(QLatin1Char(' ')), QStringLiteral("A&B（途中参加） 4 0 4 3 4"));

    // 田中 and 鈴木 partnered twice (above the diagonal, off an even share of
    // 14 over 15 pairs) and faced each other twice (below it).
    QTableWidget* grid = stats().meetingGrid;
    ASSERT_EQ(grid->rowCount(), 6);
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("2"));
    EXPECT_EQ(grid->item(1, 0)->text(), QStringLiteral("2"));
    EXPECT_EQ(grid->item(0, 4)->text(), QStringLiteral("0"));
    EXPECT_NE(grid->item(0, 1)->background().color(), QColor(Qt::white));
    EXPECT_EQ(grid->item(0, 4)->background().color(), QColor(Qt::white));
    keep("schedule_stats_day.png");

    // Three courts would put 田中 on three courts at once; the organiser
    // insists past the question each step asks.
    ask->answers = {Answer::Yes, Answer::Yes};
    arrow("UpDown13", true, 2);
    EXPECT_EQ(stats().summaryTable->item(2, 1)->text(), QStringLiteral("3"));
    EXPECT_TRUE(stats().courtWarning->isVisible());

    form().session().Modified = false;
    action("C1")->trigger();
    EXPECT_FALSE(stats().isVisible());
    EXPECT_FALSE(item->isEnabled());

    // Nine members on two courts: every round holds 8, one rests.
    arrow("UpDown13", false);
    setRoster({"青木", "石田", "上野", "江藤", "岡本", "加藤", "木村", "工藤", "佐藤"});
    action("N8")->trigger();
    item->trigger();
    QApplication::processEvents();
    // 480 plays over 9 members, 240 and 480 pairings over 36 pairs.
    // Qt's expressions: GoogleTest's own on Windows know no character classes.
    const QRegularExpression expected(QRegularExpression::anchoredPattern(
        QStringLiteral("9/－ 9/－ 2/－ 60/－ [0-9]+/[01] [0-9]+/1 [0-9]+/7 [0-9]+/1 [0-9]+/14 "
                       "[0-9]+/1 [0-9]+/8 [0-9]+/1 [0-9]+/0 [0-9]+/0")));
    EXPECT_TRUE(expected.match(QString::fromStdString(summaryLines())).hasMatch())
        << summaryLines();
    EXPECT_EQ(grid->rowCount(), 9);
    keep("schedule_stats_9_members_2_courts_sequential.png");

    // The same day from the balanced method: the window follows the new
    // pairing, and plays come out even.
    form().session().Modified = false;
    action("C1")->trigger();
    form().session().GenerationMethod = 2;
    setModalRunner([](QDialog& d) { // 今日の回数: all rounds
        d.accept();
        return d.result();
    });
    action("N8")->trigger();
    item->trigger();
    QApplication::processEvents();
    EXPECT_THAT(summaryLines(), ::testing::StartsWith("9/－ 9/－ 2/－ 60/－ 1/1 "));
    keep("schedule_stats_9_members_2_courts_balanced.png");
    stats().closeButton->click();
    EXPECT_FALSE(stats().isVisible());
    form().session().Modified = false;
}

// Fourteen members on three courts, the balanced method. Before any result
// another draw can be asked for, and undone; once twelve rounds have results
// the figures stop at round 12 by default, where plays are still even.
TEST_F(ScheduleStatsWindowTest, FiguresUpToARoundAndAnotherDraw) {
    arrow("UpDown13", true);
    setRoster({"青木", "石田", "上野", "江藤", "岡本", "加藤", "木村", "工藤", "佐藤", "清水",
               "高木", "中村", "長谷川・クリステンセン", "山本"});
    form().session().GenerationMethod = 2;
    int offered = 0;
    setModalRunner([&offered](QDialog& d) {
        offered = d.findChild<QSpinBox*>(QStringLiteral("dayRoundsSpin"))->value();
        d.accept();
        return d.result();
    });
    action("N8")->trigger();
    ASSERT_TRUE(form().session().PairingOpen);
    EXPECT_EQ(offered, 40);
    action("scheduleStatsAction")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(stats().roundSpin->value(), 40);
    ASSERT_TRUE(stats().anotherDrawButton->isVisible());

    const MatchTable first = form().session().Matches;
    stats().anotherDrawButton->click();
    const MatchTable second = form().session().Matches;
    EXPECT_NE(second, first);
    EXPECT_EQ(
        computeQuality(participantsOf(form().session().Roster), second, 3).prefixPlaySpread.value,
        1);
    form().undoStack()->undo();
    EXPECT_EQ(form().session().Matches, first);
    form().undoStack()->redo();
    EXPECT_EQ(form().session().Matches, second);

    for (std::size_t s = 0; s < 36; ++s)
        form().session().Matches[s].WinA = 6;
    stats().recompute();
    EXPECT_FALSE(stats().anotherDrawButton->isVisible());
    EXPECT_EQ(stats().roundSpin->value(), 12);
    // 144 plays over 14 members after round 12: ten play 10, four 11.
    EXPECT_EQ(stats().quality().rounds, 12);
    EXPECT_EQ(stats().quality().playSpread.value, 1);
    EXPECT_LE(stats().quality().prefixPlaySpread.value, 1);
    stats().resize(1100, 760);
    QApplication::processEvents();
    keep("stats_round12.png");
    form().session().Modified = false;
}

// 今日の回数 of 12: the slots after round 12 stay empty and the figures stop
// there.
TEST_F(ScheduleStatsWindowTest, ADayOfTwelveRounds) {
    arrow("UpDown13", true);
    setRoster({"青木", "石田", "上野", "江藤", "岡本", "加藤", "木村", "工藤", "佐藤", "清水",
               "高木", "中村", "原田", "山本"});
    form().session().GenerationMethod = 2;
    setModalRunner([](QDialog& d) {
        d.findChild<QSpinBox*>(QStringLiteral("dayRoundsSpin"))->setValue(12);
        if (const QByteArray out = qgetenv("PF_SHOT_DIR"); !out.isEmpty()) {
            d.show();
            QApplication::processEvents();
            d.grab().save(QString::fromLocal8Bit(out) + QStringLiteral("/day_length.png"));
        }
        d.accept();
        return d.result();
    });
    action("N8")->trigger();
    ASSERT_TRUE(form().session().PairingOpen);
    const MatchTable& t = form().session().Matches;
    EXPECT_FALSE(t[35].d.empty());
    for (std::size_t s = 36; s < MaxMatches; ++s)
        ASSERT_EQ(t[s], MatchRecord{}) << s;
    action("scheduleStatsAction")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(stats().roundSpin->maximum(), 12);
    EXPECT_EQ(stats().quality().rounds, 12);
    EXPECT_EQ(stats().quality().playSpread.value, 1);
    form().session().Modified = false;
}

// A mixed day with levels for 16 members on two courts: the rules' rows follow
// the figures, the facts stand beside the names, and a pair the rules never
// let partner (two men) stays grey in the grid.
TEST_F(ScheduleStatsWindowTest, AMixedDayWithLevelsShowsTheRulesRowsAndTheFacts) {
    QByteArray facts = "PAIRFORGE MEMBERS 1\r\n";
    std::vector<const char*> roster;
    static const char* const Names[] = {"青木", "石田", "上野", "江藤", "岡本", "加藤",
                                        "木村", "工藤", "佐藤", "清水", "高木", "中村",
                                        "原田", "山本", "吉田", "渡辺"};
    for (int i = 0; i < 16; ++i) {
        roster.push_back(Names[i]);
        facts += sjisBytes(Names[i]) + (i % 2 == 0 ? sjisBytes(",男,") : sjisBytes(",女,")) +
                 QByteArray::number(1 + i % 5) + "\r\n";
    }
    QFile file(dir.filePath(QStringLiteral("pairforge-members.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(facts);
    file.close();
    setRoster(roster);
    form().session().GenerationMethod = 2;
    form().session().DayRuleBits = RuleMixedBit | RuleLevelBalanceBit;
    setModalRunner([](QDialog& d) { // 今日の回数: all rounds
        d.accept();
        return d.result();
    });
    action("N8")->trigger();
    ASSERT_TRUE(form().session().PairingOpen);
    action("scheduleStatsAction")->trigger();
    QApplication::processEvents();
    const auto row = [this](const QString& label) {
        for (int r = 0; r < stats().summaryTable->rowCount(); ++r)
            if (stats().summaryTable->item(r, 0)->text() == label)
                return stats().summaryTable->item(r, 1)->text();
        return QStringLiteral("<none>");
    };
    EXPECT_EQ(row(QStringLiteral("ルールを守れなかった試合")), QStringLiteral("0"));
    EXPECT_EQ(row(QStringLiteral("試合数の差（男性）")), QStringLiteral("0"));
    EXPECT_EQ(stats().memberTable->item(0, 0)->text(), QStringLiteral("青木 [男 L1]"));
    EXPECT_EQ(stats().meetingGrid->item(0, 2)->background().color(), QColor(0xE0, 0xE0, 0xE0));
    keep("schedule_stats_mixed_levels_16_members_2_courts.png");
    stats().summaryTable->scrollToBottom();
    keep("schedule_stats_mixed_levels_16_members_2_courts_rules.png");
    form().session().Modified = false;
}

} // namespace
