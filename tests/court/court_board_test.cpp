// The court board: its layout at three screen sizes (every text fits its
// place as measured, nothing overlaps, names at least a twentieth of the
// height unless too long), the round it shares with the court display, the
// counts of the display's boxes shown before they are stored, and who sits
// out.

#include "court/court_board.h"
#include "court/court_display.h"

#include "support/match_helpers.h"
#include "support/sjis.h"
#include "widgets/up_down.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

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

// The part of a text's place its ink takes, for the empty-area check.
QRect inkOf(const BoardText& t) {
    const int w = std::min(t.rect.width(),
                           QFontMetrics(boardFont(t.pixels, t.bold)).horizontalAdvance(t.text));
    if (t.align & Qt::AlignLeft)
        return QRect(t.rect.left(), t.rect.top(), w, t.rect.height());
    if (t.align & Qt::AlignRight)
        return QRect(t.rect.right() + 1 - w, t.rect.top(), w, t.rect.height());
    return QRect(t.rect.center().x() - w / 2, t.rect.top(), w, t.rect.height());
}

class BoardLayoutAt : public testing::TestWithParam<LayoutCase> {};

TEST_P(BoardLayoutAt, EveryTextFitsIsReadableAndNothingOverlaps) {
    const LayoutCase c = GetParam();
    // 127 full-width characters and one more byte: 255 bytes, the longest
    // name a file holds.
    const QString longName =
        c.longName ? QString(127, QChar(0x3042)) + QLatin1Char('x') : QString();
    Session s = dayOf(c.courts, longName);
    s.Matches[0].WinA = s.Matches[0].WinB = 0; // court 1 has no result yet
    BoardContent content = boardContent(s);
    content.clock = QStringLiteral("14:59");
    const BoardLayout layout = layoutBoard(c.size, content, FontMeasure());
    const QRect screen(QPoint(0, 0), c.size);
    const int minName = (c.size.height() + 19) / 20;
    const int minText = (c.size.height() + 39) / 40;

    ASSERT_EQ(layout.courts.size(), std::size_t(c.courts));
    for (std::size_t i = 0; i < layout.courts.size(); ++i) {
        EXPECT_TRUE(screen.contains(layout.courts[i]));
        EXPECT_FALSE(layout.courts[i].intersects(layout.panel)) << "court " << i;
        for (std::size_t j = i + 1; j < layout.courts.size(); ++j)
            EXPECT_FALSE(layout.courts[i].intersects(layout.courts[j])) << i << " " << j;
    }
    std::map<BoardRole, QStringList> byRole;
    QString longShown;
    int longLines = 0;
    for (std::size_t i = 0; i < layout.texts.size(); ++i) {
        const BoardText& t = layout.texts[i];
        const QFontMetrics fm(boardFont(t.pixels, t.bold));
        const std::string what = t.text.toStdString();
        byRole[t.role] << t.text;
        EXPECT_LE(fm.horizontalAdvance(t.text), t.rect.width()) << what;
        EXPECT_LE(fm.height(), t.rect.height()) << what;
        EXPECT_GE(t.pixels, minText) << what;
        EXPECT_TRUE(screen.contains(t.rect)) << what;
        for (std::size_t j = i + 1; j < layout.texts.size(); ++j)
            EXPECT_FALSE(t.rect.intersects(layout.texts[j].rect))
                << what << " / " << layout.texts[j].text.toStdString();
        // On a court or clear of all of them.
        for (const QRect& court : layout.courts)
            EXPECT_TRUE(court.contains(t.rect) || !court.intersects(t.rect)) << what;
        if (t.role == BoardRole::Name) {
            if (t.text.startsWith(QChar(0x3042))) {
                longShown += t.text;
                ++longLines;
            } else {
                EXPECT_GE(t.pixels, minName) << what;
                EXPECT_TRUE(t.text.startsWith(QStringLiteral("会員"))) << what;
            }
        }
    }
    // Names on the courts, the long one on two lines and cut only at its end.
    EXPECT_EQ(byRole[BoardRole::Name].size(), 4 * c.courts + (c.longName ? 1 : 0));
    if (c.longName) {
        EXPECT_EQ(longLines, 2);
        EXPECT_TRUE(longShown.endsWith(QStringLiteral("…")));
    }
    // Court numbers, the round, the clock; counts only for a match with a
    // result, each with its mark.
    QStringList courts;
    for (int k = 1; k <= c.courts; ++k)
        courts << QStringLiteral("コート%1").arg(k);
    EXPECT_EQ(byRole[BoardRole::Court], courts);
    EXPECT_EQ(byRole[BoardRole::Round],
              QStringList{QStringLiteral("第1回 / 全%1回").arg(MaxMatches / c.courts)});
    EXPECT_EQ(byRole[BoardRole::Clock], QStringList{QStringLiteral("14:59")});
    EXPECT_EQ(byRole[BoardRole::Score].size(), c.courts - 1);
    EXPECT_EQ(byRole[BoardRole::Finished].size(), c.courts - 1);
    for (const QString& score : byRole[BoardRole::Score])
        EXPECT_NE(score, QStringLiteral("0 対 0"));
    // Every match of the next round is there with both pairs, on one line
    // or two.
    const QString next = byRole[BoardRole::NextMatch].join(QLatin1Char('\n'));
    for (int k = 0; k < c.courts; ++k)
        EXPECT_TRUE(next.contains(QStringLiteral("第%1試合 ").arg(c.courts + k + 1)))
            << next.toStdString();
    EXPECT_EQ(next.count(QStringLiteral("対 ")), c.courts) << next.toStdString();
    EXPECT_EQ(next.count(QStringLiteral("・")), 2 * c.courts) << next.toStdString();

    // No large empty area: of a 12 × 12 grid over the screen, few cells hold
    // neither a court nor the ink of a text.
    constexpr int Grid = 12;
    int empty = 0;
    for (int gx = 0; gx < Grid; ++gx) {
        for (int gy = 0; gy < Grid; ++gy) {
            const QRect cell(c.size.width() * gx / Grid, c.size.height() * gy / Grid,
                             c.size.width() / Grid, c.size.height() / Grid);
            bool used = std::any_of(layout.courts.begin(), layout.courts.end(),
                                    [&](const QRect& r) { return r.intersects(cell); });
            for (const BoardText& t : layout.texts)
                used = used || inkOf(t).intersects(cell);
            empty += used ? 0 : 1;
        }
    }
    EXPECT_LE(empty, Grid * Grid / 6) << "empty cells";
    if (const QByteArray out = qgetenv("PF_SHOT_DIR"); !out.isEmpty()) {
        CourtBoard board(s);
        board.resize(c.size);
        board.grab().save(QString::fromLocal8Bit(out) +
                          QStringLiteral("/board_%1.png").arg(QLatin1String(c.name)));
    }
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

namespace {

using namespace pf;

// The clock on the board: S, P and R, the chime once at zero, the flash,
// and the next round starting it again when the organiser asked for that.
TEST(CourtBoardClock, KeysDriveTheClockAndZeroChimesOnceAndFlashes) {
    Session session = dayOf(3, QString(20, QChar(0x9577)));
    session.RoundMinutes = 12;
    std::int64_t now = 0;
    CourtBoard board(session, nullptr, [&now] { return now; });
    int chimes = 0;
    board.setChime([&chimes] { ++chimes; });
    auto press = [&board](int key) {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&board, &e);
    };
    EXPECT_EQ(board.content().clock, QStringLiteral("12:00"));
    press(Qt::Key_S);
    now = 2 * 60000;
    EXPECT_EQ(board.content().clock, QStringLiteral("10:00"));
    press(Qt::Key_P);
    now = 30 * 60000;
    board.tick();
    EXPECT_EQ(board.content().clock, QStringLiteral("10:00"));
    EXPECT_EQ(chimes, 0);
    press(Qt::Key_S);
    now += 10 * 60000;
    board.tick();
    board.tick();
    EXPECT_EQ(chimes, 1);
    EXPECT_TRUE(board.clock().flashOn());
    board.resize(1920, 1080);
    if (const QByteArray out = qgetenv("PF_SHOT_DIR"); !out.isEmpty()) {
        // The shot shows a running clock, not the flash.
        press(Qt::Key_R);
        press(Qt::Key_S);
        now += 3 * 60000 + 25000;
        session.Matches[1].WinA = session.Matches[1].WinB = 0;
        board.grab().save(QString::fromLocal8Bit(out) + QStringLiteral("/board_1080p.png"));
    }
    press(Qt::Key_R);
    EXPECT_EQ(board.content().clock, QStringLiteral("12:00"));
    EXPECT_FALSE(board.clock().flashing());

    // Stepping on restarts the clock only when asked to.
    board.nextRound();
    EXPECT_FALSE(board.clock().running());
    board.setClockRestart(true);
    board.nextRound();
    EXPECT_TRUE(board.clock().running());
    EXPECT_EQ(session.ClockRestart, 1);
    now += 60000;
    session.CourtCursor += 3; // the court display moved on
    board.refresh();
    EXPECT_EQ(board.content().clock, QStringLiteral("12:00"));
    board.setRoundMinutes(20);
    EXPECT_EQ(session.RoundMinutes, 20);
}

} // namespace
