// Open, save, save as and the two exports, driven through the main window:
// what reaches the disk, what the organiser is asked, and what stays on
// screen when a file is refused or cannot be written.

#include "gui_fixture.h"
#include "special_files.h"

#include "files/csv_writer.h"
#include "files/html_options_dialog.h"
#include "files/html_writer.h"
#include "files/pairing_file.h"
#include "files/recent_files.h"
#include "standings/standings.h"
#include "standings/standings_window.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>

using namespace pf;
using namespace pf::testing_support;

namespace {

const QString Title = QStringLiteral("ペアフォージ(PAIRFORGE)");

class FileCommandsTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        start();
    }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    static QByteArray read(const QString& p) {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeFile(const QString& p, const QByteArray& bytes) {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // A generated pairing of nine members on two courts with a few results.
    void generateScored() {
        generateNineWithAResult();
        action("N3")->trigger();
        arrow("UpDown3", true, 2);
        arrow("UpDown4", true, 6);
    }
    std::string caption(const QString& file) const {
        return (Title + QStringLiteral(" [ ") + file + QStringLiteral(" ]")).toStdString();
    }
};

TEST_F(FileCommandsTest, SaveAsksForAPathOnceThenWritesWithoutAsking) {
    generateScored();
    const QString file = path("土曜日.pf1");
    ask->files.push_back(file);
    find<QPushButton>("SpeedButton4")->click();
    ASSERT_EQ(ask->fileChoices.size(), 1u);
    EXPECT_EQ(ask->fileChoices[0].defaultSuffix, QStringLiteral("pf1"));
    EXPECT_EQ(ask->fileChoices[0].filter,
              QStringLiteral("PAIRFORGEファイル(*.pf1)|*.pf1|全てのファイル(*.*)|*.*"));
    EXPECT_FALSE(form().session().Modified);
    EXPECT_EQ(form().shownCaption().toStdString(), caption(file));
    EXPECT_EQ(read(file), pairingFileBytes(form().session().Roster, form().session().Matches));

    arrow("UpDown3", true);
    EXPECT_TRUE(form().session().Modified);
    action("N6")->trigger();
    EXPECT_EQ(ask->fileChoices.size(), 1u); // no second question
    EXPECT_FALSE(form().session().Modified);
    EXPECT_EQ(parsePairingFile(read(file)).matches[7].WinA, 3); // panel 2 of page 2
    EXPECT_TRUE(ask->asked.empty());
}

TEST_F(FileCommandsTest, SavedPairingReopensWithGapsCountsAndCaption) {
    generateScored();
    Session& s = form().session();
    s.Roster[20] = "below a gap"; // survives the save, though not a member
    s.Matches[119].WinB = 20;
    const QString file = path("day.pf1");
    ask->files.push_back(file);
    action("R1")->trigger();
    const MemberRoster roster = s.Roster;
    const MatchTable matches = s.Matches;

    // A fresh program opens it.
    windows = {};
    start();
    ask->files.push_back(file);
    action("O1")->trigger();
    const Session& t = form().session();
    EXPECT_TRUE(ask->asked.empty()); // nothing unsaved: no question
    EXPECT_EQ(t.Roster, roster);
    EXPECT_EQ(t.Matches, matches);
    EXPECT_TRUE(t.PairingOpen);
    EXPECT_FALSE(t.Modified);
    EXPECT_EQ(t.PageTop, 0);
    EXPECT_EQ(text("Edit38"), QStringLiteral("9"));
    EXPECT_EQ(find<QLabel>("Label27")->text(), QStringLiteral("1"));
    EXPECT_EQ(text("Edit1WinA"), QStringLiteral("6"));
    EXPECT_EQ(form().shownCaption().toStdString(), caption(file));
    EXPECT_FALSE(action("B1")->isEnabled());
    EXPECT_TRUE(action("C1")->isEnabled());
    // The file does not hold the court count: it stays adjustable.
    EXPECT_TRUE(find<UpDown>("UpDown13")->isEnabled());
    EXPECT_FALSE(action("N8")->isEnabled());
}

TEST_F(FileCommandsTest, OpeningOverAPairingOnPageSevenShowsPageOne) {
    const QString file = path("other.pf1");
    MatchTable other{};
    for (int i = 0; i < MaxMatches; ++i)
        other[static_cast<std::size_t>(i)] = {"w", "x", "y", "z", i % 21, 0};
    MemberRoster roster{};
    roster[0] = "w";
    ASSERT_TRUE(writePairingFile(file, roster, other));

    generateScored();
    find<QScrollBar>("ScrollBar1")->setValue(6);
    ASSERT_EQ(form().session().PageTop, 36);
    ask->answers.push_back(Answer::No);
    action("O1")->trigger(); // unsaved results: asked, and No keeps all
    ASSERT_EQ(ask->asked.size(), 1u);
    EXPECT_EQ(ask->asked[0].title, QStringLiteral("ファイルを開く確認"));
    EXPECT_EQ(ask->asked[0].buttons, Buttons::YesNo);
    EXPECT_TRUE(ask->fileChoices.empty());
    EXPECT_EQ(form().session().PageTop, 36);

    ask->answers.push_back(Answer::Yes);
    ask->files.push_back(file);
    action("O1")->trigger();
    EXPECT_EQ(form().session().Matches, other);
    EXPECT_EQ(find<QScrollBar>("ScrollBar1")->value(), 0);
    EXPECT_EQ(find<QLabel>("Label27")->text(), QStringLiteral("1"));
    EXPECT_EQ(text("Edit5WinA"), QStringLiteral("4"));
    EXPECT_FALSE(action("B1")->isEnabled());
    // Opened over a generated pairing: new pairing and the court count stay locked.
    EXPECT_FALSE(action("N8")->isEnabled());
    EXPECT_FALSE(find<UpDown>("UpDown13")->isEnabled());
    EXPECT_EQ(text("Edit38"), QStringLiteral("1"));
}

TEST_F(FileCommandsTest, ARefusedFileKeepsThePairingOnScreen) {
    generateScored();
    const QString good = path("good.pf1");
    ask->files.push_back(good);
    action("R1")->trigger();
    const MatchTable before = form().session().Matches;

    const QString wrong = path("wrong.pf1");
    writeFile(wrong, "PAIRFORGE Ver0.3 DATA FILE\r\n");
    const QString empty = path("empty.pf1");
    writeFile(empty, "");
    const QString fifo = path("x.pf1");
    ASSERT_EQ(test::makeFifo(fifo), test::HasFifos);
    const test::FifoWatchdog watchdog(fifo);
    // The described line; after it the file and why, where the system or
    // the program has a reason.
    const struct {
        QString file;
        const char* message;
        QString reason;
    } cases[] = {
        {wrong, "ファイルの内容が不正です。", {}},
        {empty, "ファイルの読み込みに失敗しました。", {}},
        {path("missing.pf1"), "ファイルの読み込みに失敗しました。", path("missing.pf1") + ": "},
        {fifo, "ファイルの読み込みに失敗しました。", fifo + ": 通常のファイルではありません。"},
    };
    for (const auto& [file, message, reason] : cases) {
        if (file == fifo && !test::HasFifos)
            continue;
        ask->asked.clear();
        ask->files.push_back(file);
        action("O1")->trigger();
        ASSERT_EQ(ask->asked.size(), 1u);
        const QString first = QString::fromUtf8(message);
        if (reason.isEmpty())
            EXPECT_EQ(ask->asked[0].text, first);
        else
            EXPECT_TRUE(
                ask->asked[0].text.startsWith(first + "\n" + QDir::toNativeSeparators(reason)))
                << ask->asked[0].text.toStdString();
        EXPECT_EQ(ask->asked[0].title, QStringLiteral("エラー"));
        EXPECT_EQ(form().session().Matches, before);
        EXPECT_EQ(form().session().FileName, good.toStdString());
        EXPECT_EQ(form().shownCaption().toStdString(), caption(good));
    }
    EXPECT_FALSE(watchdog.fired()) << "opening the FIFO blocked";
}

TEST_F(FileCommandsTest, AFailedSaveKeepsTheEarlierFileAndTheUnsavedMark) {
    generateScored();
    const QString file = path("kept.pf1");
    ask->files.push_back(file);
    action("R1")->trigger();
    const QByteArray saved = read(file);
    arrow("UpDown4", true);

    // Save as into a folder that does not exist: the message, and nothing lost.
    const QString nowhere = path("no-such-folder/day.pf1");
    ask->files.push_back(nowhere);
    action("R1")->trigger();
    ASSERT_EQ(ask->asked.size(), 1u);
    EXPECT_TRUE(
        ask->asked[0].text.startsWith(QStringLiteral("ファイルの書き込みに失敗しました。\n") +
                                      QDir::toNativeSeparators(nowhere) + ": "));
    EXPECT_TRUE(form().session().Modified);
    // The pairing still belongs to its file: caption and 上書き保存 go on there,
    // and the next Save As offers the name that failed.
    EXPECT_EQ(form().shownCaption().toStdString(), caption(file) + "*");
    EXPECT_EQ(form().session().FileName, file.toStdString());
    action("R1")->trigger();
    ASSERT_EQ(ask->fileChoices.size(), 3u);
    EXPECT_EQ(ask->fileChoices[2].initialPath, nowhere);
    EXPECT_EQ(read(file), saved);
    action("N6")->trigger();
    EXPECT_EQ(ask->fileChoices.size(), 3u);
    EXPECT_EQ(ask->asked.size(), 1u);
    EXPECT_FALSE(form().session().Modified);
    EXPECT_EQ(form().shownCaption().toStdString(), caption(file));
    EXPECT_NE(read(file), saved);
}

TEST_F(FileCommandsTest, AReadOnlyFileIsNotSavedOverEvenByRoot) {
    generateScored();
    const QString file = path("protected.pf1");
    writeFile(file, "keep");
    ASSERT_TRUE(
        QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const unsigned mode = test::nodeMode(file);
    ask->files.push_back(file);
    action("R1")->trigger();
    ASSERT_EQ(ask->asked.size(), 1u);
    EXPECT_EQ(ask->asked[0].text, QStringLiteral("ファイルの書き込みに失敗しました。\n") +
                                      QDir::toNativeSeparators(file) +
                                      QStringLiteral(": 読み取り専用のファイルです。"));
    EXPECT_EQ(read(file), "keep");
    EXPECT_EQ(test::nodeMode(file), mode);
    EXPECT_TRUE(form().session().Modified);
}

TEST_F(FileCommandsTest, CsvExportFollowsTheLayoutInForce) {
    generateScored();
    const QString file = path("results.csv");
    form().session().CsvMode = 0;
    ask->files.push_back(file);
    action("CSVT1")->trigger();
    EXPECT_EQ(ask->fileChoices.back().defaultSuffix, QStringLiteral("csv"));
    EXPECT_EQ(read(file), csvFileBytes(form().session().Matches, CsvLayout::TwoLinesPerMatch));
    EXPECT_EQ(read(file).count("\r\n"), 240);

    form().session().CsvMode = 1;
    ask->files.push_back(file);
    action("CSVT1")->trigger();
    EXPECT_EQ(ask->fileChoices.back().initialPath, file); // proposes the last choice
    EXPECT_EQ(read(file), csvFileBytes(form().session().Matches, CsvLayout::OneLinePerMatch));
    EXPECT_EQ(read(file).count("\r\n"), 120);
    EXPECT_EQ(form().session().CsvFileName, file.toStdString());
    EXPECT_TRUE(form().session().Modified); // exporting is not saving

    ask->files.push_back(path("missing-folder/x.csv"));
    action("CSVT1")->trigger();
    ASSERT_EQ(ask->asked.size(), 1u);
    EXPECT_TRUE(ask->asked[0].text.startsWith(
        QStringLiteral("ファイルの書き込みに失敗しました。\n") +
        QDir::toNativeSeparators(path("missing-folder/x.csv")) + ": "));
}

TEST_F(FileCommandsTest, HtmlExportUsesTheOptionsAndFillsTheOneStandingsTable) {
    generateScored();
    Session& s = form().session();
    s.RankingMethod = 1;
    const QString file = path("page.html");

    // Cancel in the options dialog: nothing asked, nothing written.
    setModalRunner([](QDialog& d) {
        d.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
        return d.result();
    });
    action("HTMLH1")->trigger();
    EXPECT_TRUE(ask->fileChoices.empty());

    setModalRunner([](QDialog& d) {
        d.findChild<QRadioButton*>(QStringLiteral("RadioButton2"))->click();
        d.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        return d.result();
    });
    ask->files.push_back(file);
    action("HTMLH1")->trigger();
    EXPECT_EQ(ask->fileChoices.back().defaultSuffix, QStringLiteral("html"));
    EXPECT_EQ(s.HtmlFileName, file.toStdString());

    StandingsTable expected;
    ComputeStandings(s.Matches, 1, expected);
    HtmlOptions options;
    options.range.mode = RangeMode::WithResults;
    EXPECT_EQ(read(file), htmlPageBytes(s.Matches, expected, 1, options));
    // The standings window's table holds this computation.
    auto* standings = windows.form4;
    EXPECT_EQ(standings->table().cell(1, 1), expected.cell(1, 1));
    EXPECT_EQ(standings->table().cell(0, 5), expected.cell(0, 5));
    EXPECT_TRUE(standings->table().cell(0, 6).empty()); // rule 2 leaves columns 6 to 10 empty
}

} // namespace

namespace {

TEST_F(FileCommandsTest, RecentFilesReopenAfterTheSameQuestionAndAMissingOneIsDropped) {
    generateScored();
    const QString first = path("一日目.pf1");
    const QString second = path("二日目.pf1");
    for (const QString& f : {first, second}) {
        ask->files.push_back(f);
        action("R1")->trigger();
    }
    EXPECT_EQ(action("recentFile1")->text(), QStringLiteral("&1 二日目.pf1"));
    EXPECT_EQ(action("recentFile2")->text(), QStringLiteral("&2 一日目.pf1"));
    EXPECT_FALSE(action("recentFile3")->isVisible());

    arrow("UpDown1", true);
    action("recentFile2")->trigger(); // unsaved: asked, Enter keeps the day
    ASSERT_EQ(ask->asked.size(), 1u);
    EXPECT_EQ(ask->asked[0].title, QStringLiteral("ファイルを開く確認"));
    EXPECT_EQ(form().session().FileName, second.toStdString());

    ask->answers = {Answer::Yes};
    action("recentFile2")->trigger();
    EXPECT_EQ(form().session().FileName, first.toStdString());
    EXPECT_EQ(action("recentFile1")->text(), QStringLiteral("&1 一日目.pf1"));
    EXPECT_TRUE(ask->fileChoices.size() == 2u); // no open dialog

    QFile::remove(second);
    action("recentFile2")->trigger();
    ASSERT_EQ(ask->asked.size(), 3u);
    EXPECT_EQ(ask->asked[2].text,
              QStringLiteral("ファイル「%1」が見つかりません。\n一覧から外します。")
                  .arg(QDir::toNativeSeparators(second)));
    EXPECT_FALSE(action("recentFile2")->isVisible());
    EXPECT_EQ(loadRecentFiles(programSettings()), QStringList({first}));
}

} // namespace
