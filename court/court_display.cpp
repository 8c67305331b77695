#include "court/court_display.h"

#include "court/court_rounds.h"
#include "court/court_view.h"
#include "model/text_codec.h"
#include "widgets/modal_runner.h"
#include "widgets/score_edit.h"
#include "widgets/ui_fonts.h"
#include "widgets/up_down.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>

namespace pf {
namespace {

constexpr int ClientWidth = 418;
constexpr int CourtStep = 184; // from one court's items to the next one's
constexpr int MaxScore = 20;

// Window layout per court count: top of the three buttons, client height.
struct Layout {
    int buttonTop;
    int height;
};
constexpr std::array<Layout, MaxCourts> Layouts{{{210, 270}, {390, 440}, {570, 620}}};

const char* const UpDownNames[MaxCourts][2] = {
    {"UpDown4", "UpDown1"}, {"UpDown2", "UpDown3"}, {"UpDown5", "UpDown6"}};
const char* const WinLabelNames[MaxCourts][2] = {
    {"Label11", "Label7"}, {"Label15", "Label16"}, {"Label1", "Label2"}};
const char* const CourtNames[MaxCourts] = {"Panel1", "Panel8", "Panel15"};
const char* const BoxNames[MaxCourts][2] = {
    {"Panel6", "Panel7"}, {"Panel13", "Panel14"}, {"Panel20", "Panel21"}};

QString objName(const char* base, int court, const char* suffix) {
    return QString::fromLatin1(base) + QString::number(court) + QLatin1String(suffix);
}

QLineEdit* flatEdit(QWidget* parent, const QString& name, const QRect& geometry, const QFont& font,
                    const QColor& text) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setFrame(false);
    e->setFocusPolicy(Qt::NoFocus);
    e->setFont(font);
    e->setGeometry(geometry);
    e->setTextMargins(0, 0, 0, 0);
    QPalette p = e->palette();
    p.setColor(QPalette::Base, CourtView::Green);
    p.setColor(QPalette::Text, text);
    e->setPalette(p);
    return e;
}

QFrame* scoreBox(QWidget* parent, const char* name, int left, int top, ScoreEdit*& win,
                 UpDown*& upDown, const char* upDownName, const char* labelName,
                 const QString& winName) {
    auto* box = new QFrame(parent);
    box->setObjectName(QLatin1String(name));
    box->setFrameStyle(QFrame::Panel | QFrame::Raised);
    box->setAutoFillBackground(true);
    // Button face, as the panels of the main window, not the court's green.
    QPalette face = box->palette();
    const QPalette app = QApplication::palette();
    face.setColor(QPalette::Window, app.color(QPalette::Button));
    face.setColor(QPalette::WindowText, app.color(QPalette::ButtonText));
    box->setPalette(face);
    box->setGeometry(left, top, 81, 38);

    // Typed into, as the main window's panels are: digits over the count,
    // Tab and Enter on to the next box, the wheel as the arrows.
    win = new ScoreEdit(box);
    win->setText(QStringLiteral("0"));
    win->setObjectName(winName);
    win->setFocusPolicy(Qt::StrongFocus);
    win->setFont(fixedGothic(24, true));
    win->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    win->setTextMargins(0, 0, 0, 0);
    win->setGeometry(3, 3, 32, 32);

    upDown = new UpDown(win, 0, MaxScore, box);
    upDown->setObjectName(QLatin1String(upDownName));
    upDown->setGeometry(35, 3, 16, 32);

    auto* label = new QLabel(QStringLiteral("勝"), box);
    label->setObjectName(QLatin1String(labelName));
    label->setFont(proportionalGothic(19, false));
    label->setGeometry(54, 6, 24, 26);
    return box;
}

int numberIn(const QLineEdit* edit) {
    return edit->text().trimmed().toInt();
}

} // namespace

TOKBottomDlg2::TOKBottomDlg2(Session& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("OKBottomDlg2"));
    setWindowTitle(QStringLiteral("試合開始"));
    // Minimise only: no system menu and so no close box; "閉じる" ends it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowStaysOnTopHint);
    setAutoFillBackground(true);
    QPalette green = palette();
    green.setColor(QPalette::Window, CourtView::Green);
    setPalette(green);

    const QFont nameFont = proportionalGothic(13, false);
    const QFont shiaiFont = proportionalGothic(16, true);
    for (int k = 0; k < MaxCourts; ++k) {
        Court& c = courts_[static_cast<std::size_t>(k)];
        const int dy = k * CourtStep;
        const int n = k + 1;
        c.shiai = flatEdit(this, QStringLiteral("Shiai%1").arg(n), QRect(16, 26 + dy, 80, 18),
                           shiaiFont, Qt::black);
        c.panel = new CourtView(this);
        c.panel->setObjectName(QLatin1String(CourtNames[k]));
        c.panel->move(8, 56 + dy);
        c.nameA =
            flatEdit(c.panel, objName("Name", n, "A"), QRect(8, 24, 80, 18), nameFont, Qt::white);
        c.nameB =
            flatEdit(c.panel, objName("Name", n, "B"), QRect(8, 76, 80, 18), nameFont, Qt::white);
        c.nameC =
            flatEdit(c.panel, objName("Name", n, "C"), QRect(306, 24, 80, 18), nameFont, Qt::white);
        c.nameD =
            flatEdit(c.panel, objName("Name", n, "D"), QRect(306, 76, 80, 18), nameFont, Qt::white);
        ScoreEdit* edits[2] = {};
        c.boxA = scoreBox(this, BoxNames[k][0], 118, 18 + dy, edits[0], c.upDownA,
                          UpDownNames[k][0], WinLabelNames[k][0], objName("Win", n, "A"));
        c.boxB = scoreBox(this, BoxNames[k][1], 220, 18 + dy, edits[1], c.upDownB,
                          UpDownNames[k][1], WinLabelNames[k][1], objName("Win", n, "B"));
        c.winA = edits[0];
        c.winB = edits[1];
        for (int side = 0; side < 2; ++side) {
            ScoreEdit* e = edits[side];
            UpDown* u = side == 0 ? c.upDownA : c.upDownB;
            connect(e, &ScoreEdit::advance, this,
                    [this, k, side](bool forward) { moveScoreFocus(k, side, forward); });
            connect(e, &ScoreEdit::wheelStep, u, &UpDown::step);
            // A typed count is a change like a click on an arrow.
            connect(e, &QLineEdit::textEdited, this, [this] { session_.markModified(); });
            connect(e, &ScoreEdit::left, this, [this, k, side] { scoreBoxLeft(k, side); });
        }
        // Every click marks the pairing modified, also one at 0 or 20.
        for (UpDown* u : {c.upDownA, c.upDownB})
            connect(u, &UpDown::changing, this, [this] { session_.markModified(); });
        // A count moved here is shown on the court board at once, though it
        // reaches the table only when the round is stored.
        for (QLineEdit* e : {c.winA, c.winB})
            connect(e, &QLineEdit::textChanged, this, [this] {
                if (filled_)
                    Q_EMIT shownChanged();
            });
    }

    Button1 = new QPushButton(QStringLiteral("＜前"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    OKBtn = new QPushButton(QStringLiteral("閉じる"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("次＞"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    connect(Button1, &QPushButton::clicked, this, &TOKBottomDlg2::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TOKBottomDlg2::Button2Click);
    connect(OKBtn, &QPushButton::clicked, this, &TOKBottomDlg2::OKBtnClick);

    // Designed for three courts until the first opening says otherwise.
    const Layout& l = Layouts[MaxCourts - 1];
    Button1->setGeometry(72, l.buttonTop, 75, 25);
    OKBtn->setGeometry(172, l.buttonTop, 75, 25);
    Button2->setGeometry(272, l.buttonTop, 75, 25);
    setFixedSize(ClientWidth, l.height);
}

void TOKBottomDlg2::run() {
    runModal(*this);
}

void TOKBottomDlg2::setScoreHistory(QUndoStack* history, ScoreShown shown) {
    history_ = history;
    shown_ = std::move(shown);
}

void TOKBottomDlg2::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return; // restored from the task bar: keep what is shown
    FormShow();
    ShowCourts();
    courts_[0].winA->setFocus(Qt::OtherFocusReason);
}

void TOKBottomDlg2::FormShow() {
    courtCount_ = shownCourts(session_);
    const int n = courtCount_;
    const Layout& l = Layouts[static_cast<std::size_t>(n - 1)];
    for (int k = 1; k < MaxCourts; ++k) {
        const Court& c = courts_[static_cast<std::size_t>(k)];
        for (QWidget* w : std::initializer_list<QWidget*>{c.shiai, c.panel, c.boxA, c.boxB})
            w->setVisible(k < n);
    }
    for (QPushButton* b : {Button1, OKBtn, Button2})
        b->move(b->x(), l.buttonTop);
    setFixedSize(ClientWidth, l.height);
    settleRound(session_);
}

void TOKBottomDlg2::ShowCourts() {
    const int n = courtCount_;
    const int p = roundStart(session_);
    shownStart_ = p;
    for (int k = 0; k < n; ++k) {
        const Court& c = courts_[static_cast<std::size_t>(k)];
        const MatchRecord& m = session_.Matches[static_cast<std::size_t>(p + k)];
        c.shiai->setText(QStringLiteral("第%1試合").arg(p + k + 1));
        c.nameA->setText(decodeCp932(m.a));
        c.nameB->setText(decodeCp932(m.b));
        c.nameC->setText(decodeCp932(m.c));
        c.nameD->setText(decodeCp932(m.d));
        for (QLineEdit* e : {c.nameA, c.nameB, c.nameC, c.nameD}) {
            e->setCursorPosition(0);
            e->setToolTip(e->text());
        }
        c.winA->setText(QString::number(m.WinA));
        c.winB->setText(QString::number(m.WinB));
    }
    Button1->setEnabled(hasPreviousRound(session_));
    Button2->setEnabled(hasNextRound(session_));
    filled_ = true;
    Q_EMIT shownChanged();
}

std::vector<ShownCounts> TOKBottomDlg2::shownCounts() const {
    std::vector<ShownCounts> shown;
    if (!filled_)
        return shown;
    for (int k = 0; k < courtCount_; ++k) {
        const Court& c = courts_[static_cast<std::size_t>(k)];
        shown.push_back({shownStart_ + k, {numberIn(c.winA), numberIn(c.winB)}});
    }
    return shown;
}

void TOKBottomDlg2::StoreCourtScores() {
    if (!filled_)
        return;
    std::array<CourtCounts, MaxCourts> counts{};
    for (int k = 0; k < courtCount_; ++k) {
        const Court& c = courts_[static_cast<std::size_t>(k)];
        counts[static_cast<std::size_t>(k)] = {numberIn(c.winA), numberIn(c.winB)};
    }
    if (history_) {
        // Each count that moved becomes one step of the session's undo history.
        for (int k = 0; k < courtCount_; ++k) {
            const CourtCounts& c = counts[static_cast<std::size_t>(k)];
            recordScore(*history_, session_, shownStart_ + k, 0, c.winA, shown_);
            recordScore(*history_, session_, shownStart_ + k, 1, c.winB, shown_);
        }
        return;
    }
    storeRoundCounts(session_, shownStart_,
                     std::span(counts).first(static_cast<std::size_t>(courtCount_)));
}

void TOKBottomDlg2::Button1Click() {
    StoreCourtScores();
    stepRound(session_, -1);
    ShowCourts();
}

void TOKBottomDlg2::Button2Click() {
    StoreCourtScores();
    stepRound(session_, +1);
    ShowCourts();
}

void TOKBottomDlg2::moveScoreFocus(int court, int side, bool forward) {
    const int boxes = courtCount_ * 2;
    int pos = court * 2 + side + (forward ? 1 : -1);
    if (pos >= boxes) {
        if (!hasNextRound(session_))
            return; // the last count of the day
        Button2Click();
        pos = 0;
    } else if (pos < 0) {
        if (!hasPreviousRound(session_))
            return;
        Button1Click();
        pos = boxes - 1;
    }
    const Court& c = courts_[static_cast<std::size_t>(pos / 2)];
    (pos % 2 == 0 ? c.winA : c.winB)->setFocus(Qt::TabFocusReason);
}

void TOKBottomDlg2::scoreBoxLeft(int court, int side) {
    // A box left empty shows its stored count again.
    const Court& c = courts_[static_cast<std::size_t>(court)];
    QLineEdit* box = side == 0 ? c.winA : c.winB;
    const auto slot = static_cast<std::size_t>(shownStart_ + court);
    if (filled_ && box->text().isEmpty() && slot < session_.Matches.size()) {
        const MatchRecord& m = session_.Matches[slot];
        box->setText(QString::number(side == 0 ? m.WinA : m.WinB));
    }
}

void TOKBottomDlg2::OKBtnClick() {
    accept();
}

// Every way out (閉じる, Esc, the window manager) keeps the counts shown.
void TOKBottomDlg2::done(int result) {
    StoreCourtScores();
    filled_ = false;
    QDialog::done(result);
    Q_EMIT shownChanged();
}

} // namespace pf
