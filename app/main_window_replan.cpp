// The member-change command: latecomers join and leavers go while a pairing
// is open, and the rest of the day is planned again from a round on. The
// played matches and their results stay; the change is one undo step.

#include "app/main_window.h"

#include "app/replan_start_dialog.h"
#include "members/member_facts.h"
#include "members/member_selection.h"
#include "model/text_codec.h"
#include "model/texts.h"
#include "pairing/balanced_selection.h"
#include "pairing/court_guess.h"
#include "pairing/generation.h"
#include "pairing/generators.h"
#include "pairing/replan.h"
#include "pairing/ruled_day.h"
#include "widgets/modal_runner.h"
#include "widgets/prompts.h"
#include "widgets/up_down.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QScopeGuard>
#include <QScrollBar>
#include <QUndoCommand>
#include <QUndoStack>

namespace pf {

namespace {

// Undoing brings back the table, the roster and the court count of before;
// redoing puts the re-planned ones back. The first redo, when the step is
// pushed, applies the re-plan. The matches before the re-planned part are the
// same in both tables, so results typed into them meanwhile stay.
class ReplanStep : public QUndoCommand {
public:
    ReplanStep(TForm1& window, int kept, TForm1::PairingCopy before, TForm1::PairingCopy after)
        : QUndoCommand(QStringLiteral("メンバー変更")), window_(window), kept_(kept),
          before_(std::move(before)), after_(std::move(after)) {}
    void undo() override { put(before_); }
    void redo() override { put(after_); }

private:
    void put(const TForm1::PairingCopy& copy) {
        TForm1::PairingCopy now = copy;
        for (std::size_t s = 0; s < static_cast<std::size_t>(kept_); ++s) {
            now.matches[s].WinA = window_.session().Matches[s].WinA;
            now.matches[s].WinB = window_.session().Matches[s].WinB;
        }
        window_.restorePairing(now);
    }

    TForm1& window_;
    int kept_;
    TForm1::PairingCopy before_;
    TForm1::PairingCopy after_;
};

// Another draw of the whole day: nothing has a result, so undo and redo simply
// exchange the two tables.
class DrawStep : public QUndoCommand {
public:
    DrawStep(TForm1& window, TForm1::PairingCopy before, TForm1::PairingCopy after)
        : QUndoCommand(QStringLiteral("別の組合せ")), window_(window), before_(std::move(before)),
          after_(std::move(after)) {}
    void undo() override { window_.restorePairing(before_); }
    void redo() override { window_.restorePairing(after_); }

private:
    TForm1& window_;
    TForm1::PairingCopy before_;
    TForm1::PairingCopy after_;
};

} // namespace

void TForm1::anotherDrawClick() {
    const int courts = session_.CourtCount;
    PairingCopy before = pairingCopy();
    PairingCopy after = before;
    if (after.participants.empty()) // a pairing opened from a file
        after.participants = participantsOf(session_.Roster);
    if (!session_.PairingOpen || hasResultsFrom(session_.Matches, 1) ||
        !checkRoster(session_.Roster, courts).ok() ||
        static_cast<int>(after.participants.size()) < 4 * courts)
        return;
    BalancedOptions options;
    options.seed = drawBalancedSeed();
    // The same length as the day it replaces.
    options.endMatch = std::max(1, dayRoundsOf(session_.Matches, courts)) * courts;
    // Today's rules hold for the new draw as for a new pairing.
    const DayRules rules = dayRulesFromBits(session_.DayRuleBits);
    std::string refusal;
    std::string note;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto hourglass = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        if (!rules.any()) {
            generateBalanced(after.participants, courts, 0, nullptr, options, after.matches);
        } else if (const FactsForDay rows = readFactsForDay(factsFilePath()); !rows.error.empty()) {
            refusal = rows.error;
        } else {
            refusal = generateRuledDay(after.participants, courts, 0, nullptr,
                                       dayFactsOf(after.participants, rows.rows), rules, options,
                                       after.matches, &note);
        }
    }
    if (!refusal.empty()) {
        prompts().message(this, fromUtf8(refusal), QString::fromUtf8(ErrorTitle), Buttons::Ok);
        return;
    }
    after.pageTop = 0;
    undoStack_->push(new DrawStep(*this, std::move(before), std::move(after)));
    tellDayNote(note);
}

void TForm1::buildReplanCommand(QMenu* members) {
    replanAction_ = addCommand(members, "replanAction", QStringLiteral("メンバー変更(&M)..."),
                               QStringLiteral("遅れて来たメンバーや帰るメンバーに合わせて、"
                                              "残りの組み合わせを作り直します。"),
                               &TForm1::replanMembersClick);
}

TForm1::PairingCopy TForm1::pairingCopy() const {
    return {session_.Roster, session_.Matches, session_.CourtCount, session_.Participants,
            session_.PageTop};
}

void TForm1::restorePairing(const PairingCopy& copy) {
    session_.Roster = copy.roster;
    session_.Matches = copy.matches;
    session_.Participants = copy.participants;
    if (copy.courts != session_.CourtCount) {
        session_.CourtCount = copy.courts;
        UpDown13->setPosition(copy.courts);
        Edit37->setText(QString::number(copy.courts));
    }
    if (copy.courtCursor >= 0) {
        session_.CourtCursor = copy.courtCursor;
        Q_EMIT matchesChanged();
    }
    session_.markModified();
    CountMembers();
    const int page = copy.pageTop / MatchesPerPage;
    if (ScrollBar1->value() != page)
        ScrollBar1->setValue(page); // its handler shows the page
    else
        ShowPage();
}

void TForm1::replanMembersClick() {
    if (!session_.PairingOpen || !dualListDlg_)
        return;
    const int courts = session_.CourtCount;
    const int lastRound = MaxMatches - courts + 1;
    const int proposed = std::min(firstUnplayedMatch(session_.Matches, courts), lastRound);

    dualListDlg_->setSelected(presentFrom(session_.Roster, session_.Matches, proposed));
    dualListDlg_->FormActivate();
    if (runModal(*dualListDlg_) != QDialog::Accepted)
        return;
    const std::vector<Name> present = dualListDlg_->selected();

    ReplanStartDialog startDialog(proposed, courts, this);
    if (runModal(startDialog) != QDialog::Accepted)
        return;
    const int first = startDialog.firstMatch();
    if (hasResultsFrom(session_.Matches, first) &&
        prompts().message(this,
                          QStringLiteral("第%1試合以降に入力した勝ち数は失われます。\n"
                                         "組み合わせを作り直してよろしいですか？")
                              .arg(first),
                          QStringLiteral("作り直しの確認"), Buttons::YesNo,
                          Answer::No) != Answer::Yes)
        return;

    ReplanRequest request;
    request.firstMatch = first;
    request.present = present;
    request.courts = courts;
    request.seed = drawBalancedSeed();
    // The day's rules hold for the rest of the day as for a new one.
    request.rules = dayRulesFromBits(session_.DayRuleBits);
    DayFacts facts;
    if (request.rules.any()) {
        const FactsForDay rows = readFactsForDay(factsFilePath());
        if (!rows.error.empty()) {
            prompts().message(this, fromUtf8(rows.error), QString::fromUtf8(ErrorTitle),
                              Buttons::Ok);
            return;
        }
        facts = dayFactsOf(present, rows.rows);
        request.facts = &facts;
    }
    ReplanResult result;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto hourglass = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        result = planReplan(session_.Roster, session_.Matches, request);
    }
    if (!result.ok()) {
        prompts().message(this, fromUtf8(result.error), QString::fromUtf8(ErrorTitle), Buttons::Ok);
        return;
    }
    PairingCopy before = pairingCopy();
    before.courtCursor = session_.CourtCursor;
    // The court display and the board go straight to the first new round.
    PairingCopy after{result.roster,
                      result.matches,
                      courts,
                      result.present,
                      ((first - 1) / MatchesPerPage) * MatchesPerPage,
                      first - 1};
    undoStack_->push(new ReplanStep(*this, first - 1, std::move(before), std::move(after)));
    tellDayNote(result.note);
}

} // namespace pf
