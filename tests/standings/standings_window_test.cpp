// The standings window: what the grid shows under both rules, following game
// counts changed while it is open, and its resize rule.

#include "model/text_codec.h"
#include "standings/standings_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "support/match_helpers.h"

namespace pf {
namespace {

using test::match;
using test::sjis;

// 山田 and B beat C and D 6-2; 山田 and C lose to B and D 3-6.
// Rule 1: B 1.000, 山田 0.5/0.529, D 0.5/0.471, C 0.000.
Session twoMatchSession(int rankingMethod) {
    Session s;
    s.Matches[0] = match(sjis("山田"), "B", "C", "D", 6, 2);
    s.Matches[1] = match(sjis("山田"), "C", "B", "D", 3, 6);
    s.RankingMethod = rankingMethod;
    return s;
}

QStringList shownRow(const TForm4& w, int row) {
    QStringList cells;
    for (int c = 0; c < StandingsColumns; ++c)
        cells << w.shownCell(row, c);
    return cells;
}

QStringList split(const char* utf8) {
    return QString::fromUtf8(utf8).split(QLatin1Char('|'));
}

void activateElsewhereThenBack(QWidget& other, TForm4& w) {
    other.activateWindow();
    QApplication::processEvents();
    w.activateWindow();
    QApplication::processEvents();
}

TEST(StandingsWindow, ShowsRuleOneTableWithHeadingsRanksAndDecodedNames) {
    Session s = twoMatchSession(0);
    TForm4 w(s);
    w.show();
    w.FormActivate();

    EXPECT_EQ(w.windowTitle(), QStringLiteral("順位の表示"));
    EXPECT_EQ(
        shownRow(w, 0),
        split("順位|メンバー名|試合数|勝数|敗数|分数|勝率|ゲーム数|勝ゲーム|敗ゲーム|ゲーム率"));
    EXPECT_EQ(shownRow(w, 1), split("1|B|2|2|0|0|1.000|17|12|5|0.706"));
    EXPECT_EQ(shownRow(w, 2), split("2|山田|2|1|1|0|0.500|17|9|8|0.529"));
    EXPECT_EQ(shownRow(w, 3), split("3|D|2|1|1|0|0.500|17|8|9|0.471"));
    EXPECT_EQ(shownRow(w, 4), split("4|C|2|0|2|0|0.000|17|5|12|0.294"));
    EXPECT_EQ(shownRow(w, 5), QStringList(StandingsColumns, QString()));
    EXPECT_EQ(w.StaticText1->text(),
              QStringLiteral("各試合の勝率、同率の場合は、各ゲームの合計のゲーム率にて順位を決定"));
    // The grid copies the table; the table keeps the Shift-JIS bytes.
    EXPECT_EQ(w.table().cell(2, 1), sjis("山田"));
    w.close();
}

TEST(StandingsWindow, SettingsChangeToRuleTwoShowsOtherColumnsAndTextOnNextActivation) {
    Session s = twoMatchSession(0);
    TForm4 w(s);
    QWidget other;
    other.show();
    w.show();
    activateElsewhereThenBack(other, w);
    ASSERT_EQ(w.shownCell(0, 2), QStringLiteral("試合数"));

    s.RankingMethod = 1; // what the settings dialog stores for rule 2
    activateElsewhereThenBack(other, w);

    EXPECT_EQ(shownRow(w, 0), split("順位|メンバー名|ゲーム数|勝ゲーム|敗ゲーム|ゲーム率|||||"));
    EXPECT_EQ(shownRow(w, 1), split("1|B|17|12|5|0.706|||||"));
    EXPECT_EQ(shownRow(w, 4), split("4|C|17|5|12|0.294|||||"));
    EXPECT_EQ(w.StaticText1->text(), QStringLiteral("各ゲームの合計のゲーム率にて順位を決定"));
    w.close();
    other.close();
}

TEST(StandingsWindow, FollowsGameCountChangedWhileOpenWhenActivatedAgain) {
    Session s = twoMatchSession(0);
    TForm4 w(s);
    QWidget other;
    other.show();
    w.show();
    activateElsewhereThenBack(other, w);
    ASSERT_EQ(w.shownCell(1, 1), QStringLiteral("B"));

    // The organiser turns the second match round in the main window: 山田 and
    // C now win it 7-6, so 山田 wins both and leads.
    s.Matches[1].WinA = 7;
    other.activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(w.shownCell(1, 1), QStringLiteral("B")) << "recomputes only when activated";

    w.activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(shownRow(w, 1), split("1|山田|2|2|0|0|1.000|21|13|8|0.619"));
    EXPECT_EQ(w.shownCell(2, 1), QStringLiteral("B"));
    EXPECT_EQ(w.shownCell(3, 1), QStringLiteral("C"));
    w.close();
    other.close();
}

TEST(StandingsWindow, TieSharesRankAndEmptyTableLeavesGridBlank) {
    Session s;
    s.Matches[0] = match("A", "B", "C", "D", 0, 0); // no result yet: everybody 1
    TForm4 w(s);
    w.recompute();
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(w.shownCell(r, 0), QStringLiteral("1")) << r;

    s.Matches[0] = MatchRecord{};
    w.recompute();
    EXPECT_EQ(w.shownCell(0, 1), QStringLiteral("メンバー名"));
    for (int r = 1; r <= 100; ++r)
        ASSERT_EQ(shownRow(w, r), QStringList(StandingsColumns, QString())) << r;
}

TEST(StandingsWindow, GridShowsAllHundredMembers) {
    Session s;
    for (int slot = 0; slot < 25; ++slot) {
        auto n = [&](int k) { return "M" + std::to_string(slot * 4 + k + 1); };
        s.Matches[static_cast<std::size_t>(slot)] = match(n(0), n(1), n(2), n(3), 0, 0);
    }
    TForm4 w(s);
    w.recompute();
    EXPECT_EQ(w.StringGrid1->rowCount(), 100);
    EXPECT_EQ(w.shownCell(100, 1), QStringLiteral("M100"));
    EXPECT_EQ(w.shownCell(100, 0), QStringLiteral("1"));
}

TEST(StandingsWindow, ShowTableDisplaysWhatAnotherReaderComputedIntoTheTable) {
    Session s = twoMatchSession(0);
    TForm4 w(s);
    w.recompute();
    // The HTML export computes into the same table before writing.
    s.RankingMethod = 1;
    ComputeStandings(s.Matches, s.RankingMethod, w.table());
    w.showTable();
    EXPECT_EQ(w.shownCell(0, 2), QStringLiteral("ゲーム数"));
    EXPECT_EQ(w.shownCell(0, 6), QString());
}

// A latecomer who won his only match is listed last without a rank once
// three matches are needed, and the rule text says so.
TEST(StandingsWindow, MinimumOfMatchesListsTheLatecomerLastWithoutARank) {
    Session s;
    s.Matches[0] = match(sjis("山田"), "B", "C", "D", 6, 2);
    s.Matches[1] = match(sjis("山田"), "C", "B", "D", 3, 6);
    s.Matches[2] = match(sjis("山田"), "D", "B", "C", 6, 4);
    s.Matches[3] = match(sjis("遅刻の佐藤"), sjis("山田"), "B", "C", 1, 0);
    s.MinMatches = 3;
    TForm4 w(s);
    w.show();
    w.recompute();
    EXPECT_EQ(shownRow(w, 1).mid(0, 3), split("1|山田|4"));
    EXPECT_EQ(shownRow(w, 4).mid(0, 3), split("4|C|4"));
    EXPECT_EQ(shownRow(w, 5).mid(0, 3), split("|遅刻の佐藤|1"));
    EXPECT_TRUE(w.StaticText1->text().endsWith(QStringLiteral("（3試合未満は順位なし）")));
    if (const QByteArray out = qgetenv("PF_SHOT_DIR"); !out.isEmpty())
        w.grab().save(QString::fromLocal8Bit(out) + QStringLiteral("/standings_min3.png"));
    s.MinMatches = 0;
    w.recompute();
    EXPECT_EQ(shownRow(w, 1).mid(0, 2), split("1|遅刻の佐藤"));
}

TEST(StandingsWindow, ResizeKeepsButtonAndRuleTextAtBottomAndLimitsWidth) {
    Session s = twoMatchSession(0);
    TForm4 w(s);
    w.show();
    w.FormActivate();

    w.resize(792, 600); // 634 high outside
    QApplication::processEvents();
    EXPECT_EQ(w.Button1->geometry(), QRect(614, 634 - 65, 75, 25));
    EXPECT_EQ(w.StaticText1->y(), 634 - 62);
    EXPECT_EQ(w.StringGrid1->geometry(), QRect(0, 0, 792, 634 - 80));

    w.resize(1200, 300);
    QApplication::processEvents();
    EXPECT_EQ(w.width(), 792);
    EXPECT_EQ(w.StringGrid1->width(), 792);
    EXPECT_EQ(w.Button1->y(), 334 - 65);

    // At the narrowest the close button stays inside the window and the rule
    // text still fits in front of it.
    w.resize(100, 50);
    QApplication::processEvents();
    EXPECT_EQ(w.size(), QSize(606, 166));
    EXPECT_LE(w.Button1->geometry().right(), w.width() - 1);
    EXPECT_LT(w.StaticText1->geometry().right(), w.Button1->x());
    const QFontMetrics fm(w.StaticText1->font());
    EXPECT_LE(fm.horizontalAdvance(w.StaticText1->text()), w.StaticText1->contentsRect().width());
    w.close();
}

TEST(StandingsWindow, DefaultSizeShowsRuleTextUncutAndCloseHidesButKeepsTable) {
    Session s = twoMatchSession(0);
    TForm4 w(s);
    w.show();
    w.FormActivate();
    const QFontMetrics fm(w.StaticText1->font());
    EXPECT_EQ(w.StaticText1->font().pixelSize(), 16);
    EXPECT_LE(fm.horizontalAdvance(w.StaticText1->text()), w.StaticText1->contentsRect().width());

    w.StringGrid1->setFocus();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w.StringGrid1, &enter);
    EXPECT_FALSE(w.isVisible()) << "Enter presses the default button 閉じる";
    EXPECT_EQ(w.table().cell(1, 1), "B");

    w.show();
    w.Button1->click();
    EXPECT_FALSE(w.isVisible());

    // Esc, wherever the focus is, as a key from the keyboard reaches shortcuts.
    w.show();
    QApplication::setActiveWindow(&w);
    w.StringGrid1->setFocus();
    QTest::keyClick(w.StringGrid1, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible()) << "Esc closes the window";
}

} // namespace
} // namespace pf
