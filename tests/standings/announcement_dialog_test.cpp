// The top-three announcement: titles from the ranks, the reveal order with the
// flicker between presses, the timer stopping however the dialog closes, and
// the short lists that must not fail.

#include "model/text_codec.h"
#include "pairing/random_source.h"
#include "standings/announcement_dialog.h"
#include "standings/standings_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "support/match_helpers.h"

namespace pf {
namespace {

using test::match;
using test::sjis;

class Announcement : public testing::Test {
protected:
    void SetUp() override {
        s.Roster[0] = "A";
        s.Roster[1] = "B";
        s.Roster[2] = "C";
        s.Roster[3] = sjis("田中");
        processRandom().seed(4711);
    }
    void TearDown() override { dlg.close(); }

    QStringList titles() const { return {dlg.Edit4->text(), dlg.Edit5->text(), dlg.Edit6->text()}; }
    QStringList names() const { return {dlg.Edit1->text(), dlg.Edit2->text(), dlg.Edit3->text()}; }
    static QStringList list(const char* a, const char* b, const char* c) {
        return {QString::fromUtf8(a), QString::fromUtf8(b), QString::fromUtf8(c)};
    }
    // The name the next tick must show, drawn from a copy of the generator.
    QString nextFlickerName() const {
        Lcg copy = processRandom();
        const int r = copy.next() % memberCount(s.Roster);
        return decodeCp932(s.Roster[static_cast<std::size_t>(r)]);
    }

    Session s;
    TForm4 standings{s};
    TOKBottomDlg4 dlg{s, standings};
};

TEST_F(Announcement, TitlesFollowRanksOfRowsOneToThree) {
    struct Case {
        const char* what;
        std::vector<MatchRecord> matches;
        QStringList expected;
    };
    const std::vector<Case> cases = {
        // B 1.000; A 0.5 at 0.529; 田中 0.5 at 0.471: ranks 1, 2, 3
        {"1,2,3",
         {match("A", "B", "C", sjis("田中"), 6, 2), match("A", "C", "B", sjis("田中"), 3, 6)},
         list("優勝", "２位", "３位")},
        // A and B level in every key, C and 田中 behind: 1, 1, 3
        {"1,1,3", {match("A", "B", "C", sjis("田中"), 6, 2)}, list("優勝", "優勝", "３位")},
        // A 1.000; B and C 0.5 at 0.500: 1, 2, 2
        {"1,2,2",
         {match("A", "B", "C", sjis("田中"), 6, 2), match("A", "C", "B", sjis("田中"), 6, 2)},
         list("優勝", "２位", "２位")},
        // no result yet: everybody first
        {"1,1,1", {match("A", "B", "C", sjis("田中"), 0, 0)}, list("優勝", "優勝", "優勝")},
    };
    for (const Case& c : cases) {
        clearMatches(s.Matches);
        for (std::size_t i = 0; i < c.matches.size(); ++i)
            s.Matches[i] = c.matches[i];
        dlg.show();
        EXPECT_EQ(titles(), c.expected) << c.what;
        EXPECT_EQ(names(), list("", "", "")) << c.what;
        dlg.close();
    }
}

TEST_F(Announcement, RevealsThirdThenSecondThenFirstWhilePendingPlaceFlickers) {
    s.Matches[0] = match("A", "B", "C", sjis("田中"), 6, 2);
    s.Matches[1] = match("A", "C", "B", sjis("田中"), 3, 6);
    dlg.show();
    EXPECT_TRUE(dlg.Timer1->isActive());
    EXPECT_EQ(dlg.Timer1->interval(), 100);
    EXPECT_EQ(dlg.revealStep(), RevealStep::Third);
    EXPECT_TRUE(dlg.Button1->isEnabled());

    // Third place flickers through the roster, drawn from the one generator.
    for (int tick = 0; tick < 5; ++tick) {
        const QString expected = nextFlickerName();
        dlg.Timer1Timer();
        EXPECT_EQ(dlg.Edit3->text(), expected);
    }
    EXPECT_EQ(dlg.Edit1->text(), QString());
    EXPECT_EQ(dlg.Edit2->text(), QString());

    dlg.Button1Click();
    EXPECT_EQ(dlg.Edit3->text(), QStringLiteral("田中"));
    dlg.Timer1Timer();
    dlg.Timer1Timer();
    EXPECT_EQ(dlg.Edit3->text(), QStringLiteral("田中")) << "a revealed place stands still";
    EXPECT_FALSE(dlg.Edit2->text().isEmpty()) << "second place flickers now";
    EXPECT_EQ(dlg.Edit1->text(), QString());

    dlg.Button1->click();
    EXPECT_EQ(dlg.Edit2->text(), QStringLiteral("A"));
    const QString expected = nextFlickerName();
    dlg.Timer1Timer();
    EXPECT_EQ(dlg.Edit1->text(), expected);

    dlg.Button1Click();
    EXPECT_EQ(names(), list("B", "A", "田中"));
    EXPECT_EQ(dlg.revealStep(), RevealStep::Done);
    EXPECT_FALSE(dlg.Timer1->isActive());
    EXPECT_FALSE(dlg.Button1->isEnabled());

    // Nothing moves any more: not a stray tick, not another press.
    const std::uint32_t state = processRandom().state();
    dlg.Timer1Timer();
    dlg.Button1Click();
    EXPECT_EQ(names(), list("B", "A", "田中"));
    EXPECT_EQ(processRandom().state(), state);
}

TEST_F(Announcement, EnterPressesRevealAndDoesNothingAfterTheWinner) {
    s.Matches[0] = match("A", "B", "C", sjis("田中"), 6, 2);
    dlg.show();
    auto pressEnter = [&] {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(&dlg, &enter);
    };
    pressEnter();
    EXPECT_EQ(dlg.revealStep(), RevealStep::Second);
    pressEnter();
    pressEnter();
    EXPECT_EQ(dlg.revealStep(), RevealStep::Done);
    dlg.OKBtn->setFocus();
    pressEnter();
    EXPECT_TRUE(dlg.isVisible()) << "Enter neither presses 閉じる nor closes";
    EXPECT_EQ(names(), list("A", "B", "C"));
}

TEST_F(Announcement, TimerStopsHoweverTheDialogClosesAndReopeningStartsAfresh) {
    s.Matches[0] = match("A", "B", "C", sjis("田中"), 6, 2);

    dlg.show();
    ASSERT_TRUE(dlg.Timer1->isActive());
    dlg.OKBtn->click(); // 閉じる
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_FALSE(dlg.Timer1->isActive());

    dlg.show();
    ASSERT_TRUE(dlg.Timer1->isActive());
    dlg.Button1Click();
    dlg.reject(); // Esc
    EXPECT_FALSE(dlg.Timer1->isActive());

    // Results changed meanwhile: 田中 and C take the next match 6-2, which
    // levels everybody.
    s.Matches[1] = match(sjis("田中"), "C", "A", "B", 6, 2);
    dlg.show();
    EXPECT_EQ(dlg.revealStep(), RevealStep::Third);
    EXPECT_EQ(names(), list("", "", ""));
    EXPECT_EQ(titles(), list("優勝", "優勝", "優勝"));
    dlg.close(); // the title bar's close box
    EXPECT_FALSE(dlg.Timer1->isActive());
    // The announcement refilled the standings window's one table.
    EXPECT_EQ(standings.shownCell(1, 1), QStringLiteral("A"));
    EXPECT_EQ(standings.shownCell(3, 1), QStringLiteral("C"));
}

TEST_F(Announcement, FewerThanThreeMembersLeaveMissingPlacesBlankAndAreSkipped) {
    Session& session = s;
    session.Matches[0] = match("A", "B", "", "", 6, 2); // an opened file naming two members
    dlg.show();
    EXPECT_EQ(titles(), list("優勝", "優勝", ""));
    EXPECT_EQ(dlg.revealStep(), RevealStep::Second);
    dlg.Timer1Timer();
    EXPECT_EQ(dlg.Edit3->text(), QString()) << "an empty place does not flicker";
    EXPECT_FALSE(dlg.Edit2->text().isEmpty());
    dlg.Button1Click();
    dlg.Button1Click();
    EXPECT_EQ(names(), list("A", "B", ""));
    EXPECT_FALSE(dlg.Button1->isEnabled());
}

// L won his only match 1-0 and leads on rates; below the minimum he is not
// announced, and without one he is the winner as before.
TEST_F(Announcement, MembersBelowTheMinimumOfMatchesAreNotAnnounced) {
    s.Matches[0] = match("A", "B", "C", "D", 6, 2);
    s.Matches[1] = match("A", "C", "B", "D", 2, 6);
    s.Matches[2] = match("A", "D", "B", "C", 6, 4);
    s.Matches[3] = match("L", "A", "B", "C", 1, 0);
    struct Case {
        int minMatches;
        QStringList titles;
        QStringList names;
    };
    for (const Case& c : {Case{0, list("優勝", "２位", "３位"), list("L", "A", "D")},
                          Case{3, list("優勝", "２位", "３位"), list("A", "D", "B")},
                          Case{4, list("優勝", "２位", "３位"), list("A", "B", "C")},
                          Case{5, list("", "", ""), list("", "", "")}}) {
        s.MinMatches = c.minMatches;
        dlg.show();
        EXPECT_EQ(titles(), c.titles) << c.minMatches;
        for (int i = 0; i < 3; ++i)
            dlg.Button1Click();
        EXPECT_EQ(names(), c.names) << c.minMatches;
        dlg.close();
    }
}

TEST_F(Announcement, NoMembersAtAllOpensWithoutFailing) {
    dlg.show(); // no match names anybody
    EXPECT_EQ(titles(), list("", "", ""));
    EXPECT_EQ(dlg.revealStep(), RevealStep::Done);
    EXPECT_FALSE(dlg.Button1->isEnabled());
    dlg.Timer1Timer();
    EXPECT_FALSE(dlg.Timer1->isActive());
    dlg.Button1Click();
    EXPECT_EQ(names(), list("", "", ""));
}

TEST_F(Announcement, EmptyRosterLeavesFlickerBoxesUnchangedAndDrawsNothing) {
    s.Matches[0] = match("A", "B", "C", "D", 6, 2);
    s.Roster = MemberRoster{}; // MemberCount 0
    dlg.show();
    const std::uint32_t state = processRandom().state();
    dlg.Timer1Timer();
    EXPECT_EQ(names(), list("", "", ""));
    EXPECT_EQ(processRandom().state(), state);
    dlg.Button1Click();
    EXPECT_EQ(dlg.Edit3->text(), QStringLiteral("C"));
}

TEST_F(Announcement, LongestTextsFitTheirBoxes) {
    dlg.show();
    const QFontMetrics title(dlg.Edit4->font());
    EXPECT_LE(title.horizontalAdvance(QStringLiteral("優勝")) + 4, dlg.Edit4->width());
    const QFontMetrics heading(dlg.Label4->font());
    EXPECT_LE(heading.horizontalAdvance(dlg.Label4->text()), dlg.Label4->width());
    EXPECT_EQ(dlg.size(), QSize(592, 419));
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("順位発表"));
}

TEST(AnnouncementTitles, OnlyRanksOneToThreeHaveATitle) {
    EXPECT_EQ(TOKBottomDlg4::placeTitle(1), QStringLiteral("優勝"));
    EXPECT_EQ(TOKBottomDlg4::placeTitle(2), QStringLiteral("２位"));
    EXPECT_EQ(TOKBottomDlg4::placeTitle(3), QStringLiteral("３位"));
    EXPECT_EQ(TOKBottomDlg4::placeTitle(0), QString());
    EXPECT_EQ(TOKBottomDlg4::placeTitle(4), QString());
    EXPECT_EQ(TOKBottomDlg4::placeTitle(-1), QString());
}

} // namespace
} // namespace pf
