#include "gui_fixture.h"

#include "app/replan_start_dialog.h"
#include "dialogs/schedule_stats_window.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QUndoStack>

namespace pf {
namespace {

using testing_support::GuiFixture;

struct ReplanGuiCase {
    const char* name;
    int start; // typed into the start dialog; 0 keeps the proposal
    bool acceptStart;
    Answer confirm; // to the question about results that would be lost
    bool replanned;
    bool tooFew = false; // all but A, B, C, D, E leave
};

class ReplanCommandTest : public GuiFixture, public ::testing::WithParamInterface<ReplanGuiCase> {
protected:
    // Ten members on two courts, results typed into the first eight matches.
    void openDay() {
        start();
        setRoster({"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"});
        form().session().GenerationMethod = 2;
        setModalRunner([](QDialog& d) { // 今日の回数: all rounds
            d.accept();
            return d.result();
        });
        action("N8")->trigger();
        for (std::size_t s = 0; s < 8; ++s)
            form().session().Matches[s].WinA = 6;
        form().session().Modified = false;
    }
    // The member dialog: "J" leaves, "LATE" is typed in; then the start dialog.
    void script(const ReplanGuiCase& c) {
        setModalRunner([this, c](QDialog& d) {
            if (d.objectName() == QLatin1String("DualListDlg")) {
                offered = static_cast<TDualListDlg&>(d).selected();
                auto* dst = d.findChild<QListWidget*>(QStringLiteral("DstList"));
                for (int i = 0; i < dst->count(); ++i)
                    dst->item(i)->setSelected(c.tooFew
                                                  ? dst->item(i)->text() > QLatin1String("E")
                                                  : dst->item(i)->text() == QLatin1String("J"));
                d.findChild<QToolButton*>(QStringLiteral("ExcludeBtn"))->click();
                d.findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("LATE"));
                d.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
                d.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
                return d.result();
            }
            auto* spin = d.findChild<QSpinBox*>(QStringLiteral("replanStartSpin"));
            proposed = spin->value();
            if (c.start != 0) {
                spin->setValue(c.start);
                chosen = spin->value();
            }
            if (const QByteArray shots = qgetenv("PF_SHOT_DIR"); !shots.isEmpty()) {
                d.show();
                QApplication::processEvents();
                d.grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/replan_start.png"));
            }
            d.findChild<QPushButton*>(c.acceptStart ? QStringLiteral("OKBtn")
                                                    : QStringLiteral("CancelBtn"))
                ->click();
            return d.result();
        });
        ask->answers.push_back(c.confirm);
    }

    std::vector<Name> offered;
    int proposed = 0;
    int chosen = 0;
};

TEST_P(ReplanCommandTest, ReplansTheRestAndUndoesInOneStep) {
    const ReplanGuiCase& c = GetParam();
    openDay();
    const Session before = form().session();
    script(c);
    ASSERT_TRUE(action("replanAction")->isEnabled());
    action("replanAction")->trigger();

    EXPECT_EQ(offered, participantsOf(before.Roster)); // everybody plays after match 8
    EXPECT_EQ(proposed, 9);
    for (const auto& q : ask->asked) {
        if (q.title == QStringLiteral("作り直しの確認")) {
            EXPECT_EQ(q.defaultButton, Answer::No); // Enter keeps the results
        }
    }
    const Session& s = form().session();
    EXPECT_EQ(!ask->asked.empty() && ask->asked.back().text == QString::fromUtf8(MsgTooFewMembers),
              c.tooFew);
    if (!c.replanned) {
        EXPECT_EQ(s.Roster, before.Roster);
        EXPECT_EQ(s.Matches, before.Matches);
        EXPECT_FALSE(s.Modified);
        EXPECT_EQ(form().undoStack()->count(), 0);
        return;
    }
    const int first = c.start == 0 ? 9 : chosen;
    EXPECT_TRUE(s.Modified);
    // J keeps a row only when J played before the change; LATE comes last.
    bool jPlayed = false;
    for (int i = 0; i < first - 1; ++i) {
        const MatchRecord& m = before.Matches[static_cast<std::size_t>(i)];
        jPlayed = jPlayed || m.a == "J" || m.b == "J" || m.c == "J" || m.d == "J";
    }
    const int rows = jPlayed ? 11 : 10;
    EXPECT_EQ(text("Edit38"), QString::number(rows));
    EXPECT_EQ(s.Roster[static_cast<std::size_t>(rows - 1)], "LATE");
    for (int i = 0; i < MaxMatches; ++i) {
        const MatchRecord& m = s.Matches[static_cast<std::size_t>(i)];
        if (i < first - 1) {
            EXPECT_EQ(m, before.Matches[static_cast<std::size_t>(i)]) << i;
            continue;
        }
        EXPECT_FALSE(m.hasScore()) << i;
        for (const Name* x : {&m.a, &m.b, &m.c, &m.d})
            EXPECT_NE(*x, "J") << i;
    }
    // The page of the first re-planned match is on show, and the courts show
    // its round.
    EXPECT_EQ(find<QScrollBar>("ScrollBar1")->value(), (first - 1) / MatchesPerPage);
    EXPECT_EQ(s.CourtCursor, first - 1);
    EXPECT_EQ(find<QLabel>("Label27")->text(),
              QString::number((first - 1) / MatchesPerPage * MatchesPerPage + 1));

    if (const QByteArray shots = qgetenv("PF_SHOT_DIR"); !shots.isEmpty() && c.start == 0) {
        action("scheduleStatsAction")->trigger();
        form().show();
        QApplication::processEvents();
        form().grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/replan_main.png"));
        windows.scheduleStats->grab().save(QString::fromLocal8Bit(shots) +
                                           QStringLiteral("/replan_stats.png"));
        windows.scheduleStats->hide();
    }

    // A result typed after the change, in a match both tables share, stays.
    form().session().Matches[0].WinB = 3;
    action("undoAction")->trigger();
    EXPECT_EQ(s.Matches[0].WinB, 3);
    form().session().Matches[0].WinB = before.Matches[0].WinB;
    EXPECT_EQ(s.Roster, before.Roster);
    EXPECT_EQ(s.Matches, before.Matches);
    EXPECT_EQ(text("Edit38"), QStringLiteral("10"));
    EXPECT_EQ(find<QLineEdit>("Edit1WinA")->text(), QStringLiteral("6"));
    action("redoAction")->trigger();
    EXPECT_EQ(s.Roster[static_cast<std::size_t>(rows - 1)], "LATE");
}

INSTANTIATE_TEST_SUITE_P(
    Choices, ReplanCommandTest,
    ::testing::Values(ReplanGuiCase{"AtTheProposedRound", 0, true, Answer::No, true},
                      ReplanGuiCase{"StartCancelled", 0, false, Answer::Yes, false},
                      ReplanGuiCase{"OverResultsDeclined", 5, true, Answer::No, false},
                      ReplanGuiCase{"OverResultsConfirmed", 5, true, Answer::Yes, true},
                      ReplanGuiCase{"TypedInsideARound", 6, true, Answer::Yes, true},
                      ReplanGuiCase{"TooFewLeft", 0, true, Answer::Ok, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

using ReplanCommandMenu = GuiFixture;

TEST_F(ReplanCommandMenu, IsOnlyOfferedWhileAPairingIsOpen) {
    start();
    EXPECT_FALSE(action("replanAction")->isEnabled());
    setRoster({"A", "B", "C", "D", "E", "F", "G", "H"});
    action("N8")->trigger();
    EXPECT_TRUE(action("replanAction")->isEnabled());
    ask->answers.push_back(Answer::Yes);
    action("C1")->trigger();
    EXPECT_FALSE(action("replanAction")->isEnabled());
}

} // namespace
} // namespace pf
