// The recovery copy through the main window: written after a change, gone
// after a save or a chosen loss, offered back at the next start, kept aside
// when it cannot be read, never shared between two programs.

#include "gui_fixture.h"

#include "app/recovery.h"
#include "files/pairing_file.h"
#include "files/recovery_file.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

using namespace pf;
using namespace pf::testing_support;

namespace {

const QString RestoreQuestion =
    QStringLiteral("前回、保存されずに終了した組み合わせがあります。復元しますか？");
const QString DeleteQuestion =
    QStringLiteral("復元しない場合、このデータは削除されます。よろしいですか？");

QByteArray read(const QString& p) {
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class RecoveryTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        folder = dir.filePath(QStringLiteral("appdata"));
        start();
    }
    RecoveryKeeper& keeper() {
        if (!keeper_)
            keeper_ = new RecoveryKeeper(form(), folder); // the window owns it
        return *keeper_;
    }
    void generateScored() { generateNineWithAResult(); }
    // What a program that was killed leaves: its copy, its lock gone stale.
    QString leaveCopy(const QByteArray& bytes) {
        const auto slot = RecoverySlot::claim(folder);
        EXPECT_TRUE(slot && slot->write(bytes));
        return slot ? slot->path() : QString();
    }
    static Session killedSession() {
        Session s;
        s.CourtCount = 3;
        s.FileName = "/club/土曜日.pf1";
        for (int i = 0; i < 12; ++i)
            s.Roster[static_cast<std::size_t>(i)] = "m" + std::to_string(i + 1);
        s.Matches[0] = MatchRecord{"m1", "m2", "m3", "m4", 6, 3};
        s.Matches[1] = MatchRecord{"m5", "m6", "m7", "m8", 0, 6};
        return s;
    }

    QString folder;
    RecoveryKeeper* keeper_ = nullptr;
};

TEST_F(RecoveryTest, AChangeIsCopiedWholeWithCourtsAndFileName) {
    keeper();
    generateScored();
    keeper().flush();
    const Session& s = form().session();
    EXPECT_EQ(read(keeper().copyPath()), recoveryFileBytes(s));
    const RecoveryContent c = readRecoveryFile(keeper().copyPath());
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.matches[0].WinA, 6);
    EXPECT_EQ(c.matches[0].WinB, 4);
    EXPECT_EQ(c.courts, 2);
}

struct EndCase {
    const char* name;
    void (*end)(RecoveryTest&, ScriptedPrompts&, TForm1&, const QString& dir);
    bool copyStays;
};

class RecoveryEnd : public RecoveryTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(RecoveryEnd, TheCopyGoesExactlyWhenNothingIsLeftToLose) {
    keeper();
    generateScored();
    keeper().flush();
    ASSERT_TRUE(QFile::exists(keeper().copyPath()));
    GetParam().end(*this, *ask, form(), dir.path());
    EXPECT_EQ(QFile::exists(keeper().copyPath()), GetParam().copyStays);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecoveryEnd,
    ::testing::Values(EndCase{"Saved",
                              [](RecoveryTest&, ScriptedPrompts& ask, TForm1& w, const QString& d) {
                                  ask.files.push_back(d + QStringLiteral("/day.pf1"));
                                  w.N6Click();
                              },
                              false},
                      EndCase{"ExitConfirmed",
                              [](RecoveryTest&, ScriptedPrompts& ask, TForm1& w, const QString&) {
                                  ask.answers.push_back(Answer::Ok);
                                  w.show();
                                  EXPECT_TRUE(w.close());
                              },
                              false},
                      EndCase{"ExitCancelled",
                              [](RecoveryTest&, ScriptedPrompts& ask, TForm1& w, const QString&) {
                                  ask.answers.push_back(Answer::Cancel);
                                  w.show();
                                  EXPECT_FALSE(w.close());
                              },
                              true},
                      EndCase{"PairingClosed",
                              [](RecoveryTest&, ScriptedPrompts& ask, TForm1& w, const QString&) {
                                  ask.answers.push_back(Answer::Yes);
                                  w.C1Click();
                              },
                              false},
                      EndCase{"ClosingDeclined",
                              [](RecoveryTest&, ScriptedPrompts& ask, TForm1& w, const QString&) {
                                  ask.answers.push_back(Answer::No);
                                  w.C1Click();
                              },
                              true}),
    [](const auto& info) { return std::string(info.param.name); });

struct OfferCase {
    const char* name;
    std::vector<Answer> answers;
    bool restored;
    bool leftoverStays;
};

class RecoveryOffer : public RecoveryTest, public ::testing::WithParamInterface<OfferCase> {};

TEST_P(RecoveryOffer, AnswersDecideBetweenRestoringKeepingAndDeleting) {
    const Session killed = killedSession();
    const QString leftover = leaveCopy(recoveryFileBytes(killed));
    for (Answer a : GetParam().answers)
        ask->answers.push_back(a);
    keeper().offerLeftovers();

    ASSERT_GE(ask->asked.size(), 1u);
    EXPECT_EQ(ask->asked[0].text, RestoreQuestion);
    EXPECT_EQ(ask->asked[0].title, QStringLiteral("復元の確認"));
    EXPECT_EQ(ask->asked[0].buttons, Buttons::YesNo);
    if (ask->asked.size() > 1) {
        EXPECT_EQ(ask->asked[1].text, DeleteQuestion);
        EXPECT_EQ(ask->asked[1].defaultButton, Answer::No); // Enter keeps the copy
    }
    EXPECT_EQ(QFile::exists(leftover), GetParam().leftoverStays);
    const Session& s = form().session();
    if (GetParam().restored) {
        EXPECT_EQ(s.Roster, killed.Roster);
        EXPECT_EQ(s.Matches, killed.Matches);
        EXPECT_EQ(s.CourtCount, 3);
        EXPECT_EQ(text("Edit37"), QStringLiteral("3"));
        EXPECT_TRUE(s.Modified);
        EXPECT_TRUE(s.PairingOpen);
        EXPECT_EQ(form().shownCaption(),
                  QStringLiteral("ペアフォージ(PAIRFORGE) [ /club/土曜日.pf1 ]*"));
        EXPECT_EQ(text("Edit1WinA"), QStringLiteral("6"));
        // The restored pairing is at once in this program's own copy.
        EXPECT_EQ(read(keeper().copyPath()), recoveryFileBytes(s));
    } else {
        EXPECT_FALSE(s.PairingOpen);
        EXPECT_FALSE(s.Modified);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecoveryOffer,
    ::testing::Values(OfferCase{"Restore", {Answer::Yes}, true, false},
                      OfferCase{"DeclineAndDelete", {Answer::No, Answer::Yes}, false, false},
                      OfferCase{"DeclineButKeep", {Answer::No, Answer::No}, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RecoveryTest, ARestoredPairingNeverSavedShowsTheUnsavedMark) {
    Session neverSaved = killedSession();
    neverSaved.FileName.clear();
    leaveCopy(recoveryFileBytes(neverSaved));
    ask->answers.push_back(Answer::Yes);
    keeper().offerLeftovers();
    ASSERT_TRUE(form().session().PairingOpen);
    EXPECT_EQ(form().shownCaption(), QStringLiteral("ペアフォージ(PAIRFORGE)*"));
}

TEST_F(RecoveryTest, ARestoredPairingStaysUnsavedWhateverIsUndone) {
    const QString leftover = leaveCopy(recoveryFileBytes(killedSession()));
    ask->answers.push_back(Answer::Yes);
    keeper().offerLeftovers();
    ASSERT_TRUE(form().session().PairingOpen);
    ask->asked.clear();

    arrow("UpDown1", true);
    action("undoAction")->trigger();
    EXPECT_EQ(form().session().Matches[0].WinA, 6);
    EXPECT_TRUE(form().session().Modified);
    EXPECT_TRUE(form().shownCaption().endsWith(QLatin1Char('*')));

    // Closing asks, and the copy stays until the loss is confirmed.
    keeper().flush();
    form().show();
    EXPECT_FALSE(form().close()); // nothing queued: Cancel, the default
    ASSERT_EQ(ask->asked.size(), 1u);
    EXPECT_EQ(ask->asked[0].title, QStringLiteral("終了の確認"));
    EXPECT_TRUE(QFile::exists(keeper().copyPath()));
    form().session().Modified = false; // let the window go
}

TEST_F(RecoveryTest, ACopyThatCannotBeWrittenIsToldOnceInTheStatusBar) {
    keeper();
    // Something that is not a file where the copy goes.
    ASSERT_TRUE(QDir().mkpath(keeper().copyPath()));
    generateScored();
    keeper().flush();
    arrow("UpDown3", true);
    keeper().flush();
    const auto marks = form().findChildren<QLabel*>(QStringLiteral("recoveryWarning"));
    ASSERT_EQ(marks.size(), 1);
    EXPECT_FALSE(marks[0]->isHidden());
    EXPECT_EQ(marks[0]->text(),
              QStringLiteral("復元用データを保存出来ません。こまめに上書き保存して下さい。"));
    EXPECT_TRUE(marks[0]->toolTip().startsWith(QDir::toNativeSeparators(keeper().copyPath())));
    EXPECT_TRUE(ask->asked.empty());
    form().show();
    QApplication::processEvents();
    EXPECT_LE(QFontMetrics(marks[0]->font()).horizontalAdvance(marks[0]->text()),
              marks[0]->contentsRect().width());
    if (const QByteArray out = qgetenv("PF_SHOT_DIR"); !out.isEmpty())
        form().grab().save(QString::fromLocal8Bit(out) + QStringLiteral("/recovery_warning.png"));

    // Written again: the mark goes.
    ASSERT_TRUE(QDir().rmdir(keeper().copyPath()));
    arrow("UpDown3", true);
    keeper().flush();
    EXPECT_TRUE(marks[0]->isHidden());
    EXPECT_TRUE(QFile::exists(keeper().copyPath()));
    form().session().Modified = false; // let the window go
}

TEST_F(RecoveryTest, ADamagedCopyIsReportedAndKeptAsideNeverRestored) {
    QByteArray bytes = recoveryFileBytes(killedSession());
    bytes.chop(10);
    const QString leftover = leaveCopy(bytes);
    keeper().offerLeftovers();

    ASSERT_EQ(ask->asked.size(), 1u);
    EXPECT_EQ(ask->asked[0].title, QStringLiteral("エラー"));
    EXPECT_TRUE(ask->asked[0].text.startsWith(
        QStringLiteral("前回の組み合わせの復元用データが壊れているため、復元出来ません。")));
    EXPECT_FALSE(QFile::exists(leftover));
    const QStringList aside =
        QDir(folder).entryList({QStringLiteral("recovery-1-damaged-*.pfr")}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(ask->asked[0].text.endsWith(aside[0]));
    EXPECT_EQ(read(QDir(folder).filePath(aside[0])), bytes);
    EXPECT_FALSE(form().session().PairingOpen);
}

TEST_F(RecoveryTest, TwoProgramsSideBySideKeepTheirOwnCopies) {
    Windows second = createWindows(sharedGenerators());
    auto* other = new RecoveryKeeper(*second.form1, folder);
    keeper();
    generateScored();
    keeper().flush();
    EXPECT_NE(other->copyPath(), keeper().copyPath());
    // The running program's copy is not offered to the other one.
    other->offerLeftovers();
    EXPECT_TRUE(ask->asked.empty());
    other->flush(); // nothing unsaved there: nothing written over ours
    EXPECT_FALSE(QFile::exists(other->copyPath()));
    EXPECT_EQ(read(keeper().copyPath()), recoveryFileBytes(form().session()));
}

} // namespace
