// The member selection dialog and the candidate list editor, driven through
// their components' names.

#include "gui_fixture.h"

#include "members/candidate_file.h"
#include "members/member_facts_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace pf;
using namespace pf::testing_support;

namespace {

class MemberDialogsTest : public GuiFixture {
protected:
    TDualListDlg& dlg() { return *windows.dualListDlg; }
    TOKBottomDlg1& editor() { return *windows.okBottomDlg1; }
    QListWidget* src() { return child<QListWidget>(&dlg(), "SrcList"); }
    QListWidget* dst() { return child<QListWidget>(&dlg(), "DstList"); }
    void press(QWidget* d, const char* button) { child<QAbstractButton>(d, button)->click(); }
    bool enabled(const char* button) { return child<QAbstractButton>(&dlg(), button)->isEnabled(); }
    void type(const QString& name) {
        child<QLineEdit>(&dlg(), "Edit1")->setText(name);
        press(&dlg(), "Button1");
    }
    std::vector<Name> names(std::initializer_list<const char*> list) {
        return {list.begin(), list.end()};
    }
    QByteArray fileBytes() {
        QFile f(dir.filePath(QStringLiteral("pairforge.txt")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void saveText(const QString& text) {
        editor().FormActivate();
        child<QPlainTextEdit>(&editor(), "Memo1")->setPlainText(text);
        press(&editor(), "SaveBtn");
    }
};

TEST_F(MemberDialogsTest, CandidatesComeFromTheFileInTheStartingDirectory) {
    // LF-only line ends from another tool, an empty line and a repeated name.
    writeCandidates("C\nA\n\nB\nA\n");
    start();
    EXPECT_EQ(dlg().candidateFileName(), QDir(dir.path()).absoluteFilePath("pairforge.txt"));
    EXPECT_EQ(dlg().candidates(), names({"A", "A", "B", "C"}));

    // With A in the roster only the first equal candidate leaves the list.
    dlg().setSelected(names({"A"}));
    dlg().FormActivate();
    EXPECT_EQ(dlg().candidates(), names({"A", "B", "C"}));
}

TEST_F(MemberDialogsTest, NoFileGivesNoCandidatesAndNoMessage) {
    start();
    EXPECT_TRUE(dlg().candidates().empty());
    dlg().FormActivate();
    EXPECT_FALSE(enabled("IncludeBtn") || enabled("IncAllBtn") || enabled("ExcludeBtn") ||
                 enabled("ExAllBtn"));
    EXPECT_TRUE(ask->asked.empty());
}

TEST_F(MemberDialogsTest, ArrowsMoveNamesAndKeepBothListsSorted) {
    writeCandidates("E\r\nD\r\nC\r\nB\r\nA");
    start();
    dlg().setSelected({});
    dlg().FormActivate();

    // Nothing selected: nothing moves and the first entry gets selected.
    press(&dlg(), "IncludeBtn");
    EXPECT_TRUE(dlg().selected().empty());
    EXPECT_TRUE(src()->item(0)->isSelected());

    src()->clearSelection();
    src()->item(1)->setSelected(true); // B
    src()->item(3)->setSelected(true); // D
    press(&dlg(), "IncludeBtn");
    EXPECT_EQ(dlg().selected(), names({"B", "D"}));
    EXPECT_EQ(dlg().candidates(), names({"A", "C", "E"}));
    // The entry now standing where B stood is the one selected.
    EXPECT_EQ(src()->selectedItems().size(), 1);
    EXPECT_EQ(src()->selectedItems()[0]->text(), QStringLiteral("C"));
    EXPECT_TRUE(enabled("ExcludeBtn") && enabled("ExAllBtn"));

    press(&dlg(), "IncAllBtn");
    EXPECT_TRUE(dlg().candidates().empty());
    EXPECT_EQ(dlg().selected(), names({"A", "B", "C", "D", "E"}));
    EXPECT_FALSE(enabled("IncludeBtn") || enabled("IncAllBtn"));
    EXPECT_TRUE(enabled("ExcludeBtn") && enabled("ExAllBtn"));

    dst()->clearSelection();
    dst()->item(4)->setSelected(true);
    press(&dlg(), "ExcludeBtn");
    EXPECT_EQ(dlg().candidates(), names({"E"}));
    EXPECT_TRUE(dst()->item(3)->isSelected()); // past the end: the last one

    press(&dlg(), "ExAllBtn");
    EXPECT_EQ(dlg().candidates(), names({"A", "B", "C", "D", "E"}));
    EXPECT_FALSE(enabled("ExcludeBtn") || enabled("ExAllBtn"));
}

TEST_F(MemberDialogsTest, TypedNamesJoinTheSelection) {
    writeCandidates("AB\r\nC");
    start();
    dlg().setSelected(names({"AB"}));
    dlg().FormActivate();
    auto* edit = child<QLineEdit>(&dlg(), "Edit1");

    type(QStringLiteral("C")); // a candidate moves over
    EXPECT_EQ(dlg().selected(), names({"AB", "C"}));
    EXPECT_TRUE(dlg().candidates().empty());
    EXPECT_TRUE(edit->text().isEmpty());

    type(QStringLiteral("C")); // already selected: nothing, the text stays
    EXPECT_EQ(dlg().selected(), names({"AB", "C"}));
    EXPECT_EQ(edit->text(), QStringLiteral("C"));

    type(QStringLiteral("ab")); // another name than AB
    EXPECT_EQ(dlg().selected(), names({"AB", "ab", "C"}));

    type(QString()); // nothing typed: nothing happens
    EXPECT_EQ(dlg().selected().size(), 3u);
    EXPECT_TRUE(ask->asked.empty());

    // Linux twins become the code page 932 characters.
    type(QStringLiteral("田中\u301C\u2212"));
    EXPECT_EQ(findName(dst(), test::sjis("田中～－")), 3);
}

TEST_F(MemberDialogsTest, RefusedNamesAreExplainedAndStayInTheBox) {
    start();
    dlg().FormActivate();
    auto* edit = child<QLineEdit>(&dlg(), "Edit1");
    struct Case {
        QString typed;
        QString reason;
    } cases[] = {
        {QStringLiteral("🎾 佐藤"),
         QStringLiteral("メンバー名「🎾 佐藤」に使用出来ない文字が含まれています。")},
        {QStringLiteral("佐藤,一郎"),
         QStringLiteral("メンバー名「佐藤,一郎」に半角カンマ(,)は使用出来ません。")},
        {QString(128, QChar(0x3042)),
         QStringLiteral("メンバー名「") + QString(20, QChar(0x3042)) +
             QStringLiteral("…」は半角255文字（全角127文字）以内で入力して下さい。")},
    };
    for (const Case& c : cases) {
        type(c.typed);
        ASSERT_FALSE(ask->asked.empty());
        EXPECT_EQ(ask->asked.back().text, c.reason);
        EXPECT_EQ(ask->asked.back().title, QStringLiteral("エラー"));
        EXPECT_EQ(edit->text(), c.typed);
        EXPECT_TRUE(dlg().selected().empty());
    }
}

TEST_F(MemberDialogsTest, CancelRestoresTheListsAsOpened) {
    writeCandidates("A\r\nB\r\nC");
    start();
    dlg().setSelected(names({"B"}));
    dlg().FormActivate();
    press(&dlg(), "IncAllBtn");
    type(QStringLiteral("Z"));
    press(&dlg(), "CancelBtn");
    EXPECT_EQ(dlg().result(), QDialog::Rejected);
    EXPECT_EQ(dlg().candidates(), names({"A", "C"}));
    EXPECT_EQ(dlg().selected(), names({"B"}));
}

TEST_F(MemberDialogsTest, MoreThanAHundredMembersAreRefusedAndTheDialogStays) {
    QByteArray file;
    for (int i = 0; i < 101; ++i)
        file += "M" + QByteArray::number(1000 + i) + "\r\n";
    writeCandidates(file);
    start();
    dlg().setResult(-1);
    dlg().FormActivate();
    press(&dlg(), "IncAllBtn");
    press(&dlg(), "OKBtn");
    ASSERT_EQ(ask->asked.size(), 1u);
    EXPECT_EQ(ask->asked[0].text, QStringLiteral("メンバーは100人まで選択出来ます。"));
    EXPECT_EQ(dlg().result(), -1); // not closed

    dst()->item(0)->setSelected(true);
    press(&dlg(), "ExcludeBtn");
    press(&dlg(), "OKBtn");
    EXPECT_EQ(dlg().result(), QDialog::Accepted);
    EXPECT_EQ(dlg().selected().size(), 100u);
}

TEST_F(MemberDialogsTest, SavingCleansTheTextWritesItAndRefillsTheCandidates) {
    start();
    saveText(QStringLiteral("A\n\nB"));
    EXPECT_EQ(fileBytes(), QByteArray("A\r\nB"));
    EXPECT_EQ(editor().result(), QDialog::Accepted);

    saveText(QStringLiteral("B\nA\nB\n"));
    EXPECT_EQ(fileBytes(), QByteArray("B\r\nA\r\n"));
    EXPECT_EQ(dlg().candidates(), names({"A", "B"}));
    EXPECT_EQ(child<QPlainTextEdit>(&editor(), "Memo1")->toPlainText(), QStringLiteral("B\nA\n"));

    saveText(QStringLiteral("鈴木\n \n\u3000\n 鈴木\n鈴木\u301C"));
    EXPECT_EQ(fileBytes(), sjisBytes("鈴木\r\n 鈴木\r\n鈴木～"));

    // An empty editor empties the file and the candidate list.
    saveText(QString());
    EXPECT_EQ(fileBytes(), QByteArray());
    EXPECT_TRUE(dlg().candidates().empty());
}

TEST_F(MemberDialogsTest, OpeningReloadsTheFileAndCancelWritesNothing) {
    writeCandidates("X\nY\rZ");
    start();
    editor().FormActivate();
    auto* memo = child<QPlainTextEdit>(&editor(), "Memo1");
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("X\nY\nZ"));
    memo->setPlainText(QStringLiteral("changed"));
    press(&editor(), "CancelBtn");
    EXPECT_EQ(editor().result(), QDialog::Rejected);
    EXPECT_EQ(fileBytes(), QByteArray("X\nY\rZ"));
    editor().FormActivate();
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("X\nY\nZ"));

    // After the next save the file has CR LF line ends.
    press(&editor(), "SaveBtn");
    EXPECT_EQ(fileBytes(), QByteArray("X\r\nY\r\nZ"));
}

struct EditorRefusal {
    const char* name;
    const char* text;
    const char* line;
    const char* message;
};

class EditorRefusalTest : public MemberDialogsTest,
                          public ::testing::WithParamInterface<EditorRefusal> {};

TEST_P(EditorRefusalTest, ALineTheFileCannotTakeStopsTheSave) {
    writeCandidates("A");
    start();
    editor().setResult(-1);
    saveText(QString::fromUtf8(GetParam().text));
    ASSERT_EQ(ask->asked.size(), 1u);
    EXPECT_EQ(ask->asked[0].text, QString::fromUtf8(GetParam().message));
    EXPECT_EQ(fileBytes(), QByteArray("A"));
    EXPECT_EQ(editor().result(), -1);
    auto* memo = child<QPlainTextEdit>(&editor(), "Memo1");
    EXPECT_EQ(memo->textCursor().selectedText(), QString::fromUtf8(GetParam().line));
    EXPECT_EQ(memo->toPlainText(), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, EditorRefusalTest,
    ::testing::Values(EditorRefusal{"Unencodable", "B\nC 🎾\nD", "C 🎾",
                                    "メンバー名「C 🎾」に使用出来ない文字が含まれています。"},
                      EditorRefusal{"Comma", "B\n佐藤,一郎\nD", "佐藤,一郎",
                                    "メンバー名「佐藤,一郎」に半角カンマ(,)は使用出来ません。"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MemberDialogsTest, AFileThatCannotBeWrittenIsReportedAndNothingIsLost) {
    writeCandidates("A");
    start();
    dlg().FormActivate();
    // A folder where the file should be: it can be neither replaced nor created.
    QFile::remove(dir.filePath(QStringLiteral("pairforge.txt")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("pairforge.txt")));
    editor().setResult(-1);
    auto* memo = child<QPlainTextEdit>(&editor(), "Memo1");
    memo->setPlainText(QStringLiteral("B\nC"));
    press(&editor(), "SaveBtn");
    ASSERT_EQ(ask->asked.size(), 1u);
    const QString file = QDir::toNativeSeparators(dlg().candidateFileName());
    EXPECT_EQ(ask->asked[0].text, QStringLiteral("ファイル %1 を作成できません\n%1: "
                                                 "通常のファイルではありません。")
                                      .arg(file));
    EXPECT_EQ(ask->asked[0].title, QStringLiteral("エラー"));
    EXPECT_EQ(dlg().candidates(), names({"A"}));
    EXPECT_EQ(editor().result(), -1);
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("B\nC"));
}

} // namespace

namespace {

TEST_F(MemberDialogsTest, TheRunningCountTurnsRedAbove100AndOkRefusesABadName) {
    QByteArray many;
    for (int i = 0; i < 101; ++i)
        many += "n" + QByteArray::number(i) + "\r\n";
    writeCandidates(many + "佐藤,一郎\r\n");
    start();
    dlg().setSelected({});
    dlg().FormActivate();
    auto* count = child<QLabel>(&dlg(), "selectionCount");
    EXPECT_EQ(count->text(), QStringLiteral("選択 0人 / 100人"));
    const QColor normal = count->palette().color(QPalette::WindowText);

    press(&dlg(), "IncAllBtn");
    EXPECT_EQ(count->text(), QStringLiteral("選択 102人 / 100人"));
    EXPECT_EQ(count->palette().color(QPalette::WindowText), QColor(Qt::red));

    src()->clearSelection();
    for (int i = 0; i < 2; ++i) // the comma name and one more back to the candidates
        dst()->item(dst()->count() - 1 - i)->setSelected(true);
    press(&dlg(), "ExcludeBtn");
    EXPECT_EQ(count->text(), QStringLiteral("選択 100人 / 100人"));
    EXPECT_EQ(count->palette().color(QPalette::WindowText), normal);

    // A candidate written with a comma is refused at OK, by name.
    dlg().setSelected({"a", "b", "\x8d\xb2\x93\xa1,\x88\xea\x98\x59"}); // 佐藤,一郎
    ask->asked.clear();
    dlg().setResult(-1);
    press(&dlg(), "OKBtn");
    ASSERT_EQ(ask->asked.size(), 1u);
    EXPECT_EQ(ask->asked[0].text,
              QStringLiteral("メンバー名「佐藤,一郎」に半角カンマ(,)は使用出来ません。"));
    EXPECT_EQ(dlg().result(), -1);
    EXPECT_EQ(dst()->currentItem()->text(), QStringLiteral("佐藤,一郎"));
}

TEST_F(MemberDialogsTest, SavingKeepsTheBytesOfTheNamesLeftAsTheyWere) {
    // 纊, ≒ and ￢ in the forms an older editor wrote them, then 纊 once more:
    // it is the same name, so it goes, and its line break stays.
    writeCandidates("\xed\x40\r\n\x87\x90\r\n\xee\xf9");
    start();
    editor().FormActivate();
    auto* memo = child<QPlainTextEdit>(&editor(), "Memo1");
    memo->setPlainText(memo->toPlainText() + QStringLiteral("\n纊"));
    press(&editor(), "SaveBtn");
    EXPECT_EQ(fileBytes().toHex(' '),
              QByteArray("\xed\x40\r\n\x87\x90\r\n\xee\xf9\r\n").toHex(' '));
    EXPECT_EQ(dlg().candidates().size(), 3u);
}

} // namespace

namespace {

// A candidate file past the size cap is never read, so it must never be
// written over either.
TEST_F(MemberDialogsTest, AnOversizedCandidateFileOpensEmptyAndIsNotSavedOver) {
    const QByteArray huge = "A\r\n" + QByteArray(MaxCandidateFileBytes, 'x');
    writeCandidates(huge);
    start();
    EXPECT_TRUE(dlg().candidates().empty());
    EXPECT_TRUE(ask->asked.empty());
    saveText(QStringLiteral("B"));
    ASSERT_EQ(ask->asked.size(), 1u);
    EXPECT_TRUE(ask->asked[0].text.contains(QStringLiteral("大き過ぎる")));
    EXPECT_EQ(fileBytes(), huge);
    EXPECT_TRUE(dlg().candidates().empty());
}

} // namespace

namespace {

struct NearDuplicate {
    const char* name;
    const char* typed;
    std::optional<Answer> answer; // nullopt: Enter
    bool asked;
    bool added;
};

class NearDuplicateTest : public MemberDialogsTest,
                          public ::testing::WithParamInterface<NearDuplicate> {};

TEST_P(NearDuplicateTest, ANameThatFoldsOntoASelectedOneIsAskedAbout) {
    const NearDuplicate& c = GetParam();
    start();
    dlg().setSelected({test::sjis("佐藤 健"), test::sjis("AB")});
    dlg().FormActivate();
    if (c.answer)
        ask->answers.push_back(*c.answer);
    type(QString::fromUtf8(c.typed));
    EXPECT_EQ(ask->asked.size(), c.asked ? 1u : 0u);
    if (c.asked) {
        EXPECT_EQ(ask->asked[0].buttons, Buttons::YesNo);
        EXPECT_EQ(ask->asked[0].defaultButton, Answer::No);
    }
    EXPECT_EQ(dlg().selected().size(), c.added ? 3u : 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NearDuplicateTest,
    ::testing::Values(NearDuplicate{"FullWidthSpaceEnter", "佐藤　健", std::nullopt, true, false},
                      NearDuplicate{"NoSpaceAnsweredYes", "佐藤健", Answer::Yes, true, true},
                      NearDuplicate{"FullWidthLetters", "ＡＢ", Answer::No, true, false},
                      NearDuplicate{"CaseDiffers", "ab", std::nullopt, false, true},
                      NearDuplicate{"OtherName", "佐藤 健二", std::nullopt, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

// メンバー情報 through the メンバー menu: gender, level, a mutual fixed partner
// and members kept apart, written beside the candidate list with every line
// the dialog could not read kept.
class MemberFactsTest : public GuiFixture {
protected:
    QByteArray factsBytes() {
        QFile f(dir.filePath(QStringLiteral("pairforge-members.txt")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void writeFacts(const QByteArray& bytes) {
        QFile f(dir.filePath(QStringLiteral("pairforge-members.txt")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // Opens the dialog from the menu and does `inside` while it is up.
    void run(const std::function<void(MemberFactsDialog&)>& inside) {
        setModalRunner([&](QDialog& d) {
            auto& dialog = dynamic_cast<MemberFactsDialog&>(d);
            inside(dialog);
            if (const QByteArray out = qgetenv("PF_SHOT_DIR"); !out.isEmpty()) {
                dialog.show();
                dialog.grab().save(QString::fromLocal8Bit(out) +
                                   QStringLiteral("/member_facts_dialog.png"));
            }
            return dialog.result();
        });
        action("memberFactsAction")->trigger();
    }
    // 新規組み合わせ by the balanced method with `ruleBits` chosen and
    // 今日の回数 `rounds` (0: all).
    void newBalancedPairing(int ruleBits, const std::vector<const char*>& roster, int rounds) {
        form().session().GenerationMethod = 2;
        form().session().DayRuleBits = ruleBits;
        setRoster(roster);
        setModalRunner([rounds](QDialog& d) {
            if (rounds > 0)
                d.findChild<QSpinBox*>(QStringLiteral("dayRoundsSpin"))->setValue(rounds);
            d.accept();
            return d.result();
        });
        find<QPushButton>("SpeedButton3")->click();
    }
};

TEST_F(MemberFactsTest, EditsAreSavedBothWaysAndUnreadLinesKept) {
    writeCandidates(sjisBytes("A\r\nB\r\nC\r\n"));
    writeFacts(sjisBytes("PAIRFORGE MEMBERS 1\r\nA,男,3,,\r\n退会者,女,,\r\nB,X\r\n"));
    start();
    EXPECT_EQ(action("memberFactsAction")->text(), QStringLiteral("メンバー情報(&I)..."));
    run([](MemberFactsDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("メンバー情報"));
        EXPECT_EQ(d.genderBox(0)->currentText(), QStringLiteral("男性"));
        d.genderBox(1)->setCurrentIndex(2);
        d.levelBox(2)->setCurrentIndex(5);
        d.partnerBox(0)->setCurrentIndex(2); // A with B …
        EXPECT_EQ(d.partnerBox(1)->currentText(), QStringLiteral("A"));
        d.partnerBox(2)->setCurrentIndex(2); // … until C takes B
        EXPECT_EQ(d.partnerBox(0)->currentIndex(), 0);
        d.setKeptApart(0, 2, true);
        EXPECT_EQ(d.keptApartButton(2)->text(), QStringLiteral("A"));
        d.okButton()->click();
    });
    ASSERT_EQ(ask->asked.size(), 1u);
    EXPECT_TRUE(ask->asked[0].text.contains(QStringLiteral("メンバー情報ファイルの4行目")));
    EXPECT_EQ(factsBytes(), sjisBytes("PAIRFORGE MEMBERS 1\r\n"
                                      "A,男,3,,C\r\n"
                                      "退会者,女,,\r\n"
                                      "B,X\r\n"
                                      "B,女,,C\r\n"
                                      "C,,5,B,A\r\n"));
}

TEST_F(MemberFactsTest, CancelLeavesTheFileAndAnUnreadableOneCannotBeReplaced) {
    writeCandidates(sjisBytes("A\r\nB\r\n"));
    const QByteArray foreign = "name,gender\r\nA,M\r\n";
    writeFacts(foreign);
    start();
    run([](MemberFactsDialog& d) {
        EXPECT_FALSE(d.okButton()->isEnabled());
        d.genderBox(0)->setCurrentIndex(1);
        d.cancelButton()->click();
    });
    ASSERT_EQ(ask->asked.size(), 1u);
    EXPECT_TRUE(ask->asked[0].text.contains(QStringLiteral("保存はできません")));
    EXPECT_EQ(factsBytes(), foreign);
}

// A new pairing with the balanced method and ミックスダブルス chosen: every side is
// a man and a woman; without the genders the day is refused and nothing opens.
TEST_F(MemberFactsTest, ANewBalancedPairingHoldsTheDaysRulesOrSaysWhyNot) {
    writeCandidates(sjisBytes("男1\r\n男2\r\n男3\r\n男4\r\n女1\r\n女2\r\n女3\r\n女4\r\n"));
    start();
    newBalancedPairing(RuleMixedBit, {"男1", "女1", "男2", "女2", "男3", "女3", "男4", "女4"}, 10);
    EXPECT_FALSE(form().session().PairingOpen);
    ASSERT_EQ(ask->asked.size(), 1u);
    EXPECT_TRUE(ask->asked[0].text.contains(QStringLiteral("性別が未設定")))
        << ask->asked[0].text.toStdString();

    writeFacts(sjisBytes("PAIRFORGE MEMBERS 1\r\n男1,男\r\n男2,男\r\n男3,男\r\n男4,男\r\n"
                         "女1,女\r\n女2,女\r\n女3,女\r\n女4,女\r\n"));
    find<QPushButton>("SpeedButton3")->click();
    ASSERT_TRUE(form().session().PairingOpen);
    EXPECT_EQ(ask->asked.size(), 1u);
    const std::vector<MemberFacts> rows = parseFactsFile(factsBytes()).rows;
    const std::vector<Name> names = form().session().Participants;
    const RuleFigures held =
        ruleFigures(names, dayFactsOf(names, rows), form().session().Matches, 2);
    EXPECT_EQ(held.mixedBreaks, 0);
    EXPECT_FALSE(form().session().Matches[19].a.empty());
    EXPECT_EQ(form().session().Matches[20], MatchRecord{}); // the day's length holds too
}

// Near levels with two sixes that never meet, on one court: the day is made,
// and the organiser is told once that plays run two apart on the way.
TEST_F(MemberFactsTest, ANearLevelsDayThatCannotStayEvenIsMadeAndSaysSo) {
    writeCandidates(sjisBytes("A\r\nB\r\nC\r\nD\r\nE\r\nF\r\nG\r\nH\r\nI\r\nJ\r\nK\r\nL\r\n"));
    writeFacts(sjisBytes("PAIRFORGE MEMBERS 1\r\nA,,2\r\nB,,2\r\nC,,2\r\nD,,2\r\nE,,2\r\nF,,2\r\n"
                         "G,,4\r\nH,,4\r\nI,,4\r\nJ,,4\r\nK,,4\r\nL,,4\r\n"));
    start();
    arrow("UpDown13", false); // 1 court
    newBalancedPairing(RuleLevelNearBit,
                       {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L"}, 0);
    ASSERT_TRUE(form().session().PairingOpen);
    ASSERT_EQ(ask->asked.size(), 1u);
    EXPECT_TRUE(ask->asked[0].text.contains(QStringLiteral("最大2回の差")))
        << ask->asked[0].text.toStdString();
    EXPECT_EQ(ask->asked[0].title, QString::fromUtf8(DefaultTitle));
}

} // namespace
