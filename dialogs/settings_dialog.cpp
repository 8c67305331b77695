#include "dialogs/settings_dialog.h"

#include "app/dialog_buttons.h"
#include "app/modal_runner.h"
#include "app/ui_fonts.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pf {
namespace {

const char* const Explanation1 =
    "ランダムに組み合わせを選択し、その組み合わせが対戦可能か、極端に対戦数に差分が生じないか、"
    "極端に同じ組み合わせとならないかをチェックし決定する方式で、組み合わせを生成します。";
const char* const Explanation2 =
    "選ぶ順番を最初にランダムに並べ替え、その順番にメンバーを選んでいき、その組み合わせが対戦可能"
    "か、極端に対戦数に差分が生じないか、極端に同じ組み合わせとならないかをチェックし決定し、適切"
    "な組み合わせが無い場合前の組み合わせを選び直して同じ様にチェックしていく方式で、組み合わせを"
    "生成します。";
const char* const Explanation3 = "各試合の勝率にて順位を決定します。ただし、同率の場合は、全てのゲ"
                                 "ームの勝率にて順位を決定します。";
const char* const Explanation4 = "全てのゲームの勝率にて順位を決定します。";
const char* const Explanation5 = "メンバーと勝ち数で１行を出力します。１試合で２行となります。";
const char* const Explanation6 = "１試合を１行を出力します。";

constexpr int ClientWidth = 434;
constexpr int ClientHeight = 559;
constexpr int ExplanationWidth = 376;

QString u(const char* s) {
    return QString::fromUtf8(s);
}

// Sized for the longer of the group's two texts, so the box does not jump
// when the choice changes.
QLabel* explanationBox(QWidget* parent, const char* name, const char* first, const char* second) {
    auto* box = new QLabel(parent);
    box->setObjectName(QLatin1String(name));
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setWordWrap(true);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setTextInteractionFlags(Qt::NoTextInteraction);
    box->setMargin(3);
    const QFontMetrics fm(box->font());
    const QRect wrap(0, 0, ExplanationWidth - 10, 10000);
    const int lines = std::max(fm.boundingRect(wrap, Qt::TextWordWrap, u(first)).height(),
                               fm.boundingRect(wrap, Qt::TextWordWrap, u(second)).height());
    box->setFixedHeight(lines + 12);
    return box;
}

QGroupBox* group(QWidget* parent, const char* name, const char* caption, QRadioButton*& first,
                 const char* firstName, const char* firstCaption, QRadioButton*& second,
                 const char* secondName, const char* secondCaption, QLabel*& box,
                 const char* boxName, const char* firstText, const char* secondText) {
    auto* g = new QGroupBox(u(caption), parent);
    g->setObjectName(QLatin1String(name));
    first = new QRadioButton(u(firstCaption), g);
    first->setObjectName(QLatin1String(firstName));
    second = new QRadioButton(u(secondCaption), g);
    second->setObjectName(QLatin1String(secondName));
    box = explanationBox(g, boxName, firstText, secondText);
    auto* layout = new QVBoxLayout(g);
    layout->setSpacing(4);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addWidget(box);
    return g;
}

} // namespace

TOKBottomDlg3::TOKBottomDlg3(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("OKBottomDlg3"));
    setWindowTitle(QStringLiteral("環境設定"));
    // No title-bar buttons: the dialog ends with OK or キャンセル (or Esc).
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(proportionalGothic(12, false));

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);

    auto* g1 = group(bevel, "GroupBox1", "組み合わせ生成方式", RadioButton1, "RadioButton1",
                     "乱数選択方式(&R)", RadioButton2, "RadioButton2", "順次選択方式(&S)",
                     StaticText1, "StaticText1", Explanation1, Explanation2);
    auto* g2 = group(bevel, "GroupBox2", "順位決定方式", RadioButton3, "RadioButton3",
                     "各試合の勝率、同率の場合は、各ゲームの合計のゲーム率(&A)", RadioButton4,
                     "RadioButton4", "各ゲームの合計の勝率(&G)", StaticText2, "StaticText2",
                     Explanation3, Explanation4);
    auto* g3 = group(bevel, "GroupBox3", "CSV出力形式", RadioButton5, "RadioButton5", "旧形式",
                     RadioButton6, "RadioButton6", "新形式", StaticText3, "StaticText3",
                     Explanation5, Explanation6);

    auto* bevelLayout = new QVBoxLayout(bevel);
    bevelLayout->setContentsMargins(12, 10, 12, 10);
    bevelLayout->setSpacing(10);
    bevelLayout->addWidget(g1);
    bevelLayout->addWidget(g2);
    bevelLayout->addWidget(g3);
    bevelLayout->addStretch(1);

    const OkCancelRow buttons = makeOkCancelRow(this);
    OKBtn = buttons.ok;
    CancelBtn = buttons.cancel;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(bevel, 1);
    layout->addLayout(buttons.layout);
    setFixedSize(ClientWidth, ClientHeight);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    // A button that becomes checked, by a click or by prepare(), shows its
    // text; the one that is unchecked says nothing.
    const auto onChecked = [this](QRadioButton* b, void (TOKBottomDlg3::*handler)()) {
        connect(b, &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on)
                (this->*handler)();
        });
    };
    onChecked(RadioButton1, &TOKBottomDlg3::RadioButton1Click);
    onChecked(RadioButton2, &TOKBottomDlg3::RadioButton2Click);
    onChecked(RadioButton3, &TOKBottomDlg3::RadioButton3Click);
    onChecked(RadioButton4, &TOKBottomDlg3::RadioButton4Click);
    onChecked(RadioButton5, &TOKBottomDlg3::RadioButton5Click);
    onChecked(RadioButton6, &TOKBottomDlg3::RadioButton6Click);

    prepare(Settings{});
}

void TOKBottomDlg3::prepare(const Settings& s) {
    (s.GenerationMethod == 0 ? RadioButton1 : RadioButton2)->setChecked(true);
    (s.RankingMethod == 0 ? RadioButton3 : RadioButton4)->setChecked(true);
    (s.CsvMode == 0 ? RadioButton5 : RadioButton6)->setChecked(true);
}

Settings TOKBottomDlg3::chosen() const {
    Settings s;
    s.GenerationMethod = RadioButton1->isChecked() ? 0 : 1;
    s.RankingMethod = RadioButton3->isChecked() ? 0 : 1;
    s.CsvMode = RadioButton5->isChecked() ? 0 : 1;
    return s;
}

bool TOKBottomDlg3::run(Settings& settings) {
    prepare(settings);
    if (runModal(*this) != QDialog::Accepted)
        return false;
    settings = chosen();
    return true;
}

void TOKBottomDlg3::RadioButton1Click() {
    StaticText1->setText(u(Explanation1));
}
void TOKBottomDlg3::RadioButton2Click() {
    StaticText1->setText(u(Explanation2));
}
void TOKBottomDlg3::RadioButton3Click() {
    StaticText2->setText(u(Explanation3));
}
void TOKBottomDlg3::RadioButton4Click() {
    StaticText2->setText(u(Explanation4));
}
void TOKBottomDlg3::RadioButton5Click() {
    StaticText3->setText(u(Explanation5));
}
void TOKBottomDlg3::RadioButton6Click() {
    StaticText3->setText(u(Explanation6));
}

} // namespace pf
