// The main window driven through its components' names: start-up state,
// a whole day from member selection to scores, paging, the court count,
// closing the pairing and the window, the roster rules and the help page.

#include "gui_fixture.h"

#include "dialogs/settings_store.h"
#include "model/session.h"

#include <QApplication>
#include <QKeyEvent>
#include <set>

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <map>

using namespace pf;
using namespace pf::testing_support;

namespace {

const QString Title = QStringLiteral("ペアフォージ(PAIRFORGE)");
const QColor Green(0, 128, 0);

const char* const PairingCommands[] = {"C1", "N6", "R1", "CSVT1", "HTMLH1", "G1", "T1", "S2"};
const char* const PairingButtons[] = {"SpeedButton4", "SpeedButton5", "SpeedButton6"};
const char* const AlwaysOn[] = {"O1", "X1", "E1", "C2", "R2", "N4"};

class MainWindowTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        start();
    }
    QColor panelColour(int n) {
        return find<QFrame>(QStringLiteral("Panel%1").arg(n).toLatin1().constData())
            ->palette()
            .color(QPalette::Window);
    }
    bool separatorShown(int n) {
        return !find<QFrame>(QStringLiteral("Panel%1").arg(n).toLatin1().constData())->isHidden();
    }
    void generate(std::vector<const char*> names) {
        setRoster(names);
        find<QPushButton>("SpeedButton3")->click();
        ASSERT_TRUE(form().session().PairingOpen);
    }
    std::vector<const char*> eight{"青木", "石田", "上野", "江藤", "岡本", "加藤", "木村", "工藤"};

    void expectNoPairingState() {
        EXPECT_TRUE(action("N8")->isEnabled());
        EXPECT_TRUE(action("S1")->isEnabled());
        EXPECT_TRUE(find<QPushButton>("SpeedButton2")->isEnabled());
        EXPECT_TRUE(find<QPushButton>("SpeedButton3")->isEnabled());
        EXPECT_TRUE(find<UpDown>("UpDown13")->isEnabled());
        for (const char* name : PairingCommands)
            EXPECT_FALSE(action(name)->isEnabled()) << name;
        for (const char* name : PairingButtons)
            EXPECT_FALSE(find<QPushButton>(name)->isEnabled()) << name;
        for (const char* name : AlwaysOn)
            EXPECT_TRUE(action(name)->isEnabled()) << name;
        EXPECT_FALSE(action("N3")->isEnabled());
        EXPECT_FALSE(action("B1")->isEnabled());
        EXPECT_FALSE(find<QScrollBar>("ScrollBar1")->isEnabled());
        for (int i = 1; i <= 12; ++i)
            EXPECT_FALSE(find<UpDown>(QStringLiteral("UpDown%1").arg(i).toLatin1().constData())
                             ->isEnabled());
    }
};

TEST_F(MainWindowTest, StartsEmptyWithTheNoPairingCommands) {
    EXPECT_EQ(form().shownCaption(), Title);
    EXPECT_EQ(form().centralWidget()->size(), QSize(690, 428));
    expectNoPairingState();
    EXPECT_EQ(text("Edit37"), QStringLiteral("2"));
    EXPECT_EQ(text("Edit38"), QStringLiteral("0"));
    EXPECT_TRUE(find<QLineEdit>("Edit37")->isReadOnly());
    EXPECT_TRUE(find<QLineEdit>("Edit38")->isReadOnly());
    EXPECT_TRUE(find<QLineEdit>("Edit1WinA")->isReadOnly());
    for (const char* label : {"Label27", "Label29", "Label31", "Label33", "Label35", "Label37"})
        EXPECT_TRUE(find<QLabel>(label)->text().isEmpty()) << label;
    EXPECT_EQ(text("Edit6WinB"), QStringLiteral("0"));
    // Two courts from the start: bars after panels 2 and 4.
    EXPECT_FALSE(separatorShown(8));
    EXPECT_TRUE(separatorShown(9));
    EXPECT_FALSE(separatorShown(10));
    EXPECT_TRUE(separatorShown(11));
    EXPECT_FALSE(separatorShown(12));
    EXPECT_EQ(find<QPushButton>("SpeedButton3")->statusTip(),
              QStringLiteral("新しい組み合わせを生成します。既に組み合わせを表示している場合は、"
                             "一旦組み合わせを閉じて下さい。"));
    EXPECT_EQ(action("S1")->text(), QStringLiteral("メンバー選択(&S)..."));
    EXPECT_EQ(find<QTableWidget>("StringGrid1")->rowCount(), 100);
}

TEST_F(MainWindowTest, AWholeDayFromMemberSelectionToScoresOnPageThree) {
    writeCandidates(sjisBytes("工藤\r\n青木\r\n石田\r\n上野\r\n江藤\r\n岡本\r\n加藤\r\n木村\r\n"));
    windows = {};
    start();

    setModalRunner([](QDialog& d) {
        d.findChild<QToolButton*>(QStringLiteral("IncAllBtn"))->click();
        d.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        return d.result();
    });
    find<QPushButton>("SpeedButton2")->click();
    EXPECT_EQ(text("Edit38"), QStringLiteral("8"));
    auto* grid = find<QTableWidget>("StringGrid1");
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("岡本")); // kanji in JIS order
    EXPECT_EQ(grid->item(7, 0)->text(), QStringLiteral("木村"));
    EXPECT_TRUE(grid->item(8, 0)->text().isEmpty());
    EXPECT_FALSE(form().session().Modified); // choosing members changes no result

    find<QPushButton>("SpeedButton3")->click();
    const Session& s = form().session();
    ASSERT_TRUE(s.PairingOpen);
    EXPECT_TRUE(s.Modified);
    EXPECT_FALSE(find<UpDown>("UpDown13")->isEnabled());
    EXPECT_FALSE(action("N8")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("SpeedButton2")->isEnabled());
    for (const char* name : PairingCommands)
        EXPECT_TRUE(action(name)->isEnabled()) << name;
    EXPECT_TRUE(action("N3")->isEnabled());
    EXPECT_FALSE(action("B1")->isEnabled());
    EXPECT_EQ(find<QLabel>("Label27")->text(), QStringLiteral("1"));
    EXPECT_EQ(find<QLabel>("Label37")->text(), QStringLiteral("6"));
    // Every round of two courts holds eight different members.
    for (int r = 0; r < 60; ++r) {
        std::set<Name> round;
        for (int k = 0; k < 2; ++k) {
            const MatchRecord& m = s.Matches[static_cast<std::size_t>(2 * r + k)];
            round.insert({m.a, m.b, m.c, m.d});
        }
        ASSERT_EQ(round.size(), 8u) << "round " << r;
    }
    EXPECT_EQ(text("Edit1a"), decodeCp932(s.Matches[0].a));
    EXPECT_EQ(text("Edit6d"), decodeCp932(s.Matches[5].d));

    action("N3")->trigger();
    action("N3")->trigger();
    EXPECT_EQ(s.PageTop, 12);
    EXPECT_EQ(find<QLabel>("Label27")->text(), QStringLiteral("13"));
    EXPECT_TRUE(action("B1")->isEnabled());
    EXPECT_EQ(text("Edit2c"), decodeCp932(s.Matches[13].c));

    form().session().Modified = false; // as after a save
    arrow("UpDown1", true, 3);
    arrow("UpDown4", true, 1);
    EXPECT_TRUE(s.Modified);
    EXPECT_EQ(text("Edit1WinA"), QStringLiteral("3"));
    EXPECT_EQ(s.Matches[12].WinA, 3);
    EXPECT_EQ(s.Matches[13].WinB, 1);
    EXPECT_EQ(panelColour(1), Green);
    EXPECT_EQ(panelColour(2), Green);
    EXPECT_NE(panelColour(3), Green);

    action("N3")->trigger();
    EXPECT_EQ(text("Edit1WinA"), QStringLiteral("0"));
    EXPECT_NE(panelColour(1), Green);
    EXPECT_EQ(s.Matches[12].WinA, 3); // showing page 4 kept page 3's counts
    action("B1")->trigger();
    EXPECT_EQ(text("Edit1WinA"), QStringLiteral("3"));
    EXPECT_EQ(text("Edit2WinB"), QStringLiteral("1"));
    EXPECT_EQ(panelColour(1), Green);

    // Both counts back to 0: the panel is plain again.
    arrow("UpDown1", false, 3);
    arrow("UpDown4", false, 1);
    EXPECT_NE(panelColour(1), Green);
    EXPECT_NE(panelColour(2), Green);
    EXPECT_EQ(s.Matches[12], (MatchRecord{s.Matches[12].a, s.Matches[12].b, s.Matches[12].c,
                                          s.Matches[12].d, 0, 0}));
}

// Whoever follows the pairing (the recovery copy, the open windows) hears of
// a new one once, and only when the window shows it.
TEST_F(MainWindowTest, ANewPairingIsAnnouncedOnceWhenShown) {
    QSignalSpy heard(&form(), &TForm1::pairingChanged);
    QObject::connect(&form(), &TForm1::pairingChanged, &form(), [this] {
        EXPECT_EQ(text("Edit1a"), decodeCp932(form().session().Matches[0].a));
    });
    generate(eight);
    EXPECT_EQ(heard.count(), 1);
}

TEST_F(MainWindowTest, ScoreArrowsStopAtZeroAndTwenty) {
    generate(eight);
    Session& s = form().session();
    s.Modified = false;
    arrow("UpDown2", false);
    EXPECT_EQ(text("Edit1WinB"), QStringLiteral("0"));
    EXPECT_EQ(s.Matches[0].WinB, 0);
    EXPECT_TRUE(s.Modified); // every click on a score arrow counts, also at 0

    arrow("UpDown2", true, 25);
    EXPECT_EQ(text("Edit1WinB"), QStringLiteral("20"));
    EXPECT_EQ(s.Matches[0].WinB, 20);
    EXPECT_TRUE(s.Modified);

    s.Modified = false;
    arrow("UpDown2", true); // and at 20
    EXPECT_EQ(text("Edit1WinB"), QStringLiteral("20"));
    EXPECT_EQ(s.Matches[0].WinB, 20);
    EXPECT_TRUE(s.Modified);

    // The Up and Down keys step the count while its edit has the focus.
    auto* edit = find<QLineEdit>("Edit3WinA");
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(edit, &up);
    QApplication::sendEvent(edit, &up);
    QApplication::sendEvent(edit, &down);
    EXPECT_EQ(s.Matches[2].WinA, 1);
    // Typing cannot go past 20.
    QKeyEvent seven(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
    QApplication::sendEvent(edit, &seven);
    QApplication::sendEvent(edit, &seven);
    EXPECT_EQ(edit->text(), QStringLiteral("17"));
    EXPECT_EQ(s.Matches[2].WinA, 17);
}

TEST_F(MainWindowTest, CourtCountMovesTheRoundSeparators) {
    Session& s = form().session();
    s.CourtCursor = 4;
    arrow("UpDown13", true);
    EXPECT_EQ(text("Edit37"), QStringLiteral("3"));
    EXPECT_EQ(s.CourtCount, 3);
    EXPECT_EQ(s.CourtCursor, 0);
    EXPECT_FALSE(separatorShown(8) || separatorShown(9) || separatorShown(11) ||
                 separatorShown(12));
    EXPECT_TRUE(separatorShown(10));
    arrow("UpDown13", true); // no wrap past 3
    EXPECT_EQ(text("Edit37"), QStringLiteral("3"));

    arrow("UpDown13", false, 2);
    EXPECT_EQ(s.CourtCount, 1);
    for (int bar = 8; bar <= 12; ++bar)
        EXPECT_TRUE(separatorShown(bar)) << bar;
    arrow("UpDown13", false);
    EXPECT_EQ(text("Edit37"), QStringLiteral("1"));

    arrow("UpDown13", true);
    EXPECT_EQ(s.CourtCount, 2);
    EXPECT_TRUE(separatorShown(9) && separatorShown(11));
    EXPECT_FALSE(separatorShown(8) || separatorShown(10) || separatorShown(12));
    EXPECT_FALSE(s.Modified);
}

TEST_F(MainWindowTest, PagingStopsAtTheFirstAndLastPage) {
    generate(eight);
    auto* bar = find<QScrollBar>("ScrollBar1");
    bar->setValue(19);
    EXPECT_EQ(form().session().PageTop, 114);
    EXPECT_FALSE(action("N3")->isEnabled());
    EXPECT_TRUE(action("B1")->isEnabled());
    EXPECT_EQ(find<QLabel>("Label37")->text(), QStringLiteral("120"));
    form().N3Click();
    EXPECT_EQ(form().session().PageTop, 114);
    bar->setValue(1);
    EXPECT_TRUE(action("N3")->isEnabled() && action("B1")->isEnabled());
    action("B1")->trigger();
    EXPECT_EQ(form().session().PageTop, 0);
    EXPECT_FALSE(action("B1")->isEnabled());
    EXPECT_EQ(find<QLabel>("Label27")->text(), QStringLiteral("1"));
}

// Every command's enabled state follows from the session alone.
enum DayState { NoPairing, Pairing, WithAResult, WithALaterPage };

struct CommandRow {
    const char* on; // '1' where enabled, by DayState
    std::vector<const char*> names;
};

const CommandRow Commands[] = {
    {"1000", {"N8", "SpeedButton3", "S1", "SpeedButton2"}},
    {"1111", {"O1", "X1", "E1", "SpeedButton1", "C2", "R2", "N4"}},
    {"0111", {"C1", "N6", "SpeedButton4", "R1", "CSVT1", "HTMLH1", "printAction", "pdfAction"}},
    {"0111", {"replanAction", "G1", "SpeedButton5", "T1", "S2", "SpeedButton6", "N3"}},
    {"0111", {"scheduleStatsAction", "courtBoardAction", "clockStartAction"}},
    {"0111", {"clockPauseAction", "clockResetAction"}},
    {"0001", {"B1"}},
    {"0010", {"undoAction"}},
    {"0000", {"redoAction"}},
};

class CommandsByState : public MainWindowTest, public ::testing::WithParamInterface<DayState> {};

TEST_P(CommandsByState, EnabledExactlyWhereTheTableSays) {
    if (GetParam() != NoPairing)
        generate(eight);
    if (GetParam() == WithAResult)
        arrow("UpDown1", true);
    if (GetParam() == WithALaterPage)
        action("N3")->trigger();
    for (const CommandRow& row : Commands) {
        for (const char* name : row.names) {
            QObject* command = find<QObject>(name);
            ASSERT_NE(command, nullptr) << name;
            EXPECT_EQ(command->property("enabled").toBool(), row.on[GetParam()] == '1') << name;
        }
    }
}

const char* const DayStateNames[] = {"NoPairing", "Pairing", "WithAResult", "WithALaterPage"};

INSTANTIATE_TEST_SUITE_P(FourStates, CommandsByState,
                         ::testing::Values(NoPairing, Pairing, WithAResult, WithALaterPage),
                         [](const auto& info) { return std::string(DayStateNames[info.param]); });

TEST_F(MainWindowTest, ClosingThePairingAsksOnlyWhenScoresAreUnsaved) {
    generate(eight);
    Session& s = form().session();
    action("N3")->trigger();
    arrow("UpDown1", true, 2);
    const MatchTable before = s.Matches;

    ask->answers = {Answer::No};
    action("C1")->trigger();
    ASSERT_EQ(ask->asked.size(), 1u);
    EXPECT_EQ(ask->asked[0].title, QStringLiteral("閉じる確認"));
    EXPECT_EQ(ask->asked[0].text, QStringLiteral("セーブせずに閉じると、\n現在の組み合わせ、勝ち数"
                                                 "が失われますが\n閉じてよろしいですか？"));
    EXPECT_EQ(ask->asked[0].buttons, Buttons::YesNo);
    EXPECT_TRUE(s.PairingOpen);
    EXPECT_EQ(s.Matches, before);

    ask->answers = {Answer::Yes};
    action("C1")->trigger();
    EXPECT_FALSE(s.PairingOpen);
    EXPECT_FALSE(s.Modified);
    EXPECT_EQ(s.PageTop, 0);
    for (const MatchRecord& m : s.Matches)
        ASSERT_TRUE(m.isEmpty());
    expectNoPairingState();
    EXPECT_EQ(form().shownCaption(), Title);
    EXPECT_EQ(find<QLabel>("Label27")->text(), QStringLiteral("1"));
    EXPECT_TRUE(text("Edit1a").isEmpty());
    EXPECT_EQ(text("Edit38"), QStringLiteral("8")); // the roster stays
    EXPECT_EQ(sharedGenerators().entries().MatchSerial, 0);

    // A pairing without unsaved changes closes without a question, and a new
    // one of the same members follows at once.
    find<QPushButton>("SpeedButton3")->click();
    ASSERT_TRUE(s.PairingOpen);
    s.Modified = false;
    ask->asked.clear();
    action("C1")->trigger();
    EXPECT_TRUE(ask->asked.empty());
    EXPECT_FALSE(s.PairingOpen);
}

TEST_F(MainWindowTest, ClosingTheWindowWithUnsavedScoresAsksForOkOrCancel) {
    generate(eight);
    arrow("UpDown1", true, 4);
    form().show();

    ask->answers = {Answer::Cancel};
    action("X1")->trigger();
    ASSERT_EQ(ask->asked.size(), 1u);
    EXPECT_EQ(ask->asked[0].title, QStringLiteral("終了の確認"));
    EXPECT_EQ(ask->asked[0].text, QStringLiteral("セーブせずに終了すると\n現在の組み合わせ、勝ち"
                                                 "数が失われますが\n終了してよろしいですか？"));
    EXPECT_EQ(ask->asked[0].buttons, Buttons::OkCancel);
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(form().session().Matches[0].WinA, 4);

    ask->answers = {Answer::Ok};
    form().close(); // the close box takes the same road
    EXPECT_FALSE(form().isVisible());
    EXPECT_EQ(ask->asked.size(), 2u);
}

TEST_F(MainWindowTest, ClosingTheWindowWithNothingUnsavedAsksNothing) {
    form().show();
    action("X1")->trigger();
    EXPECT_FALSE(form().isVisible());
    EXPECT_TRUE(ask->asked.empty());
}

TEST_F(MainWindowTest, NewPairingRefusesBadRostersAndChangesNothing) {
    struct Case {
        std::vector<const char*> roster;
        int courtsUp; // arrow clicks from 2 courts
        const char* message;
    };
    const QString tooFew = QStringLiteral("（４人×コート数）以上のメンバーを登録して下さい。");
    const QString duplicate = QStringLiteral("同じメンバー名は、登録出来ません。");
    // Rows 0 to 2, a gap, then eight more: three members for one court.
    std::vector<const char*> gap{"A", "B", "C", "", "D", "E", "F", "G", "H", "I", "J", "K"};
    setRoster(gap);
    arrow("UpDown13", false);
    EXPECT_EQ(text("Edit38"), QStringLiteral("3"));
    form().N8Click();
    ASSERT_EQ(ask->asked.size(), 1u);
    EXPECT_EQ(ask->asked.back().text, tooFew);
    EXPECT_EQ(ask->asked.back().title, QStringLiteral("エラー"));
    EXPECT_EQ(ask->asked.back().buttons, Buttons::Ok);
    EXPECT_FALSE(form().session().PairingOpen);
    EXPECT_EQ(form().session().Participants.size(), 3u);
    EXPECT_TRUE(find<UpDown>("UpDown13")->isEnabled());
    EXPECT_TRUE(find<QLabel>("Label27")->text().isEmpty()); // the page was not redrawn

    // Duplicates come before the count; letter case makes names different.
    setRoster({"ab", "X", "ab"});
    form().N8Click();
    EXPECT_EQ(ask->asked.back().text, duplicate);
    setRoster({"ab", "AB", "Ab"});
    form().N8Click();
    EXPECT_EQ(ask->asked.back().text, tooFew);

    // Exactly four per court is enough; one fewer is not.
    arrow("UpDown13", true); // two courts
    setRoster({"1", "2", "3", "4", "5", "6", "7"});
    form().N8Click();
    EXPECT_EQ(ask->asked.back().text, tooFew);
    setRoster({"1", "2", "3", "4", "5", "6", "7", "8"});
    ask->asked.clear();
    form().N8Click();
    EXPECT_TRUE(ask->asked.empty());
    EXPECT_TRUE(form().session().PairingOpen);
}

TEST_F(MainWindowTest, NewPairingRefusesANameTheFileCouldNotHold) {
    setRoster({"1", "2", "3", "4", "5", "6", "7", "8"});
    form().session().Roster[3] = "a,b"; // e.g. from a candidate file written by hand
    form().N8Click();
    ASSERT_EQ(ask->asked.size(), 1u);
    EXPECT_EQ(ask->asked[0].text,
              QStringLiteral("メンバー名「a,b」に半角カンマ(,)は使用出来ません。"));
    EXPECT_FALSE(form().session().PairingOpen);
}

TEST_F(MainWindowTest, MemberSelectionWritesTheSortedChoiceAndRecounts) {
    writeCandidates("A\r\nB\r\nC\r\n");
    windows = {};
    start();
    setRoster({"B", "A"});
    std::vector<Name> offered;
    setModalRunner([&](QDialog& d) {
        offered = static_cast<TDualListDlg&>(d).candidates();
        d.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        return d.result();
    });
    action("S1")->trigger();
    EXPECT_EQ(offered, (std::vector<Name>{"C"}));
    EXPECT_EQ(form().session().Roster[0], "A");
    EXPECT_EQ(form().session().Roster[1], "B");
    EXPECT_EQ(find<QTableWidget>("StringGrid1")->item(0, 0)->text(), QStringLiteral("A"));

    // Moving C over and cancelling leaves the roster as it was.
    setModalRunner([](QDialog& d) {
        auto* src = d.findChild<QListWidget*>(QStringLiteral("SrcList"));
        src->item(0)->setSelected(true);
        d.findChild<QToolButton*>(QStringLiteral("IncludeBtn"))->click();
        d.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
        return d.result();
    });
    action("S1")->trigger();
    EXPECT_EQ(text("Edit38"), QStringLiteral("2"));
    EXPECT_EQ(windows.dualListDlg->candidates(), (std::vector<Name>{"C"}));

    // Three chosen out of a roster of ten: rows 3 to 99 are emptied.
    setRoster({"J", "I", "H", "G", "F", "E", "D", "C", "B", "A"});
    setModalRunner([](QDialog& d) {
        auto* dst = d.findChild<QListWidget*>(QStringLiteral("DstList"));
        for (int i = 3; i < dst->count(); ++i)
            dst->item(i)->setSelected(true);
        d.findChild<QToolButton*>(QStringLiteral("ExcludeBtn"))->click();
        d.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        return d.result();
    });
    action("S1")->trigger();
    EXPECT_EQ(text("Edit38"), QStringLiteral("3"));
    EXPECT_EQ(form().session().Roster[2], "C");
    for (std::size_t row = 3; row < 100; ++row)
        ASSERT_TRUE(form().session().Roster[row].empty()) << row;
}

TEST_F(MainWindowTest, HelpPageOpensFromTheWorkingDirectoryOrSaysItCannot) {
    action("R2")->trigger();
    ASSERT_EQ(ask->asked.size(), 1u);
    const QString page = QDir(dir.path()).absoluteFilePath(QStringLiteral("index.html"));
    // Which is missing, the page (and where it was looked for) or a browser.
    EXPECT_TRUE(ask->asked[0].text.startsWith(
        QStringLiteral(
            "実行する事が出来ませんでした。\n説明のページが見つかりません。探した場所:\n") +
        QDir::toNativeSeparators(page) + "\n"))
        << ask->asked[0].text.toStdString();
    EXPECT_EQ(ask->asked[0].title, Title);
    EXPECT_TRUE(ask->opened.empty());

    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    action("R2")->trigger();
    ASSERT_EQ(ask->opened.size(), 1u);
    EXPECT_EQ(ask->opened[0], QDir(dir.path()).absoluteFilePath(QStringLiteral("index.html")));
    EXPECT_EQ(ask->asked.size(), 1u);

    ask->openUrlResult = false; // no program for HTML pages
    action("R2")->trigger();
    ASSERT_EQ(ask->asked.size(), 2u);
    EXPECT_EQ(
        ask->asked[1].text,
        QStringLiteral("実行する事が出来ませんでした。\n説明のページを表示するブラウザーを起動出来"
                       "ませんでした。\n") +
            QDir::toNativeSeparators(page));
}

// Alt and a letter reach one command: no letter twice in the menu bar or in
// any of its menus.
class MenuMnemonics : public GuiFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(MenuMnemonics, NoLetterTwiceInOneMenu) {
    start();
    std::map<QChar, QString> seen;
    for (QAction* a : find<QWidget>(GetParam())->actions()) {
        const QString caption = a->text();
        if (a->isSeparator() || caption.isEmpty())
            continue; // an unused place of the recent files
        const qsizetype amp = caption.indexOf(QLatin1Char('&'));
        ASSERT_TRUE(amp >= 0 && amp + 1 < caption.size()) << caption.toStdString();
        const auto [at, fresh] = seen.emplace(caption[amp + 1].toUpper(), caption);
        EXPECT_TRUE(fresh) << caption.toStdString() << " / " << at->second.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryMenu, MenuMnemonics,
                         ::testing::Values("MainMenu1", "FileF1", "N2", "Show1", "N5", "O2",
                                           "Help1"));

TEST_F(MainWindowTest, TheDesktopsKeysReachTheFileCommands) {
    const std::pair<const char*, QKeySequence> keys[] = {
        {"O1", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"N6", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"R1", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"undoAction", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"redoAction", QKeySequence(Qt::CTRL | Qt::Key_Y)},
        {"courtBoardAction", QKeySequence(Qt::Key_F11)}};
    std::map<QString, QString> owner;
    for (QAction* a : form().findChildren<QAction*>())
        for (const QKeySequence& k : a->shortcuts())
            EXPECT_TRUE(owner.emplace(k.toString(), a->objectName()).second)
                << k.toString().toStdString() << " twice";
    for (const auto& [name, key] : keys)
        EXPECT_EQ(owner[key.toString()], QString::fromLatin1(name)) << name;

    generate(eight);
    form().show();
    QApplication::setActiveWindow(&form());
    QTest::keyClick(&form(), Qt::Key_S, Qt::ControlModifier); // no file yet: Save As
    ASSERT_EQ(ask->fileChoices.size(), 1u);
    EXPECT_EQ(ask->fileChoices[0].caption, QStringLiteral("名前を付けて保存"));
    form().session().Modified = false;
    QTest::keyClick(&form(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(ask->fileChoices.size(), 2u);
    EXPECT_EQ(ask->fileChoices[1].caption, QStringLiteral("ファイルを開く"));
}

TEST_F(MainWindowTest, SettingsAreReadAtStartAndWrittenBackAtTheEnd) {
    windows = {};
    QSettings& store = programSettings();
    store.beginGroup(QStringLiteral("CONFIG"));
    store.setValue(QStringLiteral("Seisei"), QStringLiteral("0"));
    store.setValue(QStringLiteral("Jyuni"), QStringLiteral("1"));
    store.remove(QStringLiteral("CsvMode"));
    store.endGroup();
    start();
    EXPECT_EQ(form().session().GenerationMethod, 0);
    EXPECT_EQ(form().session().RankingMethod, 1);
    EXPECT_EQ(form().session().CsvMode, 0);

    form().session().CsvMode = 1;
    windows = {};
    store.beginGroup(QStringLiteral("CONFIG"));
    EXPECT_EQ(store.value(QStringLiteral("CsvMode")).toString(), QStringLiteral("1"));
    EXPECT_EQ(store.value(QStringLiteral("Seisei")).toString(), QStringLiteral("0"));
    store.remove(QString());
    store.endGroup();
}

TEST_F(MainWindowTest, RandomSelectionFillsEveryRoundWithDifferentMembers) {
    windows = {};
    start();
    form().session().GenerationMethod = 0;
    arrow("UpDown13", false); // one court
    generate({"A", "B", "C", "D", "E"});
    for (const MatchRecord& m : form().session().Matches) {
        const std::set<Name> four{m.a, m.b, m.c, m.d};
        ASSERT_EQ(four.size(), 4u);
    }
}

} // namespace
