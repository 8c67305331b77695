#include "standings/announcement_dialog.h"

#include "model/text_codec.h"
#include "pairing/random_source.h"
#include "standings/standings_window.h"

#include "widgets/ui_fonts.h"

#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

namespace pf {
namespace {

const QColor Aqua(0, 255, 255);
const QColor Fuchsia(255, 0, 255);

QLineEdit* box(QWidget* parent, const char* name, const QRect& geometry, const QFont& f,
               const QColor& colour, bool framed) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setReadOnly(true);
    e->setFrame(framed);
    e->setFocusPolicy(Qt::NoFocus); // Enter must always reach "発表"
    e->setFont(f);
    e->setGeometry(geometry);
    QPalette p = e->palette();
    p.setColor(QPalette::Base, colour);
    p.setColor(QPalette::Text, Qt::black);
    e->setPalette(p);
    return e;
}

int placeOf(RevealStep step) {
    switch (step) {
    case RevealStep::Third:
        return 3;
    case RevealStep::Second:
        return 2;
    case RevealStep::First:
        return 1;
    case RevealStep::Done:
        break;
    }
    return 0;
}

RevealStep after(RevealStep step) {
    switch (step) {
    case RevealStep::Third:
        return RevealStep::Second;
    case RevealStep::Second:
        return RevealStep::First;
    default:
        return RevealStep::Done;
    }
}

} // namespace

QString TOKBottomDlg4::placeTitle(int rank) {
    switch (rank) {
    case 1:
        return QStringLiteral("優勝");
    case 2:
        return QStringLiteral("２位");
    case 3:
        return QStringLiteral("３位");
    default:
        return {};
    }
}

TOKBottomDlg4::TOKBottomDlg4(Session& session, TForm4& standings, QWidget* parent)
    : QDialog(parent), session_(session), standings_(standings) {
    setObjectName(QStringLiteral("OKBottomDlg4"));
    setWindowTitle(QStringLiteral("順位発表"));
    setFont(proportionalGothic(12));
    setFixedSize(592, 419);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Aqua);
    setPalette(p);

    Label4 = new QLabel(QStringLiteral("順位発表"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setFont(proportionalGothic(64));
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setGeometry(148, 8, 296, 88);

    const QFont titleFont = fixedGothic(48);
    const QFont nameFont = proportionalGothic(48);
    // Titles are wide enough for two full-width characters of 48 pixels, and
    // all boxes tall enough for the line height of the fallback face.
    Edit4 = box(this, "Edit4", {20, 105, 108, 66}, titleFont, Aqua, false);
    Edit5 = box(this, "Edit5", {20, 195, 108, 66}, titleFont, Aqua, false);
    Edit6 = box(this, "Edit6", {20, 285, 108, 66}, titleFont, Aqua, false);
    for (QLineEdit* title : {Edit4, Edit5, Edit6})
        title->setText(QStringLiteral("優勝"));
    Edit1 = box(this, "Edit1", {136, 105, 440, 66}, nameFont, Fuchsia, true);
    Edit2 = box(this, "Edit2", {136, 195, 440, 66}, nameFont, Fuchsia, true);
    Edit3 = box(this, "Edit3", {136, 285, 440, 66}, nameFont, Fuchsia, true);

    Button1 = new QPushButton(QStringLiteral("発表"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(81, 370, 168, 25);
    Button1->setAutoDefault(false);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    OKBtn = new QPushButton(QStringLiteral("閉じる"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(435, 370, 75, 25);
    // Only "発表" answers Enter, also once it is disabled after the winner.
    OKBtn->setAutoDefault(false);
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
}

QLineEdit* TOKBottomDlg4::nameBox(RevealStep step) const {
    switch (step) {
    case RevealStep::Third:
        return Edit3;
    case RevealStep::Second:
        return Edit2;
    case RevealStep::First:
        return Edit1;
    case RevealStep::Done:
        break;
    }
    return nullptr;
}

const StandingRow* TOKBottomDlg4::rowOf(RevealStep step) const {
    const std::size_t place = static_cast<std::size_t>(placeOf(step));
    const auto& rows = standings_.standings().rows;
    // A member below the minimum of matches holds no place to announce.
    return place > 0 && place <= rows.size() && rows[place - 1].ranked ? &rows[place - 1] : nullptr;
}

bool TOKBottomDlg4::hasMember(RevealStep step) const {
    return rowOf(step) != nullptr;
}

RevealStep TOKBottomDlg4::firstPending(RevealStep step) const {
    // A place nobody holds (fewer than three members) is passed over, so that
    // "発表" never reveals an empty box after it flickered with names.
    while (step != RevealStep::Done && !hasMember(step))
        step = after(step);
    return step;
}

void TOKBottomDlg4::FormShow() {
    standings_.recompute();
    Timer1->start();
    step_ = firstPending(RevealStep::Third);
    Button1->setEnabled(step_ != RevealStep::Done);
    Edit1->clear();
    Edit2->clear();
    Edit3->clear();
    const auto titleOf = [this](RevealStep step) {
        const StandingRow* row = rowOf(step);
        return placeTitle(row ? row->rank : 0);
    };
    Edit4->setText(titleOf(RevealStep::First));
    Edit5->setText(titleOf(RevealStep::Second));
    Edit6->setText(titleOf(RevealStep::Third));
}

void TOKBottomDlg4::Timer1Timer() {
    if (step_ == RevealStep::Done) {
        Timer1->stop();
        return;
    }
    const int n = memberCount(session_.Roster);
    if (n == 0)
        return;
    const int r = processRandom().next() % n;
    nameBox(step_)->setText(decodeCp932(session_.Roster[static_cast<std::size_t>(r)]));
}

void TOKBottomDlg4::Button1Click() {
    if (step_ == RevealStep::Done)
        return;
    nameBox(step_)->setText(decodeCp932(rowOf(step_)->name));
    step_ = firstPending(after(step_));
    if (step_ == RevealStep::Done) {
        Timer1->stop();
        Button1->setEnabled(false);
    }
}

void TOKBottomDlg4::OKBtnClick() {
    accept();
}

void TOKBottomDlg4::FormClose() {
    Timer1->stop();
}

void TOKBottomDlg4::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous())
        return;
    // Centred the first time; after that it comes back where the organiser
    // left it (moving it again on every show let the frame push it down).
    if (const QScreen* s = screen(); s && !placed_) {
        placed_ = true;
        move(s->availableGeometry().center() - rect().center());
    }
    FormShow();
}

void TOKBottomDlg4::hideEvent(QHideEvent* e) {
    // However the dialog goes away (閉じる, Esc, the close box), the flicker
    // must not keep drawing from the generator behind it. A minimised window
    // (a spontaneous hide) keeps flickering for when it comes back.
    if (!e->spontaneous())
        FormClose();
    QDialog::hideEvent(e);
}

} // namespace pf
