#include "app/main_window.h"

#include "app/prompts.h"
#include "app/text_codec.h"
#include "app/ui_fonts.h"
#include "app/up_down.h"
#include "dialogs/settings_store.h"
#include "pairing/entry_list.h"
#include "pairing/sequential_selection.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QUndoStack>

namespace pf {

namespace {
const QColor ScoredGreen(0, 128, 0);
} // namespace

TForm1::TForm1(EntryList& entries, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint),
      undoStack_(new QUndoStack(this)), title_(QString::fromUtf8(DefaultTitle)), entries_(entries),
      sequential_(std::make_unique<SequentialState>()) {
    setObjectName(QStringLiteral("Form1"));
    setFont(proportionalGothic(12));

    QWidget* client = buildClientArea();
    buildMenu();
    buildToolbar(client);
    buildMembersArea(client);
    buildMatchPanels(client);
    connect(UpDown13, &UpDown::clicked, this, &TForm1::UpDown13Click);
    connect(Edit37, &QLineEdit::textChanged, this, &TForm1::Edit37Change);

    session_.changed = [this] { Q_EMIT pairingChanged(); };
    session_.FileName.clear();
    session_.HtmlFileName.clear();
    session_.PairingOpen = false;
    session_.Modified = false;
    clearMatches(session_.Matches);
    setWindowTitle(title_);

    applySettings(session_, loadSettings(programSettings()));

    setNoPairingState();
    // The rounds of the starting court count are marked from the first show.
    Edit37Change();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    move(194, 177);
}

TForm1::~TForm1() {
    FormDestroy();
}

void TForm1::setMemberDialogs(TDualListDlg* selection, TOKBottomDlg1* candidates) {
    dualListDlg_ = selection;
    candidateDlg_ = candidates;
}

void TForm1::setCommandWindows(const CommandWindows& windows) {
    windows_ = windows;
}

void TForm1::ShowPage() {
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
}

void TForm1::CountMembers() {
    for (int row = 0; row < MaxMembers; ++row)
        StringGrid1->item(row, 0)->setText(
            decodeCp932(session_.Roster[static_cast<std::size_t>(row)]));
    Edit38->setText(QString::number(memberCount(session_.Roster)));
}

void TForm1::UpdateCaption() {
    setWindowTitle(title_ + QStringLiteral(" [ ") + fromUtf8(session_.FileName) +
                   QStringLiteral(" ]"));
}

void TForm1::EnterPairingOpenState() {
    for (QAction* a : {N8, S1})
        a->setEnabled(false);
    speedButtons_[1]->setEnabled(false);
    speedButtons_[2]->setEnabled(false);
    for (QAction* a : {O1, C1, N6, R1, CSVT1, HTMLH1, X1, E1, G1, T1, S2, C2, R2, N4})
        a->setEnabled(true);
    for (std::size_t i : {0u, 3u, 4u, 5u})
        speedButtons_[i]->setEnabled(true);
    ScrollBar1->setEnabled(true);
    setScoreArrowsEnabled(true);
    session_.PageTop = 0;
    if (ScrollBar1->value() != 0)
        ScrollBar1->setValue(0); // its handler shows the first page
    B1->setEnabled(false);
    N3->setEnabled(true);
}

void TForm1::setNoPairingState() {
    for (QAction* a : {N8, O1, X1, S1, E1, C2, R2, N4})
        a->setEnabled(true);
    for (QAction* a : {C1, N6, R1, CSVT1, HTMLH1, N3, B1, G1, T1, S2})
        a->setEnabled(false);
    for (std::size_t i : {0u, 1u, 2u})
        speedButtons_[i]->setEnabled(true);
    for (std::size_t i : {3u, 4u, 5u})
        speedButtons_[i]->setEnabled(false);
    ScrollBar1->setEnabled(false);
    UpDown13->setEnabled(true);
    setScoreArrowsEnabled(false);
}

void TForm1::setScoreArrowsEnabled(bool on) {
    for (MatchPanel& mp : panels_) {
        mp.upDown[0]->setEnabled(on);
        mp.upDown[1]->setEnabled(on);
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
        return;
    MatchRecord& m = session_.Matches[static_cast<std::size_t>(slot)];
    (side == 0 ? m.WinA : m.WinB) = v;
    colourPanel(panel);
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
                             QStringLiteral("終了の確認"), Buttons::OkCancel) == Answer::Ok;
}

void TForm1::FormDestroy() {
    if (!saveSettings(programSettings(), settingsOf(session_)))
        prompts().message(nullptr, QString::fromUtf8(MsgSettingsWriteFailed),
                          QStringLiteral("エラー"), Buttons::Ok);
}

} // namespace pf
