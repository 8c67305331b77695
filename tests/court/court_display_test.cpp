// The court display on a session: labels and names of the shown round, the
// counts stored back on every move and on every way of closing, the arrows
// within 0 … 20 and marking the pairing modified, the buttons at both ends,
// and the layout for one to three courts.

#include "court/court_display.h"

#include "court/court_view.h"
#include "model/text_codec.h"
#include "sjis.h"
#include "widgets/up_down.h"

#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QUndoStack>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

using pf::TOKBottomDlg2;

using pf::test::sjis;

// A day for 12 members: slot i holds "A<i>", "B<i>", "C<i>", "D<i>" and the
// counts i % 7 and (i + 3) % 7.
pf::Session dayWith(int courts) {
    pf::Session s;
    s.PairingOpen = true;
    s.CourtCount = courts;
    for (int i = 0; i < pf::MaxMatches; ++i) {
        auto& m = s.Matches[static_cast<std::size_t>(i)];
        m.a = sjis(QStringLiteral("A%1").arg(i + 1));
        m.b = sjis(QStringLiteral("B%1").arg(i + 1));
        m.c = sjis(QStringLiteral("C%1").arg(i + 1));
        m.d = sjis(QStringLiteral("D%1").arg(i + 1));
        m.WinA = i % 7;
        m.WinB = (i + 3) % 7;
    }
    return s;
}

class CourtDisplay : public testing::Test {
protected:
    pf::Session session = dayWith(2);
    TOKBottomDlg2 dlg{session};

    void TearDown() override {
        if (dlg.isVisible())
            dlg.closeButton()->click();
    }
    QString label(int k) const { return dlg.court(k).shiai->text(); }
    QString winA(int k) const { return dlg.court(k).winA->text(); }
    QString winB(int k) const { return dlg.court(k).winB->text(); }
    void open(int courts, int cursor) {
        session.CourtCount = courts;
        session.CourtCursor = cursor;
        dlg.show();
    }
    static void clicks(pf::UpDown* u, int times) {
        QToolButton* b = times > 0 ? u->upButton() : u->downButton();
        for (int i = 0; i < std::abs(times); ++i)
            b->click();
    }
};

TEST_F(CourtDisplay, IsAnAlwaysOnTopGreenWindowWithoutCloseBox) {
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("試合開始"));
    EXPECT_TRUE(dlg.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(dlg.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(dlg.prevButton()->text(), QStringLiteral("＜前"));
    EXPECT_EQ(dlg.closeButton()->text(), QStringLiteral("閉じる"));
    EXPECT_EQ(dlg.nextButton()->text(), QStringLiteral("次＞"));
    EXPECT_TRUE(dlg.closeButton()->isDefault());

    open(1, 0);
    const QImage shot = dlg.grab().toImage();
    EXPECT_EQ(shot.pixelColor(4, 4), QColor(0, 128, 0));
    // On court 1 (at 8, 56): grass, a service line at x 97, the net at x 197.
    EXPECT_EQ(shot.pixelColor(8 + 50, 56 + 40), QColor(0, 128, 0));
    EXPECT_EQ(shot.pixelColor(8 + 97, 56 + 40), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(8 + 150, 56 + 59), QColor(Qt::white));
    EXPECT_NE(shot.pixelColor(8 + 200, 56 + 40), QColor(0, 128, 0));
}

TEST_F(CourtDisplay, LayoutFollowsTheCourtCount) {
    struct Case {
        int courts, buttonTop, height;
    };
    for (const Case c :
         {Case{1, 210, 270}, Case{2, 390, 440}, Case{3, 570, 620}, Case{1, 210, 270}}) {
        open(c.courts, 0);
        EXPECT_EQ(dlg.height(), c.height) << c.courts;
        EXPECT_EQ(dlg.width(), 418);
        for (QPushButton* b : {dlg.prevButton(), dlg.closeButton(), dlg.nextButton()})
            EXPECT_EQ(b->y(), c.buttonTop) << c.courts;
        EXPECT_EQ(dlg.prevButton()->x(), 72);
        EXPECT_EQ(dlg.closeButton()->x(), 172);
        EXPECT_EQ(dlg.nextButton()->x(), 272);
        for (int k = 0; k < 3; ++k) {
            const auto& court = dlg.court(k);
            for (QWidget* w :
                 std::initializer_list<QWidget*>{court.shiai, court.panel, court.boxA, court.boxB})
                EXPECT_EQ(w->isVisible(), k < c.courts) << c.courts << " court " << k + 1;
        }
        EXPECT_EQ(dlg.court(2).panel->geometry(), QRect(8, 424, 400, 120));
        dlg.closeButton()->click();
    }
}

void key(QWidget* w, int key, const QString& text = {}) {
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &e);
}

void wheel(QWidget* w, int notches) {
    QWheelEvent e(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

// Digits typed over a count, Tab and Enter on to the next box and from the
// last box to the next round, the wheel as the arrows; stored as steps of
// the one history, which takes them back one by one.
TEST_F(CourtDisplay, TypedCountsTabEnterAndWheelAreUndoStepsOfTheHistory) {
    QUndoStack history;
    dlg.setScoreHistory(&history, {});
    open(2, 0);
    QApplication::setActiveWindow(&dlg);
    const auto& c0 = dlg.court(0);
    const auto& c1 = dlg.court(1);
    c0.winA->setFocus();
    c0.winA->selectAll();
    key(c0.winA, Qt::Key_1, QStringLiteral("1"));
    key(c0.winA, Qt::Key_2, QStringLiteral("2"));
    key(c0.winA, Qt::Key_5, QStringLiteral("5")); // 125 is refused as it is typed
    EXPECT_EQ(winA(0), QStringLiteral("12"));
    EXPECT_TRUE(session.Modified);
    key(c0.winA, Qt::Key_Tab);
    EXPECT_TRUE(c0.winB->hasFocus());
    c0.winB->selectAll();
    key(c0.winB, Qt::Key_7, QStringLiteral("7"));
    key(c0.winB, Qt::Key_Return);
    EXPECT_TRUE(c1.winA->hasFocus());
    wheel(c1.winA, 1); // match 2: 1 → 2
    EXPECT_EQ(winA(1), QStringLiteral("2"));
    EXPECT_EQ(history.count(), 0) << "stored when the round moves";
    key(c1.winA, Qt::Key_Tab);
    key(c1.winB, Qt::Key_Enter); // the last box of the round: on to the next
    EXPECT_EQ(session.CourtCursor, 2);
    EXPECT_TRUE(c0.winA->hasFocus());
    EXPECT_EQ(session.Matches[0].WinA, 12);
    EXPECT_EQ(session.Matches[0].WinB, 7);
    EXPECT_EQ(session.Matches[1].WinA, 2);
    ASSERT_EQ(history.count(), 3);
    history.undo();
    EXPECT_EQ(session.Matches[1].WinA, 1);
    history.undo();
    history.undo();
    EXPECT_EQ(session.Matches[0].WinA, 0);
    EXPECT_EQ(session.Matches[0].WinB, 3);
}

TEST_F(CourtDisplay, TwoCourtsWalkRoundByRoundStoringTheCounts) {
    open(2, 0);
    EXPECT_EQ(label(0), QStringLiteral("第1試合"));
    EXPECT_EQ(label(1), QStringLiteral("第2試合"));
    EXPECT_EQ(dlg.court(0).nameA->text(), QStringLiteral("A1"));
    EXPECT_EQ(dlg.court(0).nameB->text(), QStringLiteral("B1"));
    EXPECT_EQ(dlg.court(1).nameC->text(), QStringLiteral("C2"));
    EXPECT_EQ(dlg.court(1).nameD->text(), QStringLiteral("D2"));
    EXPECT_EQ(winA(0), QStringLiteral("0"));
    EXPECT_EQ(winB(1), QStringLiteral("4"));
    EXPECT_FALSE(dlg.prevButton()->isEnabled());
    EXPECT_TRUE(dlg.nextButton()->isEnabled());

    clicks(dlg.court(0).upDownA, 6);  // match 1: 0 → 6
    clicks(dlg.court(1).upDownB, -2); // match 2: 4 → 2
    EXPECT_EQ(session.Matches[0].WinA, 0) << "only a move or a close stores";

    dlg.nextButton()->click();
    EXPECT_EQ(session.Matches[0].WinA, 6);
    EXPECT_EQ(session.Matches[0].WinB, 3);
    EXPECT_EQ(session.Matches[1].WinB, 2);
    EXPECT_EQ(session.CourtCursor, 2);
    EXPECT_EQ(label(0), QStringLiteral("第3試合"));
    EXPECT_EQ(label(1), QStringLiteral("第4試合"));
    EXPECT_EQ(dlg.court(0).nameA->text(), QStringLiteral("A3"));
    EXPECT_EQ(winA(1), QStringLiteral("3"));
    EXPECT_TRUE(dlg.prevButton()->isEnabled());

    dlg.prevButton()->click();
    EXPECT_EQ(session.CourtCursor, 0);
    EXPECT_EQ(winA(0), QStringLiteral("6"));
    EXPECT_EQ(winB(1), QStringLiteral("2"));
}

TEST_F(CourtDisplay, ButtonsAreDisabledAtBothEnds) {
    open(3, 117);
    EXPECT_EQ(label(0), QStringLiteral("第118試合"));
    EXPECT_EQ(label(2), QStringLiteral("第120試合"));
    EXPECT_FALSE(dlg.nextButton()->isEnabled());
    EXPECT_TRUE(dlg.prevButton()->isEnabled());
    dlg.prevButton()->click();
    EXPECT_EQ(label(0), QStringLiteral("第115試合"));
    EXPECT_TRUE(dlg.nextButton()->isEnabled());
    dlg.closeButton()->click();

    open(1, 119);
    EXPECT_EQ(label(0), QStringLiteral("第120試合"));
    EXPECT_FALSE(dlg.nextButton()->isEnabled());
    EXPECT_TRUE(dlg.prevButton()->isEnabled());
    dlg.prevButton()->click();
    EXPECT_EQ(label(0), QStringLiteral("第119試合"));
    EXPECT_TRUE(dlg.nextButton()->isEnabled());
    dlg.closeButton()->click();

    open(1, 0);
    EXPECT_FALSE(dlg.prevButton()->isEnabled());
    dlg.nextButton()->click();
    EXPECT_EQ(label(0), QStringLiteral("第2試合"));
    EXPECT_TRUE(dlg.prevButton()->isEnabled());
}

TEST_F(CourtDisplay, ThreeCourtsWalkToTheLastRoundInFortySteps) {
    open(3, 0);
    int moves = 0;
    while (dlg.nextButton()->isEnabled()) {
        dlg.nextButton()->click();
        ++moves;
    }
    EXPECT_EQ(moves, 39);
    EXPECT_EQ(session.CourtCursor, 117);
    // Walking stored every count as it was: nothing changed by moving alone.
    EXPECT_EQ(session.Matches, dayWith(3).Matches);
    EXPECT_FALSE(session.Modified);
}

TEST_F(CourtDisplay, ArrowsStayWithinZeroToTwentyAndMarkThePairingModified) {
    open(1, 0);
    EXPECT_FALSE(session.Modified);
    clicks(dlg.court(0).upDownA, -1); // already 0
    EXPECT_EQ(winA(0), QStringLiteral("0"));
    EXPECT_TRUE(session.Modified) << "every click counts, as in the main window";
    clicks(dlg.court(0).upDownB, 30);
    EXPECT_EQ(winB(0), QStringLiteral("20"));
    session.Modified = false;
    clicks(dlg.court(0).upDownB, 1); // already 20
    EXPECT_EQ(winB(0), QStringLiteral("20"));
    EXPECT_TRUE(session.Modified);
    dlg.closeButton()->click();
    EXPECT_EQ(session.Matches[0].WinA, 0);
    EXPECT_EQ(session.Matches[0].WinB, 20);
}

TEST_F(CourtDisplay, ReopensAtTheSameRoundAndEveryCloseKeepsTheCounts) {
    open(2, 0);
    dlg.nextButton()->click();
    dlg.nextButton()->click();
    dlg.nextButton()->click();
    clicks(dlg.court(1).upDownA, 1); // match 8
    dlg.closeButton()->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(session.CourtCursor, 6);
    EXPECT_EQ(session.Matches[7].WinA, 7 % 7 + 1);

    dlg.show();
    EXPECT_EQ(label(0), QStringLiteral("第7試合"));
    EXPECT_EQ(label(1), QStringLiteral("第8試合"));
    clicks(dlg.court(0).upDownB, 1); // match 7: 2 → 3
    dlg.reject();                    // Esc
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(session.Matches[6].WinB, 3);

    dlg.show();
    clicks(dlg.court(0).upDownB, 1); // 3 → 4
    dlg.close();                     // the window manager
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(session.Matches[6].WinB, 4);

    // The main window resets the cursor when the court count changes.
    session.CourtCount = 3;
    session.CourtCursor = 0;
    dlg.show();
    EXPECT_EQ(label(0), QStringLiteral("第1試合"));
    EXPECT_EQ(label(2), QStringLiteral("第3試合"));
}

TEST_F(CourtDisplay, ACursorOutsideTheTableOrBetweenRoundsIsBroughtToARound) {
    open(3, 7);
    EXPECT_EQ(session.CourtCursor, 6);
    EXPECT_EQ(label(0), QStringLiteral("第7試合"));
    dlg.closeButton()->click();

    open(2, 500);
    EXPECT_EQ(session.CourtCursor, 118);
    EXPECT_EQ(label(1), QStringLiteral("第120試合"));
    dlg.closeButton()->click();

    open(9, -4); // not a court count the up-down allows
    EXPECT_EQ(session.CourtCursor, 0);
    EXPECT_TRUE(dlg.court(2).panel->isVisible());
    EXPECT_EQ(label(2), QStringLiteral("第3試合"));
}

TEST_F(CourtDisplay, ClosingWhatWasNeverShownWritesNothing) {
    const pf::MatchTable before = session.Matches;
    dlg.done(QDialog::Accepted);
    EXPECT_EQ(session.Matches, before);
}

TEST_F(CourtDisplay, EmptySlotsAndShiftJisNamesAreShownAsStored) {
    session.Matches[0] = pf::MatchRecord{};
    session.Matches[1].a = sjis(QStringLiteral("山田　太郎"));
    session.Matches[1].d = sjis(QStringLiteral("髙橋～"));
    session.Matches[1].WinA = 25; // from a file: shown and kept as it is
    open(2, 0);
    EXPECT_EQ(dlg.court(0).nameA->text(), QString());
    EXPECT_EQ(dlg.court(0).nameD->text(), QString());
    EXPECT_EQ(winA(0), QStringLiteral("0"));
    EXPECT_EQ(winB(0), QStringLiteral("0"));
    EXPECT_EQ(dlg.court(1).nameA->text(), QStringLiteral("山田　太郎"));
    EXPECT_EQ(pf::encodeCp932(dlg.court(1).nameD->text()).value(), session.Matches[1].d);
    EXPECT_EQ(winA(1), QStringLiteral("25"));
    dlg.closeButton()->click();
    EXPECT_EQ(session.Matches[1].WinA, 25);
    EXPECT_TRUE(session.Matches[0].isEmpty());
    EXPECT_FALSE(session.Modified);
}

} // namespace
