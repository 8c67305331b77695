// The commands of the main window's menu, toolbar and controls.

#include "app/main_window.h"

#include "app/day_length_dialog.h"
#include "app/help_page.h"
#include "members/candidate_editor.h"
#include "members/member_selection.h"
#include "model/text_codec.h"
#include "model/texts.h"
#include "pairing/generation.h"
#include "widgets/modal_runner.h"
#include "widgets/prompts.h"
#include "widgets/up_down.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QUndoStack>

namespace pf {

namespace {

// The hourglass for the whole application while the schedule is computed.
class HourglassCursor {
public:
    HourglassCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~HourglassCursor() { QApplication::restoreOverrideCursor(); }
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;
};

} // namespace

// --- New and close pairing -------------------------------------------------

void TForm1::N8Click() {
    if (session_.PairingOpen)
        return; // the command is disabled while a pairing is open
    const RosterCheck check = checkRoster(session_.Roster, session_.CourtCount);
    if (!check.ok()) {
        session_.Participants = check.participants;
        prompts().message(this, fromUtf8(check.error), QString::fromUtf8(ErrorTitle), Buttons::Ok);
        return;
    }
    // The balanced method can plan a shorter day that stays even wherever
    // it stops; the organiser says how many rounds (all by default).
    int dayRounds = 0;
    if (pairingMethodFromSetting(session_.GenerationMethod) == PairingMethod::Balanced) {
        DayLengthDialog dayLength(session_.CourtCount, this);
        if (runModal(dayLength) != QDialog::Accepted)
            return;
        dayRounds = dayLength.rounds();
    }
    if (const DayRules rules = dayRulesFromBits(session_.DayRuleBits);
        pairingMethodFromSetting(session_.GenerationMethod) == PairingMethod::Balanced &&
        rules.any()) {
        newRuledPairing(rules, dayRounds);
        return;
    }
    {
        HourglassCursor hourglass;
        unheard([&] { return GeneratePairing(session_, generators_, dayRounds); });
    }
    installPairing({session_.Roster, session_.Matches, session_.CourtCount, {}, false});
    UpDown13->setEnabled(false);
}

void TForm1::SpeedButton3Click() {
    N8Click();
}

void TForm1::C1Click() {
    if (!session_.PairingOpen)
        return;
    if (session_.Modified &&
        prompts().message(
            this,
            QStringLiteral("セーブせずに閉じると、\n現在の組み合わせ、勝ち数が失われま"
                           "すが\n閉じてよろしいですか？"),
            QStringLiteral("閉じる確認"), Buttons::YesNo, Answer::No) != Answer::Yes)
        return;
    closePairing(session_, generators_);
    failedSaveChoice_.clear();
    resetHistory(true);
    ScrollBar1->setValue(0);
    setNoPairingState();
    setCaption(title_);
    ShowPage();
}

void TForm1::SpeedButton4Click() {
    N6Click();
}
void TForm1::SpeedButton5Click() {
    G1Click();
}
void TForm1::SpeedButton6Click() {
    S2Click();
}

// --- Members ----------------------------------------------------------------

void TForm1::S1Click() {
    if (session_.PairingOpen || !dualListDlg_)
        return;
    const int n = memberCount(session_.Roster);
    dualListDlg_->setSelected(
        std::vector<Name>(session_.Roster.begin(), session_.Roster.begin() + n));
    dualListDlg_->FormActivate();
    if (runModal(*dualListDlg_) == QDialog::Accepted) {
        // The dialog refuses more than the roster holds; the bound here only
        // keeps the rows safe should that ever change.
        const std::vector<Name> chosen = dualListDlg_->selected();
        for (std::size_t row = 0; row < session_.Roster.size(); ++row)
            session_.Roster[row] = row < chosen.size() ? chosen[row] : Name();
    }
    CountMembers();
}

void TForm1::SpeedButton2Click() {
    S1Click();
}

void TForm1::E1Click() {
    if (!candidateDlg_)
        return;
    candidateDlg_->FormActivate();
    runModal(*candidateDlg_);
}

void TForm1::SpeedButton1Click() {
    E1Click();
}

// --- Paging -----------------------------------------------------------------

void TForm1::N3Click() {
    ScrollBar1->setValue(ScrollBar1->value() + 1);
}

void TForm1::B1Click() {
    ScrollBar1->setValue(ScrollBar1->value() - 1);
}

void TForm1::ScrollBar1Change() {
    session_.PageTop = ScrollBar1->value() * MatchesPerPage;
    updateActions();
    ShowPage();
}

// --- Scores and courts ------------------------------------------------------

void TForm1::UpDown1Changing() {
    session_.markModified();
}

void TForm1::UpDown13Click(int courts) {
    session_.CourtCount = courts;
}

void TForm1::Edit37Change() {
    session_.CourtCursor = 0;
    bool ok = false;
    const int c = Edit37->text().toInt(&ok);
    if (!ok || c < MinCourts || c > MaxCourts) {
        Q_EMIT matchesChanged();
        return;
    }
    session_.CourtCount = c;
    // A bar closes every round: after each panel for one court, after every
    // second for two, after the third for three.
    for (int i = 0; i < static_cast<int>(separators_.size()); ++i)
        separators_[static_cast<std::size_t>(i)]->setVisible((i + 1) % c == 0);
    followPairing();
    Q_EMIT matchesChanged();
}

// --- Help and exit ----------------------------------------------------------

void TForm1::R2Click() {
    const QStringList places =
        helpPagePlaces(QDir::currentPath(), QCoreApplication::applicationDirPath());
    const QString page =
        locateHelpPage(QDir::currentPath(), QCoreApplication::applicationDirPath());
    if (page.isEmpty() || !prompts().openUrl(page))
        prompts().message(this,
                          QString::fromUtf8(MsgCannotOpen) + QLatin1Char('\n') +
                              helpPageFailure(page, places),
                          title_, Buttons::Ok);
}

void TForm1::X1Click() {
    close();
}

} // namespace pf
