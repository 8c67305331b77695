// The windows the main window's commands open: created once at start-up,
// hidden, and each command reaching the right one with the session.

#include "gui_fixture.h"

#include "court/court_board.h"
#include "court/court_display.h"
#include "dialogs/about_dialog.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/settings_store.h"
#include "files/html_options_dialog.h"
#include "standings/announcement_dialog.h"
#include "standings/standings_window.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QToolButton>

using namespace pf;
using namespace pf::testing_support;

namespace {

class CommandWindowsTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        start();
    }
    void generate() {
        setRoster({"青木", "石田", "上野", "江藤", "岡本", "加藤", "木村", "工藤"});
        find<QPushButton>("SpeedButton3")->click();
        ASSERT_TRUE(form().session().PairingOpen);
    }
};

TEST_F(CommandWindowsTest, StartUpCreatesEveryWindowOnceAndHidden) {
    const std::vector<QWidget*> all = {
        windows.dualListDlg,  windows.okBottomDlg,  windows.form4,        windows.okBottomDlg1,
        windows.okBottomDlg2, windows.okBottomDlg3, windows.okBottomDlg4, windows.htmlSaveCustom};
    for (QWidget* w : all) {
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(w->parent(), &form()); // freed with the main window
    }
    EXPECT_EQ(form().findChildren<TForm4*>().size(), 1);
    EXPECT_EQ(form().findChildren<TOKBottomDlg2*>().size(), 1);
}

TEST_F(CommandWindowsTest, CourtDisplayCountsShowOnTheMatchPanelsAfterwards) {
    generate();
    form().session().Modified = false;
    setModalRunner([this](QDialog& d) {
        EXPECT_EQ(&d, windows.okBottomDlg2);
        d.show(); // as the modal loop would: showing loads the round
        for (int i = 0; i < 5; ++i)
            windows.okBottomDlg2->court(1).upDownB->upButton()->click();
        windows.okBottomDlg2->closeButton()->click();
        return d.result();
    });
    find<QPushButton>("SpeedButton5")->click();
    EXPECT_EQ(form().session().Matches[1].WinB, 5);
    EXPECT_TRUE(form().session().Modified);
    EXPECT_EQ(text("Edit2WinB"), QStringLiteral("5"));
}

TEST_F(CommandWindowsTest, StandingsFollowACountChangedInTheMainWindow) {
    generate();
    action("T1")->trigger();
    TForm4* standings = windows.form4;
    EXPECT_TRUE(standings->isVisible());
    EXPECT_EQ(standings->table().cell(1, 0), "1");
    EXPECT_EQ(standings->table().cell(1, 3), "0");

    arrow("UpDown1", true, 6);
    arrow("UpDown2", true, 2);
    action("T1")->trigger(); // brought forward again: recomputed
    const MatchRecord& m = form().session().Matches[0];
    EXPECT_EQ(standings->table().cell(1, 1), m.a); // a winner of match 1 leads
    EXPECT_EQ(standings->table().cell(1, 3), "1");
    EXPECT_EQ(standings->table().cell(1, 10), "0.750");
    standings->close();
}

TEST_F(CommandWindowsTest, SettingsDialogChangesTheRuleOnlyOnOk) {
    Session& s = form().session();
    s.RankingMethod = 7; // a value from elsewhere, kept until the dialog is confirmed
    setModalRunner([](QDialog& d) {
        d.findChild<QRadioButton*>(QStringLiteral("RadioButton1"))->click();
        d.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
        return d.result();
    });
    action("C2")->trigger();
    EXPECT_EQ(s.RankingMethod, 7);
    EXPECT_EQ(s.GenerationMethod, 1);
    // What another process (the next start after a kill) would read.
    const auto stored = [] {
        QSettings store(QSettings::defaultFormat(), QSettings::UserScope,
                        QStringLiteral("Sorvanta"), QStringLiteral("PAIRFORGE"));
        return store.contains(QStringLiteral("CONFIG/Seisei")) ? std::optional(loadSettings(store))
                                                               : std::nullopt;
    };
    EXPECT_FALSE(stored().has_value()); // Cancel stores nothing

    setModalRunner([](QDialog& d) {
        d.findChild<QRadioButton*>(QStringLiteral("RadioButton1"))->click();
        d.findChild<QRadioButton*>(QStringLiteral("RadioButton3"))->click();
        d.findChild<QRadioButton*>(QStringLiteral("RadioButton6"))->click();
        d.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        return d.result();
    });
    action("C2")->trigger();
    EXPECT_EQ(s.GenerationMethod, 0);
    EXPECT_EQ(s.RankingMethod, 0);
    EXPECT_EQ(s.CsvMode, 1);
    // Confirmed: stored at once, as the exit stores them.
    EXPECT_EQ(stored(), settingsOf(s));

    // The choice is what the program starts with next time.
    windows = {};
    EXPECT_EQ(stored(), (Settings{0, 0, 1}));
}

TEST_F(CommandWindowsTest, TheOtherRulesColumnsAfterASettingsChange) {
    generate();
    action("T1")->trigger();
    EXPECT_EQ(windows.form4->table().cell(0, 2), encodeCp932(QStringLiteral("試合数")));
    setModalRunner([](QDialog& d) {
        d.findChild<QRadioButton*>(QStringLiteral("RadioButton4"))->click();
        d.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        return d.result();
    });
    action("C2")->trigger();
    action("T1")->trigger();
    EXPECT_EQ(windows.form4->table().cell(0, 2), encodeCp932(QStringLiteral("ゲーム数")));
    EXPECT_TRUE(windows.form4->table().cell(0, 6).empty());
    windows.form4->close();
}

TEST_F(CommandWindowsTest, AnnouncementAndAboutRunModally) {
    generate();
    std::vector<QDialog*> ran;
    setModalRunner([&ran](QDialog& d) {
        ran.push_back(&d);
        d.reject();
        return d.result();
    });
    find<QPushButton>("SpeedButton6")->click();
    action("N4")->trigger();
    ASSERT_EQ(ran.size(), 2u);
    EXPECT_EQ(ran[0], windows.okBottomDlg4);
    EXPECT_EQ(ran[1], windows.okBottomDlg);
}

} // namespace

namespace {

TEST_F(CommandWindowsTest, CourtBoardOpensBesideTheMainWindowAndFollowsItsCounts) {
    QAction* board = action("courtBoardAction");
    EXPECT_EQ(board->text(), QStringLiteral("コート表示(&C)"));
    EXPECT_EQ(board->shortcut(), QKeySequence(Qt::Key_F11));
    EXPECT_FALSE(board->isEnabled());
    generate();
    ASSERT_TRUE(board->isEnabled());
    int told = 0;
    QObject::connect(&form(), &TForm1::matchesChanged, [&told] { ++told; });

    board->trigger();
    auto* shown = find<CourtBoard>("courtBoard");
    ASSERT_TRUE(shown->isVisible());
    EXPECT_TRUE(shown->isFullScreen());
    EXPECT_TRUE(shown->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(form().isEnabled()) << "not modal";

    arrow("UpDown4", true, 3); // match 2, pair B
    EXPECT_GT(told, 0);
    EXPECT_EQ(shown->content().courts[1].winB, 3);

    form().session().Modified = false;
    action("C1")->trigger(); // nothing to show any more
    EXPECT_FALSE(shown->isVisible());
    EXPECT_FALSE(board->isEnabled());
}

} // namespace
