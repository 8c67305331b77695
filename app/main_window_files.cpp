// The file commands of the main window: open, save, save as, and the CSV and
// HTML exports.

#include "app/main_window.h"

#include "dialogs/settings_store.h"
#include "files/atomic_save.h"
#include "files/csv_writer.h"
#include "files/html_options_dialog.h"
#include "files/html_writer.h"
#include "files/known_courts.h"
#include "files/pairing_file.h"
#include "files/recent_files.h"
#include "model/text_codec.h"
#include "model/texts.h"
#include "pairing/court_guess.h"
#include "standings/standings_window.h"
#include "widgets/modal_runner.h"
#include "widgets/prompts.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QScrollBar>
#include <QUndoStack>
#include <algorithm>

namespace pf {

namespace {

const QString PairingFilter =
    QStringLiteral("PAIRFORGEファイル(*.pf1)|*.pf1|全てのファイル(*.*)|*.*");

std::string toPath(const QString& path) {
    return path.toUtf8().toStdString();
}

} // namespace

bool TForm1::confirmOpenOverChanges() {
    return !session_.Modified ||
           prompts().message(
               this,
               QStringLiteral("セーブせずに新しいファイルを開くと、\n現在の組み合わせ、勝"
                              "ち数が失われますが\nファイルを開いてよろしいですか？"),
               QStringLiteral("ファイルを開く確認"), Buttons::YesNo, Answer::No) == Answer::Yes;
}

void TForm1::O1Click() {
    if (!confirmOpenOverChanges())
        return;
    const QString path = prompts().openFile(this, {QStringLiteral("ファイルを開く"), PairingFilter,
                                                   QStringLiteral("pf1"), lastOpenChoice_});
    if (path.isEmpty())
        return;
    openPairingFile(path);
}

void TForm1::openRecentFile(int index) {
    if (index < 0 || index >= recentFiles_.size())
        return;
    const QString path = recentFiles_[index];
    if (!QFileInfo(path).isFile()) {
        prompts().message(this,
                          QStringLiteral("ファイル「%1」が見つかりません。\n一覧から外します。")
                              .arg(QDir::toNativeSeparators(path)),
                          ErrorTitle, Buttons::Ok);
        recentFiles_ = withoutRecentFile(recentFiles_, path);
        saveRecentFiles(programSettings(), recentFiles_);
        showRecentFiles();
        return;
    }
    if (confirmOpenOverChanges())
        openPairingFile(path);
}

void TForm1::rememberFile(const QString& path) {
    recentFiles_ = withRecentFile(recentFiles_, path);
    saveRecentFiles(programSettings(), recentFiles_);
    showRecentFiles();
}

void TForm1::showRecentFiles() {
    recentSeparator_->setVisible(!recentFiles_.isEmpty());
    for (int i = 0; i < static_cast<int>(recentActions_.size()); ++i) {
        QAction* a = recentActions_[static_cast<std::size_t>(i)];
        const bool listed = i < recentFiles_.size();
        a->setVisible(listed);
        if (!listed)
            continue;
        const QString path = recentFiles_[i];
        a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        a->setStatusTip(QDir::toNativeSeparators(path));
    }
}

void TForm1::openPairingFile(const QString& path) {
    lastOpenChoice_ = path;
    const PairingFileContent content = readPairingFile(path);
    if (!content.ok()) {
        // Nothing of the pairing on screen has changed.
        prompts().message(this, fromUtf8(content.error), QString::fromUtf8(ErrorTitle),
                          Buttons::Ok);
        return;
    }
    const std::optional<int> courts = courtCountForFile(path, content.matches);
    if (!courts)
        return; // the organiser cancelled: nothing has changed
    rememberCourtCount(programSettings(), path, *courts);
    failedSaveChoice_.clear();
    installPairing({content.roster, content.matches, *courts, toPath(path), true});
    rememberFile(path);
}

std::optional<int> TForm1::courtCountForFile(const QString& path, const MatchTable& table) {
    // The file does not keep the court count, and the rounds of a day often
    // fit more than one (twelve on one court hold twelve different names in
    // every three matches), so a guess is only made where nothing better is
    // known: the count this file was last used with, then the count in use.
    const std::vector<int> fits = fittingCourtCounts(table);
    if (fits.empty())
        return MinCourts; // a member twice in one match: only one court makes sense
    const auto fitting = [&fits](int c) {
        return std::find(fits.begin(), fits.end(), c) != fits.end();
    };
    if (const std::optional<int> known = knownCourtCount(programSettings(), path);
        known && fitting(*known))
        return known;
    if (fitting(session_.CourtCount))
        return session_.CourtCount;
    if (fits.size() == 1)
        return fits.front();
    QStringList items;
    for (const int c : fits)
        items << QStringLiteral("%1面").arg(c);
    const std::optional<int> chosen =
        prompts().chooseItem(this, QStringLiteral("このファイルのコート数を選んで下さい"),
                             QStringLiteral("コート数の確認"), items, 0);
    if (!chosen || *chosen < 0 || *chosen >= static_cast<int>(fits.size()))
        return std::nullopt;
    return fits[static_cast<std::size_t>(*chosen)];
}

bool TForm1::WritePairingFile() {
    if (const Status saved =
            writePairingFile(fromUtf8(session_.FileName), session_.Roster, session_.Matches);
        !saved) {
        // The file on disk is as it was; the results are still only here.
        prompts().message(this, fromUtf8(saved.error), QString::fromUtf8(ErrorTitle), Buttons::Ok);
        return false;
    }
    session_.markSaved();
    undoStack_->setClean();
    lastEntry_ = -1; // a count typed after the save is a new step
    UpdateCaption();
    rememberFile(fromUtf8(session_.FileName));
    rememberCourtCount(programSettings(), fromUtf8(session_.FileName), session_.CourtCount);
    return true;
}

void TForm1::N6Click() {
    if (!session_.PairingOpen)
        return;
    if (session_.FileName.empty()) {
        R1Click();
        return;
    }
    WritePairingFile();
}

void TForm1::R1Click() {
    if (!session_.PairingOpen)
        return;
    QString proposal = failedSaveChoice_;
    if (proposal.isEmpty())
        proposal = session_.FileName.empty() ? lastSaveChoice_ : fromUtf8(session_.FileName);
    const QString path = prompts().saveFile(
        this, {QStringLiteral("名前を付けて保存"), PairingFilter, QStringLiteral("pf1"), proposal});
    if (path.isEmpty())
        return;
    lastSaveChoice_ = path;
    const std::string previous = session_.FileName;
    session_.FileName = toPath(path);
    if (WritePairingFile()) {
        failedSaveChoice_.clear();
        return;
    }
    // The pairing still belongs to the file it came from, so that the caption
    // and 上書き保存 keep pointing there; the name that failed is offered again.
    session_.FileName = previous;
    failedSaveChoice_ = path;
}

bool TForm1::saveExport(const QString& path, const QByteArray& bytes) {
    const Status saved = saveFileAtomically(path, bytes);
    if (saved)
        return true;
    prompts().message(this, fromUtf8(saved.error), QString::fromUtf8(ErrorTitle), Buttons::Ok);
    return false;
}

void TForm1::CSVT1Click() {
    if (!session_.PairingOpen)
        return;
    const QString path = prompts().saveFile(
        this, {QStringLiteral("CSV形式で出力"),
               QStringLiteral("CSV形式ファイル(*.csv)|*.csv|全てのファイル(*.*)|*.*"),
               QStringLiteral("csv"), lastCsvChoice_});
    if (path.isEmpty())
        return;
    lastCsvChoice_ = path;
    session_.CsvFileName = toPath(path);
    saveExport(path, csvFileBytes(session_.Matches, csvLayoutFromSetting(session_.CsvMode)));
}

void TForm1::HTMLH1Click() {
    if (!session_.PairingOpen || !windows_.htmlOptions || !windows_.standings)
        return;
    if (runModal(*windows_.htmlOptions) != QDialog::Accepted)
        return;
    const QString path = prompts().saveFile(
        this, {QStringLiteral("HTML形式で出力"),
               QStringLiteral("HTMLファイル(*.html)|*.html|全てのファイル(*.*)|*.*"),
               QStringLiteral("html"), lastHtmlChoice_});
    if (path.isEmpty())
        return;
    lastHtmlChoice_ = path;
    session_.HtmlFileName = toPath(path);
    // The one standings table of the run, so the standings window shows this
    // computation too.
    const StandingsTable& table = windows_.standings->recompute();
    saveExport(path, htmlPageBytes(session_.Matches, table, session_.RankingMethod,
                                   windows_.htmlOptions->options()));
}

} // namespace pf
