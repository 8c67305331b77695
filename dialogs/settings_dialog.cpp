#include "dialogs/settings_dialog.h"

#include "dialogs/display_fit.h"
#include "widgets/dialog_buttons.h"
#include "widgets/modal_runner.h"
#include "widgets/ui_fonts.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

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
const char* const ExplanationBalanced =
    "全員の試合数が等しくなるように、また休みが続かず均等に回るように割り振り、同じペアや同じ対戦"
    "相手の組み合わせができるだけ重ならないように選んでいく方式で、組み合わせを生成します。";
const char* const Explanation3 = "各試合の勝率にて順位を決定します。ただし、同率の場合は、全てのゲ"
                                 "ームの勝率にて順位を決定します。";
const char* const Explanation4 = "全てのゲームの勝率にて順位を決定します。";
const char* const Explanation5 = "メンバーと勝ち数で１行を出力します。１試合で２行となります。";
const char* const Explanation6 = "１試合を１行を出力します。";

constexpr int ClientWidth = 434;
constexpr int ClientHeight = 651; // with the display size group
constexpr int ExplanationWidth = 376;

QString u(const char* s) {
    return QString::fromUtf8(s);
}

struct Choice {
    QRadioButton*& button;
    const char* name;
    const char* caption;
    const char* explanation;
};

// Sized for the longest of the group's texts, so the box does not jump when
// the choice changes.
QLabel* explanationBox(QWidget* parent, const char* name, std::initializer_list<Choice> choices) {
    auto* box = new QLabel(parent);
    box->setObjectName(QLatin1String(name));
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setWordWrap(true);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setTextInteractionFlags(Qt::NoTextInteraction);
    box->setMargin(3);
    const QFontMetrics fm(box->font());
    const QRect wrap(0, 0, ExplanationWidth - 10, 10000);
    int lines = 0;
    for (const Choice& c : choices)
        lines = std::max(lines, fm.boundingRect(wrap, Qt::TextWordWrap, u(c.explanation)).height());
    box->setFixedHeight(lines + 12);
    return box;
}

QGroupBox* group(QWidget* parent, const char* name, const char* caption,
                 std::initializer_list<Choice> choices, QLabel*& box, const char* boxName) {
    auto* g = new QGroupBox(u(caption), parent);
    g->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(g);
    layout->setSpacing(4);
    for (const Choice& c : choices) {
        c.button = new QRadioButton(u(c.caption), g);
        c.button->setObjectName(QLatin1String(c.name));
        layout->addWidget(c.button);
    }
    box = explanationBox(g, boxName, choices);
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

    auto* g1 = group(
        bevel, "GroupBox1", "組み合わせ生成方式",
        {{RadioButton1, "RadioButton1", "乱数選択方式(&R)", Explanation1},
         {RadioButton2, "RadioButton2", "順次選択方式(&S)", Explanation2},
         {balancedMethodButton, "balancedMethodButton", "均等化方式(&B)", ExplanationBalanced}},
        StaticText1, "StaticText1");
    auto* g2 = group(bevel, "GroupBox2", "順位決定方式",
                     {{RadioButton3, "RadioButton3",
                       "各試合の勝率、同率の場合は、各ゲームの合計のゲーム率(&A)", Explanation3},
                      {RadioButton4, "RadioButton4", "各ゲームの合計の勝率(&G)", Explanation4}},
                     StaticText2, "StaticText2");
    auto* g3 = group(bevel, "GroupBox3", "CSV出力形式",
                     {{RadioButton5, "RadioButton5", "旧形式", Explanation5},
                      {RadioButton6, "RadioButton6", "新形式", Explanation6}},
                     StaticText3, "StaticText3");

    auto* bevelLayout = new QVBoxLayout(bevel);
    bevelLayout->setContentsMargins(12, 10, 12, 10);
    bevelLayout->setSpacing(10);
    bevelLayout->addWidget(g1);
    bevelLayout->addWidget(g2);
    bevelLayout->addWidget(g3);
    bevelLayout->addWidget(buildMinMatchesGroup());
    bevelLayout->addWidget(buildScaleGroup());
    bevelLayout->addStretch(1);

    const OkCancelRow buttons = makeOkCancelRow(this);
    OKBtn = buttons.ok;
    CancelBtn = buttons.cancel;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(bevel, 1);
    layout->addLayout(buttons.layout);
    // The third generation choice needs more than the old height; the dialog
    // grows by what the fonts in use ask for and keeps its width.
    setFixedSize(ClientWidth, std::max(ClientHeight, layout->minimumSize().height()));

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
    onChecked(balancedMethodButton, &TOKBottomDlg3::balancedMethodClick);
    onChecked(RadioButton3, &TOKBottomDlg3::RadioButton3Click);
    onChecked(RadioButton4, &TOKBottomDlg3::RadioButton4Click);
    onChecked(RadioButton5, &TOKBottomDlg3::RadioButton5Click);
    onChecked(RadioButton6, &TOKBottomDlg3::RadioButton6Click);

    prepare(Settings{});
}

void TOKBottomDlg3::prepare(const Settings& s) {
    prepared_ = s;
    minMatchesSpin_->setValue(std::clamp(s.MinMatches, 0, MaxMinMatches));
    // Values other than 0 and 2 have always meant the sequential method.
    (s.GenerationMethod == 0   ? RadioButton1
     : s.GenerationMethod == 2 ? balancedMethodButton
                               : RadioButton2)
        ->setChecked(true);
    (s.RankingMethod == 0 ? RadioButton3 : RadioButton4)->setChecked(true);
    (s.CsvMode == 0 ? RadioButton5 : RadioButton6)->setChecked(true);
    prepareScale(s.Scale);
}

Settings TOKBottomDlg3::chosen() const {
    Settings s = prepared_;
    s.MinMatches = minMatchesSpin_->value();
    s.GenerationMethod = RadioButton1->isChecked() ? 0 : balancedMethodButton->isChecked() ? 2 : 1;
    s.RankingMethod = RadioButton3->isChecked() ? 0 : 1;
    s.CsvMode = RadioButton5->isChecked() ? 0 : 1;
    s.Scale = chosenScale();
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
void TOKBottomDlg3::balancedMethodClick() {
    StaticText1->setText(u(ExplanationBalanced));
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

// --- Display size ------------------------------------------------------------

QGroupBox* TOKBottomDlg3::buildScaleGroup() {
    auto* g = new QGroupBox(QStringLiteral("表示倍率"), this);
    g->setObjectName(QStringLiteral("scaleGroup"));
    auto* row = new QHBoxLayout;
    for (std::size_t i = 0; i < scaleButtons_.size(); ++i) {
        const int percent = DisplayScales[i];
        auto* b = new QRadioButton(QStringLiteral("%1 %").arg(percent), g);
        b->setObjectName(QStringLiteral("scale%1").arg(percent));
        scaleButtons_[i] = b;
        row->addWidget(b);
    }
    row->addStretch(1);
    auto* note =
        new QLabel(QStringLiteral("画面全体の大きさです。変更は次回の起動から有効になります。"), g);
    note->setObjectName(QStringLiteral("scaleNote"));
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(g);
    layout->setSpacing(4);
    layout->addLayout(row);
    layout->addWidget(note);
    return g;
}

void TOKBottomDlg3::setOfferedScales(std::span<const std::int32_t> offered) {
    offeredScales_.assign(offered.begin(), offered.end());
    if (offeredScales_.empty())
        offeredScales_.push_back(DisplayScales[0]);
    const std::int32_t was = chosenScale();
    for (std::size_t i = 0; i < scaleButtons_.size(); ++i)
        scaleButtons_[i]->setVisible(std::find(offeredScales_.begin(), offeredScales_.end(),
                                               DisplayScales[i]) != offeredScales_.end());
    prepareScale(was);
}

void TOKBottomDlg3::prepareScale(std::int32_t scale) {
    // A size the screen has no room for is never left checked out of sight.
    const std::int32_t shown = fittingScale(scale, offeredScales_);
    for (std::size_t i = 0; i < scaleButtons_.size(); ++i)
        if (DisplayScales[i] == shown)
            scaleButtons_[i]->setChecked(true);
}

std::int32_t TOKBottomDlg3::chosenScale() const {
    for (std::size_t i = 0; i < scaleButtons_.size(); ++i)
        if (scaleButtons_[i]->isChecked())
            return DisplayScales[i];
    return DisplayScales[0];
}

} // namespace pf

// --- Minimum matches for a rank ------------------------------------------------

namespace pf {

QGroupBox* TOKBottomDlg3::buildMinMatchesGroup() {
    auto* g = new QGroupBox(QStringLiteral("順位の対象"), this);
    g->setObjectName(QStringLiteral("minMatchesGroup"));
    minMatchesSpin_ = new QSpinBox(g);
    minMatchesSpin_->setObjectName(QStringLiteral("minMatchesSpin"));
    minMatchesSpin_->setRange(0, MaxMinMatches);
    minMatchesSpin_->setSuffix(QStringLiteral(" 試合以上"));
    minMatchesSpin_->setSpecialValueText(QStringLiteral("全員"));
    // One line beside the box: the dialog has to fit a laptop's screen.
    auto* note = new QLabel(QStringLiteral("で順位を付けます。満たない人は発表しません。"), g);
    note->setObjectName(QStringLiteral("minMatchesNote"));
    note->setWordWrap(true);
    auto* row = new QHBoxLayout(g);
    row->addWidget(minMatchesSpin_);
    row->addWidget(note, 1);
    return g;
}

} // namespace pf
