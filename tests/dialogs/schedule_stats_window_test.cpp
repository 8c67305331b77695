// The statistics window beside the main window: opened from the 表示 menu
// while a pairing is open, it shows the figures of the table on show and
// follows a court count change, a close and the next generation.

#include "gui_fixture.h"

#include "dialogs/schedule_stats_window.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
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
    // longest sit-out and play run, each as value/best. A&B and <i> came at
    // round 4: their first three rounds are no rest.
    EXPECT_EQ(summaryLines(), "6/－ 6/－ 1/－ 7/－ 0/0 2/1 2/1 3/1 3/2 2/1 4/2");
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
                       "[0-9]+/1 [0-9]+/8")));
    EXPECT_TRUE(expected.match(QString::fromStdString(summaryLines())).hasMatch())
        << summaryLines();
    EXPECT_EQ(grid->rowCount(), 9);
    keep("schedule_stats_9_members_2_courts_sequential.png");

    // The same day from the balanced method: the window follows the new
    // pairing, and plays come out even.
    form().session().Modified = false;
    action("C1")->trigger();
    form().session().GenerationMethod = 2;
    action("N8")->trigger();
    item->trigger();
    QApplication::processEvents();
    EXPECT_THAT(summaryLines(), ::testing::StartsWith("9/－ 9/－ 2/－ 60/－ 1/1 "));
    keep("schedule_stats_9_members_2_courts_balanced.png");
    stats().closeButton->click();
    EXPECT_FALSE(stats().isVisible());
    form().session().Modified = false;
}

} // namespace
