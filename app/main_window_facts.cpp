// The club's own rules: メンバー情報 for the facts they read, and a new
// pairing by the balanced method that holds the rules chosen in the settings.

#include "app/main_window.h"

#include "members/candidate_file.h"
#include "members/member_facts_dialog.h"
#include "members/member_selection.h"
#include "model/text_codec.h"
#include "model/texts.h"
#include "pairing/generation.h"
#include "widgets/modal_runner.h"
#include "widgets/prompts.h"
#include "widgets/up_down.h"

#include <QApplication>
#include <QMenu>
#include <QScopeGuard>

namespace pf {

void TForm1::buildFactsCommand(QMenu* members) {
    memberFactsAction_ =
        addCommand(members, "memberFactsAction", QStringLiteral("メンバー情報(&I)..."),
                   QStringLiteral("メンバーの性別・レベル・固定ペア・別々にする相手を登録します。"),
                   &TForm1::memberFactsClick);
}

void TForm1::memberFactsClick() {
    if (!dualListDlg_)
        return;
    if (!memberFactsDialog_)
        memberFactsDialog_ = new MemberFactsDialog(this);
    memberFactsDialog_->load(dualListDlg_->candidates(), factsFilePath());
    runModal(*memberFactsDialog_);
}

void TForm1::newRuledPairing(const DayRules& rules, int dayRounds) {
    const QString path = factsFilePath();
    const FactsForDay facts = readFactsForDay(path);
    RosterCheck check;
    if (facts.error.empty()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto hourglass = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        check = unheard([&] {
            return generateRuledPairing(
                session_,
                [&facts](const std::vector<Name>& names) { return dayFactsOf(names, facts.rows); },
                rules, drawBalancedSeed(), dayRounds);
        });
    } else {
        check.error = facts.error;
    }
    if (!check.ok()) {
        prompts().message(this, fromUtf8(check.error), QString::fromUtf8(ErrorTitle), Buttons::Ok);
        return;
    }
    installPairing({session_.Roster, session_.Matches, session_.CourtCount, {}, false});
    UpDown13->setEnabled(false);
    tellDayNote(check.note);
}

void TForm1::tellDayNote(const std::string& note) {
    if (!note.empty())
        prompts().message(this, fromUtf8(note), QString::fromUtf8(DefaultTitle), Buttons::Ok);
}

DayFacts TForm1::todaysFacts(const std::vector<Name>& names) const {
    const FactsForDay rows = readFactsForDay(factsFilePath());
    return dayFactsOf(names, rows.rows);
}

QString TForm1::factsFilePath() const {
    // Without the selection dialog (never in the program), the starting folder's.
    return factsFilePathBeside(dualListDlg_ ? dualListDlg_->candidateFileName()
                                            : QString::fromLatin1(CandidateFileBaseName));
}

} // namespace pf
