// The court board: its layout at three screen sizes (every text fits its
// place as measured, nothing overlaps, names at least a twentieth of the
// height unless too long), the round it shares with the court display, the
// counts of the display's boxes shown before they are stored, and who sits
// out.

#include "dialogs/court_board.h"
#include "dialogs/court_display.h"

#include "app/up_down.h"
#include "support/match_helpers.h"
#include "support/sjis.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using namespace pf;

// 20 members "会員01" … "会員20"; slot i is played by four members in turn,
// so that every round of up to three courts has twelve different names.
Session dayOf(int courts, const QString& longName = {}) {
    Session s;
    s.PairingOpen = true;
    s.CourtCount = courts;
    for (int i = 0; i < 20; ++i)
        s.Roster[static_cast<std::size_t>(i)] =
            test::sjis(QStringLiteral("会員%1").arg(i + 1, 2, 10, QLatin1Char('0')));
    if (!longName.isEmpty())
        s.Roster[0] = test::sjis(longName);
    for (int slot = 0; slot < MaxMatches; ++slot) {
        MatchRecord& m = s.Matches[static_cast<std::size_t>(slot)];
        auto member = [&](int j) {
            return s.Roster[static_cast<std::size_t>((slot * 4 + j) % 20)];
        };
        m = test::match(member(0), member(1), member(2), member(3), slot % 7, 6 - slot % 7);
    }
    return s;
}

// The first slot whose record differs, -1 when none does.
int firstChanged(const Session& a, const Session& b) {
    for (int i = 0; i < MaxMatches; ++i)
        if (!(a.Matches[static_cast<std::size_t>(i)] == b.Matches[static_cast<std::size_t>(i)]))
            return i;
    return -1;
}

struct LayoutCase {
    const char* name;
    QSize size;
    int courts;
    bool longName;
};

class BoardLayoutAt : public testing::TestWithParam<LayoutCase> {};

TEST_P(BoardLayoutAt, EveryTextFitsAndNothingOverlaps) {
    const LayoutCase c = GetParam();
    // 127 full-width characters: 254 bytes, about the longest name a file holds.
    const QString longName = c.longName ? QString(127, QChar(0x3042)) : QString();
    const Session s = dayOf(c.courts, longName);
    const BoardContent content = boardContent(s);
    const BoardLayout layout = layoutBoard(c.size, content, FontMeasure());
    const QRect screen(QPoint(0, 0), c.size);
    const int minName = (c.size.height() + 19) / 20;

    ASSERT_EQ(layout.courts.size(), std::size_t(c.courts));
    for (std::size_t i = 0; i < layout.courts.size(); ++i) {
        EXPECT_TRUE(screen.contains(layout.courts[i]));
        EXPECT_FALSE(layout.courts[i].intersects(layout.panel)) << "court " << i;
        for (std::size_t j = i + 1; j < layout.courts.size(); ++j)
            EXPECT_FALSE(layout.courts[i].intersects(layout.courts[j])) << i << " " << j;
    }
    int names = 0;
    for (std::size_t i = 0; i < layout.texts.size(); ++i) {
        const BoardText& t = layout.texts[i];
        const QFontMetrics fm(boardFont(t.pixels, t.bold));
        const std::string what = t.text.toStdString();
        EXPECT_LE(fm.horizontalAdvance(t.text), t.rect.width()) << what;
        EXPECT_LE(fm.height(), t.rect.height()) << what;
        EXPECT_TRUE(screen.contains(t.rect)) << what;
        for (std::size_t j = i + 1; j < layout.texts.size(); ++j)
            EXPECT_FALSE(t.rect.intersects(layout.texts[j].rect))
                << what << " / " << layout.texts[j].text.toStdString();
        // On a court or clear of all of them.
        for (const QRect& court : layout.courts)
            EXPECT_TRUE(court.contains(t.rect) || !court.intersects(t.rect)) << what;
        if (t.role == BoardRole::Name) {
            ++names;
            if (t.text.startsWith(QChar(0x3042))) {
                EXPECT_TRUE(t.text.endsWith(QStringLiteral("…"))) << "cut, not squeezed away";
            } else {
                EXPECT_GE(t.pixels, minName) << what;
                EXPECT_TRUE(t.text.startsWith(QStringLiteral("会員"))) << what;
            }
        }
    }
    EXPECT_EQ(names, 4 * c.courts);
}

std::vector<LayoutCase> layoutCases() {
    std::vector<LayoutCase> cases;
    static const char* const names[3][3][2] = {{{"HD_1court", "HD_1court_longName"},
                                                {"HD_2courts", "HD_2courts_longName"},
                                                {"HD_3courts", "HD_3courts_longName"}},
                                               {{"FullHD_1court", "FullHD_1court_longName"},
                                                {"FullHD_2courts", "FullHD_2courts_longName"},
                                                {"FullHD_3courts", "FullHD_3courts_longName"}},
                                               {{"UHD_1court", "UHD_1court_longName"},
                                                {"UHD_2courts", "UHD_2courts_longName"},
                                                {"UHD_3courts", "UHD_3courts_longName"}}};
    const QSize sizes[3] = {{1280, 720}, {1920, 1080}, {3840, 2160}};
    for (int s = 0; s < 3; ++s)
        for (int courts = 1; courts <= 3; ++courts)
            for (int l = 0; l < 2; ++l)
                cases.push_back({names[s][courts - 1][l], sizes[s], courts, l == 1});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Screens, BoardLayoutAt, testing::ValuesIn(layoutCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// The display and the board on one session, stepped in turn.
class SharedRound : public testing::TestWithParam<int> {
protected:
    Session session = dayOf(GetParam());
    TOKBottomDlg2 display{session};
    CourtBoard board{session};

    void TearDown() override {
        if (display.isVisible())
            display.closeButton()->click();
    }
    int displayed() const { return display.court(0).shiai->text().mid(1).chopped(2).toInt(); }
    int onBoard() const { return board.content().courts.front().number; }
    void press(int key) {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&board, &e);
    }
};

TEST_P(SharedRound, BothWindowsShowTheSameRoundAtEveryStep) {
    const int n = GetParam();
    display.show();
    int expected = 1;
    for (int step = 0; step < MaxMatches / n + 2; ++step) { // two steps past the end
        ASSERT_EQ(displayed(), expected) << step;
        ASSERT_EQ(onBoard(), expected) << step;
        if (step % 2 == 0)
            press(Qt::Key_Right);
        else
            display.nextButton()->click();
        // The display shows a round the board moved to when it is next filled.
        display.closeButton()->click();
        display.show();
        expected = std::min(expected + n, MaxMatches - n + 1);
    }
    EXPECT_FALSE(display.nextButton()->isEnabled());
    press(Qt::Key_Left);
    display.closeButton()->click();
    display.show();
    EXPECT_EQ(displayed(), MaxMatches - 2 * n + 1);
    EXPECT_EQ(onBoard(), displayed());
    // Back to the first round and one step past it.
    for (int i = 0; i < MaxMatches; ++i)
        press(Qt::Key_Left);
    EXPECT_EQ(onBoard(), 1);
    display.closeButton()->click();
    display.show();
    EXPECT_EQ(displayed(), 1);
    EXPECT_FALSE(display.prevButton()->isEnabled());
    EXPECT_EQ(firstChanged(session, dayOf(n)), -1) << "stepping changes no count";
    EXPECT_FALSE(session.Modified);

    // The main window resets the cursor when the court count changes.
    display.closeButton()->click();
    press(Qt::Key_Space);
    session.CourtCount = n % 3 + 1;
    session.CourtCursor = 0;
    display.show();
    EXPECT_EQ(displayed(), 1);
    EXPECT_EQ(onBoard(), 1);
    EXPECT_EQ(board.content().courts.size(), std::size_t(n % 3 + 1));
}

INSTANTIATE_TEST_SUITE_P(Courts, SharedRound, testing::Values(1, 2, 3),
                         [](const auto& info) { return std::to_string(info.param) + "courts"; });

TEST(CourtBoard, ShowsTheDisplaysCountsBeforeTheyAreStoredAndWhoSitsOut) {
    Session session = dayOf(2);
    TOKBottomDlg2 display{session};
    CourtBoard board{session};
    board.setPendingCounts([&display] { return display.shownCounts(); });
    int told = 0;
    QObject::connect(&display, &TOKBottomDlg2::shownChanged, [&told] { ++told; });

    display.show();
    display.court(1).upDownA->upButton()->click(); // match 2: 1 → 2
    EXPECT_GT(told, 0);
    EXPECT_EQ(session.Matches[1].WinA, 1) << "stored only when the round moves";
    const BoardContent shown = board.content();
    EXPECT_EQ(shown.courts[1].winA, 2);
    EXPECT_EQ(shown.courts[0].winB, 6);
    ASSERT_EQ(shown.next.size(), 2u);
    EXPECT_EQ(shown.next[0].number, 3);
    EXPECT_EQ(shown.next[1].d, QStringLiteral("会員16"));
    // Round 1 is played by members 1 to 8; 9 to 20 sit out, in roster order.
    ASSERT_EQ(shown.sitters.size(), 12);
    EXPECT_EQ(shown.sitters.front(), QStringLiteral("会員09"));
    EXPECT_EQ(shown.sitters.back(), QStringLiteral("会員20"));
    display.closeButton()->click();
    EXPECT_EQ(board.content().courts[1].winA, 2);
    EXPECT_EQ(session.Matches[1].WinA, 2);

    // The last round has no next one.
    session.CourtCursor = MaxMatches - 2;
    EXPECT_TRUE(board.content().next.empty());
}

} // namespace
