// The statistics window beside the main window: opened from the 表示 menu
// while a pairing is open, it shows the figures of the table on show and
// follows a court count change, a close and the next generation.

#include "app/gui_fixture.h"

#include "dialogs/schedule_stats_window.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

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
    // Column `column` of the summary row whose label starts with `label`.
    QString summary(const char* label, int column) {
        QTableWidget* t = stats().summaryTable;
        for (int r = 0; r < t->rowCount(); ++r)
            if (t->item(r, 0)->text().startsWith(QString::fromUtf8(label)))
                return t->item(r, column)->text();
        ADD_FAILURE() << label;
        return {};
    }
    std::string summaryLine(const char* label) {
        return (summary(label, 1) + QLatin1Char('/') + summary(label, 2)).toStdString();
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

    EXPECT_EQ(summaryLine("メンバー数"), "6/－");
    EXPECT_EQ(summaryLine("コート数"), "1/－");
    EXPECT_EQ(summaryLine("ラウンド数"), "7/－");
    EXPECT_EQ(summaryLine("試合数の差"), "1/1");
    EXPECT_EQ(summaryLine("ペア回数の差"), "2/1");
    EXPECT_EQ(summaryLine("同じペアの最多回数"), "2/1");
    EXPECT_EQ(summaryLine("対戦回数の差"), "3/1");
    EXPECT_EQ(summaryLine("同じ相手との最多対戦回数"), "3/2");
    EXPECT_EQ(summaryLine("最長の連続休み"), "3/1");
    EXPECT_EQ(summaryLine("最長の連続出場"), "4/2");
    EXPECT_FALSE(stats().courtWarning->isVisible());

    // A&B (row 5): four matches after three rests; partners <i>, 高橋, 鈴木;
    // opponents 田中, 鈴木, 佐藤, <i>.
    QTableWidget* members = stats().memberTable;
    ASSERT_EQ(members->rowCount(), 6);
    QStringList row;
    for (int c = 0; c < members->columnCount(); ++c)
        row << members->item(4, c)->text();
    EXPECT_EQ(row.join(QLatin1Char(' ')), QStringLiteral("A&B 4 3 4 3 4"));

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

    // Three courts would put 田中 on three courts at once.
    arrow("UpDown13", true, 2);
    EXPECT_EQ(summary("コート数", 1), QStringLiteral("3"));
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
    EXPECT_EQ(summaryLine("メンバー数"), "9/－");
    EXPECT_EQ(summaryLine("ラウンド数"), "60/－");
    EXPECT_EQ(summary("最長の連続休み", 2), QStringLiteral("1"));
    EXPECT_EQ(summary("最長の連続出場", 2), QStringLiteral("8"));
    EXPECT_EQ(grid->rowCount(), 9);
    keep("schedule_stats_9_members_2_courts_sequential.png");
    stats().closeButton->click();
    EXPECT_FALSE(stats().isVisible());
    form().session().Modified = false;
}

} // namespace
