// Results typed in one go (digits, Tab, Enter, over to the next page), the
// counts a games box refuses as they are typed, and undo/redo of every kind
// of score change with the unsaved mark following the saved state.

#include "gui_fixture.h"

#include "widgets/score_edit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

using namespace pf;
using namespace pf::testing_support;

namespace {

struct Typed {
    const char* name;
    const char* input;
    QValidator::State state;
};

class ScoreValidatorTest : public ::testing::TestWithParam<Typed> {};

TEST_P(ScoreValidatorTest, RefusesAnythingButZeroToTwenty) {
    ScoreValidator v;
    QString input = QString::fromUtf8(GetParam().input);
    int pos = static_cast<int>(input.size());
    EXPECT_EQ(v.validate(input, pos), GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(Inputs, ScoreValidatorTest,
                         ::testing::Values(Typed{"Zero", "0", QValidator::Acceptable},
                                           Typed{"Twenty", "20", QValidator::Acceptable},
                                           Typed{"Nine", "9", QValidator::Acceptable},
                                           Typed{"Empty", "", QValidator::Intermediate},
                                           Typed{"TwentyOne", "21", QValidator::Invalid},
                                           Typed{"Hundred", "100", QValidator::Invalid},
                                           Typed{"LeadingZero", "06", QValidator::Invalid},
                                           Typed{"Negative", "-1", QValidator::Invalid},
                                           Typed{"Letter", "a", QValidator::Invalid},
                                           Typed{"FullWidthDigit", "６", QValidator::Invalid},
                                           Typed{"Space", " 6", QValidator::Invalid}),
                         [](const auto& info) { return std::string(info.param.name); });

class ScoreEntryTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        start();
        setRoster({"青木", "石田", "上野", "江藤", "岡本", "加藤", "木村", "工藤"});
        find<QPushButton>("SpeedButton3")->click();
        form().show();
        QApplication::setActiveWindow(&form());
    }
    void TearDown() override {
        form().session().Modified = false;
        GuiFixture::TearDown();
    }
    // Keys to whatever has the focus: digits as typed, '\t' Tab, '\n' Enter.
    void type(const char* keys) {
        for (const char* k = keys; *k; ++k) {
            QWidget* target = QApplication::focusWidget();
            ASSERT_NE(target, nullptr);
            const int key = *k == '\t'   ? int(Qt::Key_Tab)
                            : *k == '\n' ? int(Qt::Key_Return)
                                         : int(*k);
            const QString text = *k == '\t' || *k == '\n' ? QString() : QString(QLatin1Char(*k));
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
            QApplication::sendEvent(target, &press);
        }
    }
    void focusBox(const char* name) {
        find<QLineEdit>(name)->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), find<QLineEdit>(name));
    }
    void saveAs(const char* name) {
        ask->files.push_back(dir.filePath(QString::fromUtf8(name)));
        action("R1")->trigger();
        ASSERT_FALSE(form().session().Modified);
    }
    const MatchRecord& match(int slot) {
        return form().session().Matches[static_cast<std::size_t>(slot)];
    }
};

TEST_F(ScoreEntryTest, APageIsFilledByTypingAndEnterGoesOnToTheNextPage) {
    focusBox("Edit1WinA");
    type("6\t4\n");
    EXPECT_EQ(match(0).WinA, 6);
    EXPECT_EQ(match(0).WinB, 4);
    EXPECT_EQ(QApplication::focusWidget(), find<QLineEdit>("Edit2WinA"));
    type("3\t6\n"
         "6\t0\n"
         "12\t25\n" // the 5 is refused: 2
         "7\t5\n"
         "6\t7\n");
    EXPECT_EQ(match(3).WinA, 12);
    EXPECT_EQ(match(3).WinB, 2);
    EXPECT_EQ(match(5).WinB, 7);
    EXPECT_EQ(form().session().PageTop, 6);
    EXPECT_EQ(QApplication::focusWidget(), find<QLineEdit>("Edit1WinA"));
    EXPECT_EQ(text("Edit1WinA"), QStringLiteral("0"));
    type("5");
    EXPECT_EQ(match(6).WinA, 5); // the typed digit replaces the 0 shown
    EXPECT_TRUE(form().session().Modified);
}

TEST_F(ScoreEntryTest, TheWheelStepsTheCountUnderThePointer) {
    auto* box = find<QLineEdit>("Edit2WinB");
    for (int notch : {120, 120, 120, -120}) {
        QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, notch), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &wheel);
    }
    EXPECT_EQ(match(1).WinB, 2);
}

// Each way a count changes, taken back and made again.
struct Change {
    const char* name;
    void (*make)(ScoreEntryTest&);
};

class UndoTest : public ScoreEntryTest, public ::testing::WithParamInterface<Change> {
public:
    void typeSeven() {
        focusBox("Edit1WinA");
        type("7");
    }
    void clickSeven() { arrow("UpDown1", true, 7); }
    void courtSeven() {
        setModalRunner([](QDialog& d) {
            d.show();
            auto* up = d.findChild<UpDown*>(QStringLiteral("UpDown4")); // court 1, pair A
            for (int i = 0; i < 7; ++i)
                up->upButton()->click();
            d.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
            return d.result();
        });
        action("G1")->trigger();
    }
};

TEST_P(UndoTest, UndoReturnsToTheSavedStateAndRedoMakesTheChangeAgain) {
    saveAs("day.pf1");
    GetParam().make(*this);
    ASSERT_EQ(match(0).WinA, 7);
    EXPECT_TRUE(form().session().Modified);

    action("undoAction")->trigger();
    EXPECT_EQ(match(0).WinA, 0);
    EXPECT_EQ(text("Edit1WinA"), QStringLiteral("0"));
    EXPECT_FALSE(form().session().Modified); // back to what is on disk
    EXPECT_FALSE(form().shownCaption().endsWith(QLatin1Char('*')));
    EXPECT_FALSE(action("undoAction")->isEnabled());

    action("redoAction")->trigger();
    EXPECT_EQ(match(0).WinA, 7);
    EXPECT_EQ(text("Edit1WinA"), QStringLiteral("7"));
    EXPECT_TRUE(form().session().Modified);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, UndoTest,
    ::testing::Values(
        Change{"Typed", [](ScoreEntryTest& t) { static_cast<UndoTest&>(t).typeSeven(); }},
        Change{"Arrows", [](ScoreEntryTest& t) { static_cast<UndoTest&>(t).clickSeven(); }},
        Change{"CourtDisplay", [](ScoreEntryTest& t) { static_cast<UndoTest&>(t).courtSeven(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScoreEntryTest, CtrlZAndCtrlYInAScoreBoxRunTheDaysUndoAndRedo) {
    saveAs("day.pf1");
    focusBox("Edit2WinA");
    type("6\t4");
    auto* box = find<QLineEdit>("Edit2WinB");
    ASSERT_EQ(QApplication::focusWidget(), box);
    const struct {
        Qt::KeyboardModifiers modifiers;
        Qt::Key key;
        int winA, winB;
    } steps[] = {{Qt::ControlModifier, Qt::Key_Z, 6, 0},
                 {Qt::ControlModifier, Qt::Key_Z, 0, 0},
                 {Qt::ControlModifier, Qt::Key_Y, 6, 0},
                 {Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z, 6, 4}};
    for (const auto& s : steps) {
        QTest::keyClick(box, s.key, s.modifiers);
        EXPECT_EQ(match(1).WinA, s.winA);
        EXPECT_EQ(match(1).WinB, s.winB);
        EXPECT_EQ(text("Edit2WinB"), QString::number(s.winB));
    }
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_TRUE(form().session().Modified);
}

TEST_F(ScoreEntryTest, UndoBringsTheMatchIntoViewAndANewPairingStaysUnsaved) {
    focusBox("Edit1WinA");
    type("6\t4\n");
    action("N3")->trigger();
    action("N3")->trigger();
    action("undoAction")->trigger(); // 4 of match 1 taken back on page 3
    EXPECT_EQ(form().session().PageTop, 0);
    EXPECT_EQ(text("Edit1WinB"), QStringLiteral("0"));
    action("undoAction")->trigger();
    EXPECT_EQ(match(0).WinA, 0);
    EXPECT_FALSE(action("undoAction")->isEnabled());
    EXPECT_TRUE(form().session().Modified); // the pairing itself was never saved

    // A new pairing starts a new history.
    form().session().Modified = false;
    ask->answers = {Answer::Yes};
    action("C1")->trigger();
    EXPECT_FALSE(action("redoAction")->isEnabled());
}

} // namespace
