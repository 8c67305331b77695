#include "app/main_window.h"

#include "court/court_board.h"
#include "court/court_display.h"
#include "dialogs/schedule_stats_window.h"
#include "dialogs/settings_store.h"
#include "files/recent_files.h"
#include "model/text_codec.h"
#include "model/texts.h"
#include "pairing/court_guess.h"
#include "pairing/generators.h"
#include "widgets/prompts.h"
#include "widgets/score_commands.h"
#include "widgets/ui_fonts.h"
#include "widgets/up_down.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTableWidget>
#include <QUndoStack>

namespace pf {

namespace {
const QColor ScoredGreen(0, 128, 0);
} // namespace

TForm1::TForm1(Generators& generators, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint),
      undoStack_(new QUndoStack(this)), title_(QString::fromUtf8(DefaultTitle)),
      generators_(generators) {
    setObjectName(QStringLiteral("Form1"));
    setFont(proportionalGothic(12));

    QWidget* client = buildClientArea();
    buildMenu();
    buildToolbar(client);
    buildMembersArea(client);
    buildMatchPanels(client);
    connect(UpDown13, &UpDown::clicked, this, &TForm1::UpDown13Click);
    UpDown13->setGuard([this](int, int courts) { return courtCountFits(courts); });
    connect(Edit37, &QLineEdit::textChanged, this, &TForm1::Edit37Change);

    session_.changed = [this] { Q_EMIT pairingChanged(); };
    connect(this, &TForm1::pairingChanged, this, &TForm1::followPairing);
    connect(this, &TForm1::pairingChanged, this, &TForm1::updateActions);
    // Qt's mark of unsaved changes, a trailing "*" beside the caption text.
    connect(this, &TForm1::pairingChanged, this, [this] { setWindowModified(session_.Modified); });
    // Undoing back to what is on disk leaves nothing unsaved.
    connect(undoStack_, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (clean && !historyResetting_ && session_.PairingOpen && session_.Modified)
            session_.markSaved();
    });
    session_.FileName.clear();
    session_.HtmlFileName.clear();
    session_.PairingOpen = false;
    session_.Modified = false;
    clearMatches(session_.Matches);
    setCaption(title_);

    applySettings(session_, loadSettings(programSettings()));
    recentFiles_ = loadRecentFiles(programSettings());
    showRecentFiles();

    setNoPairingState();
    // The rounds of the starting court count are marked from the first show.
    Edit37Change();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    move(194, 177);
}

TForm1::~TForm1() {
    FormDestroy();
    // The children still signal as they go (the history its clean state, a
    // score box losing the focus as the window hides), after this window has
    // stopped being one; nothing here may hear of them then.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
    session_.changed = nullptr;
}

void TForm1::setMemberDialogs(TDualListDlg* selection, TOKBottomDlg1* candidates) {
    dualListDlg_ = selection;
    candidateDlg_ = candidates;
}

void TForm1::setCommandWindows(const CommandWindows& windows) {
    windows_ = windows;
    if (!windows_.courtDisplay)
        return;
    connect(windows_.courtDisplay, &TOKBottomDlg2::shownChanged, this, &TForm1::matchesChanged);
    windows_.courtDisplay->setScoreHistory(undoStack_, scoreShownCallback());
    if (windows_.scheduleStats) {
        connect(windows_.scheduleStats, &ScheduleStatsWindow::anotherDrawRequested, this,
                &TForm1::anotherDrawClick);
        windows_.scheduleStats->setFactsSource(
            [this](const std::vector<Name>& names) { return todaysFacts(names); });
    }
}

void TForm1::ShowPage() {
    lastEntry_ = -1;
    const QScopedValueRollback<bool> filling(showing_, true);
    for (int n = 0; n < MatchesPerPage; ++n) {
        const int slot = session_.PageTop + n;
        if (slot < 0 || slot >= MaxMatches)
            continue;
        const MatchRecord& m = session_.Matches[static_cast<std::size_t>(slot)];
        MatchPanel& mp = panels_[static_cast<std::size_t>(n)];
        const Name* names[4] = {&m.a, &m.b, &m.c, &m.d};
        for (int k = 0; k < 4; ++k) {
            mp.name[k]->setText(decodeCp932(*names[k]));
            mp.name[k]->setCursorPosition(0);
        }
        // Copies, since the change handlers store into the same record.
        const int winA = m.WinA;
        const int winB = m.WinB;
        mp.win[0]->setText(QString::number(winA));
        mp.win[1]->setText(QString::number(winB));
        colourPanel(n);
        mp.number->setText(QString::number(slot + 1));
    }
    Q_EMIT matchesChanged();
}

void TForm1::CountMembers() {
    for (int row = 0; row < MaxMembers; ++row)
        StringGrid1->item(row, 0)->setText(
            decodeCp932(session_.Roster[static_cast<std::size_t>(row)]));
    Edit38->setText(QString::number(memberCount(session_.Roster)));
}

void TForm1::UpdateCaption() {
    if (session_.FileName.empty())
        setCaption(title_);
    else
        setCaption(title_ + QStringLiteral(" [ ") + fromUtf8(session_.FileName) +
                   QStringLiteral(" ]"));
}

QString TForm1::shownCaption() const {
    QString shown = windowTitle();
    shown.replace(QStringLiteral("[*]"), isWindowModified() ? QStringLiteral("*") : QString());
    return shown;
}

void TForm1::setCaption(const QString& text) {
    setWindowTitle(text + QStringLiteral("[*]"));
}

void TForm1::EnterPairingOpenState() {
    updateActions();
    if (ScrollBar1->value() != 0)
        ScrollBar1->setValue(0); // its handler shows the first page
    else
        ScrollBar1Change();
}

void TForm1::installPairing(const IncomingPairing& pairing) {
    session_.Roster = pairing.roster;
    session_.Matches = pairing.matches;
    // The arrows step from what the edit shows; its change handler follows.
    Edit37->setText(QString::number(pairing.courts));
    session_.CourtCursor = 0;
    session_.PairingOpen = true;
    session_.FileName = pairing.fileName;
    // A table that is not the one on disk has no undo back to a saved state.
    resetHistory(pairing.asOnDisk);
    UpdateCaption();
    CountMembers();
    EnterPairingOpenState();
    if (pairing.asOnDisk)
        session_.markSaved();
    else
        session_.markModified();
}

void TForm1::updateActions() {
    const bool open = session_.PairingOpen;
    for (QAction* a : {N8, S1})
        a->setEnabled(!open);
    for (std::size_t i : {1u, 2u})
        speedButtons_[i]->setEnabled(!open);
    for (QAction* a : {O1, X1, E1, C2, R2, N4})
        a->setEnabled(true);
    speedButtons_[0]->setEnabled(true);
    for (QAction* a : {C1, N6, R1, CSVT1, HTMLH1, G1, T1, S2, scheduleStatsAction_,
                       courtBoardAction_, replanAction_, printAction_, pdfAction_})
        a->setEnabled(open);
    for (QAction* a : clockActions_)
        a->setEnabled(open);
    for (std::size_t i : {3u, 4u, 5u})
        speedButtons_[i]->setEnabled(open);
    ScrollBar1->setEnabled(open);
    setScoreArrowsEnabled(open);
    B1->setEnabled(open && session_.PageTop >= MatchesPerPage);
    N3->setEnabled(open && session_.PageTop < MaxMatches - MatchesPerPage);
}

void TForm1::setNoPairingState() {
    updateActions();
    if (courtBoard_) // nothing left to show
        courtBoard_->close();
    UpDown13->setEnabled(true);
}

void TForm1::setScoreArrowsEnabled(bool on) {
    for (MatchPanel& mp : panels_) {
        for (int side = 0; side < 2; ++side) {
            mp.upDown[side]->setEnabled(on);
            // Typed into only while there are matches to take the counts.
            mp.win[side]->setReadOnly(!on);
            mp.win[side]->setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
        }
    }
}

void TForm1::colourPanel(int panel) {
    const int slot = session_.PageTop + panel;
    const bool scored = slot >= 0 && slot < MaxMatches &&
                        session_.Matches[static_cast<std::size_t>(slot)].hasScore();
    QFrame* frame = panels_[static_cast<std::size_t>(panel)].panel;
    QPalette pal = frame->palette();
    pal.setColor(QPalette::Window, scored ? ScoredGreen : palette().color(QPalette::Button));
    frame->setPalette(pal);
}

void TForm1::EditWinChange(int panel, int side) {
    const int slot = session_.PageTop + panel;
    if (slot < 0 || slot >= MaxMatches)
        return;
    bool ok = false;
    const int v = panels_[static_cast<std::size_t>(panel)].win[side]->text().toInt(&ok);
    if (!ok)
        return; // an emptied box while typing; the count stays until a digit comes
    if (showing_) {
        MatchRecord& m = session_.Matches[static_cast<std::size_t>(slot)];
        (side == 0 ? m.WinA : m.WinB) = v;
        colourPanel(panel);
        return;
    }
    const int entry = slot * 2 + side;
    recordScore(*undoStack_, session_, slot, side, v, scoreShownCallback(), entry == lastEntry_);
    lastEntry_ = entry;
    colourPanel(panel);
    Q_EMIT matchesChanged();
}

ScoreShown TForm1::scoreShownCallback() {
    return [this](int slot, bool reveal) { scoreShown(slot, reveal); };
}

void TForm1::scoreShown(int slot, bool reveal) {
    if (reveal) {
        lastEntry_ = -1;
        if (session_.PairingOpen &&
            (slot < session_.PageTop || slot >= session_.PageTop + MatchesPerPage)) {
            ScrollBar1->setValue(slot / MatchesPerPage); // shows the whole page
            return;
        }
    }
    const int panel = slot - session_.PageTop;
    if (panel < 0 || panel >= MatchesPerPage)
        return;
    const MatchRecord& m = session_.Matches[static_cast<std::size_t>(slot)];
    MatchPanel& mp = panels_[static_cast<std::size_t>(panel)];
    const QScopedValueRollback<bool> filling(showing_, true);
    for (int side = 0; side < 2; ++side) {
        const QString text = QString::number(side == 0 ? m.WinA : m.WinB);
        if (mp.win[side]->text() != text)
            mp.win[side]->setText(text);
    }
    colourPanel(panel);
}

void TForm1::moveScoreFocus(int panel, int side, bool forward) {
    constexpr int boxes = MatchesPerPage * 2;
    int pos = panel * 2 + side + (forward ? 1 : -1);
    if (pos >= boxes) {
        if (session_.PageTop >= MaxMatches - MatchesPerPage)
            return; // the last count of the day
        N3Click();
        pos = 0;
    } else if (pos < 0) {
        if (session_.PageTop < MatchesPerPage)
            return;
        B1Click();
        pos = boxes - 1;
    }
    panels_[static_cast<std::size_t>(pos / 2)].win[pos % 2]->setFocus(Qt::TabFocusReason);
}

void TForm1::scoreBoxLeft(int panel, int side) {
    lastEntry_ = -1;
    // A box left empty shows its count again.
    const int slot = session_.PageTop + panel;
    QLineEdit* box = panels_[static_cast<std::size_t>(panel)].win[side];
    if (box->text().isEmpty() && slot >= 0 && slot < MaxMatches)
        scoreShown(slot, false);
}

bool TForm1::courtCountFits(int courts) {
    if (!session_.PairingOpen || roundsHoldDistinctMembers(session_.Matches, courts))
        return true;
    return prompts().message(this,
                             QStringLiteral("このコート数では同じメンバーが同時に試合をする回が"
                                            "あります。変更しますか？"),
                             QStringLiteral("コート数の確認"), Buttons::YesNo,
                             Answer::No) == Answer::Yes;
}

void TForm1::resetHistory(bool matchesFile) {
    const QScopedValueRollback<bool> resetting(historyResetting_, true);
    undoStack_->clear();
    if (!matchesFile)
        undoStack_->resetClean(); // a new pairing is on no disk: no undo makes it saved
    lastEntry_ = -1;
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery()) {
        event->accept();
        Q_EMIT closeAccepted();
    } else {
        event->ignore();
    }
}

bool TForm1::FormCloseQuery() {
    if (!session_.Modified)
        return true;
    return prompts().message(this,
                             QStringLiteral("セーブせずに終了すると\n現在の組み合わせ、勝ち数が失わ"
                                            "れますが\n終了してよろしいですか？"),
                             QStringLiteral("終了の確認"), Buttons::OkCancel,
                             Answer::Cancel) == Answer::Ok;
}

void TForm1::FormDestroy() {
    if (const Status saved = saveSettings(programSettings(), settingsOf(session_)); !saved)
        prompts().message(nullptr, fromUtf8(saved.error), QString::fromUtf8(ErrorTitle),
                          Buttons::Ok);
}

} // namespace pf
