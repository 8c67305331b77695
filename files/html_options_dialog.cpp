#include "files/html_options_dialog.h"

#include "files/color_frame.h"
#include "model/session.h"
#include "model/text_codec.h"
#include "widgets/dialog_buttons.h"
#include "widgets/modal_runner.h"
#include "widgets/ui_fonts.h"
#include "widgets/up_down.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pf {
namespace {

constexpr int ClientWidth = 480;
constexpr int ClientHeight = 483;

int numberIn(const QLineEdit* edit) {
    return edit->text().trimmed().toInt();
}

std::string pageText(const QString& text) {
    // The frame's box admits only what Shift-JIS can hold.
    return encodeCp932(text).value_or(std::string());
}

QLineEdit* numberBox(QWidget* parent, const char* name, const char* text) {
    auto* e = new QLineEdit(QString::fromLatin1(text), parent);
    e->setObjectName(QLatin1String(name));
    e->setReadOnly(true);
    e->setFont(fixedGothic(16));
    e->setAlignment(Qt::AlignRight);
    e->setFixedSize(44, 26);
    return e;
}

UpDown* upDownFor(QWidget* parent, const char* name, QLineEdit* buddy) {
    auto* u = new UpDown(buddy, 1, MaxMatches, parent);
    u->setObjectName(QLatin1String(name));
    u->setFixedSize(16, 26);
    return u;
}

TFrame11* colorFrame(QWidget* parent, const char* name, const char* caption) {
    auto* f = new TFrame11(QString::fromUtf8(caption), parent);
    f->setObjectName(QLatin1String(name));
    return f;
}

} // namespace

THtmlSaveCustom::THtmlSaveCustom(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HtmlSaveCustom"));
    setWindowTitle(QStringLiteral("HTML出力内容指定"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(proportionalGothic(12, false));

    auto* range = new QGroupBox(QStringLiteral("出力データ指定"), this);
    range->setObjectName(QStringLiteral("GroupBox2"));
    RadioButton1 = new QRadioButton(QStringLiteral("全データを出力する"), range);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2 = new QRadioButton(QStringLiteral("勝敗の登録されているデーのみ出力する"), range);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton3 = new QRadioButton(QStringLiteral("指定したデータのみ出力する"), range);
    RadioButton3->setObjectName(QStringLiteral("RadioButton3"));
    Edit1 = numberBox(range, "Edit1", "1");
    Edit2 = numberBox(range, "Edit2", "120");
    UpDown1 = upDownFor(range, "UpDown1", Edit1);
    UpDown2 = upDownFor(range, "UpDown2", Edit2);
    Label1 = new QLabel(QStringLiteral("～"), range);
    Label1->setObjectName(QStringLiteral("Label1"));

    auto* numbers = new QHBoxLayout;
    numbers->setSpacing(0);
    numbers->addSpacing(24);
    numbers->addWidget(Edit1);
    numbers->addWidget(UpDown1);
    numbers->addSpacing(8);
    numbers->addWidget(Label1);
    numbers->addSpacing(8);
    numbers->addWidget(Edit2);
    numbers->addWidget(UpDown2);
    numbers->addStretch(1);

    auto* rangeLayout = new QVBoxLayout(range);
    rangeLayout->setSpacing(4);
    rangeLayout->addWidget(RadioButton1);
    rangeLayout->addWidget(RadioButton2);
    rangeLayout->addWidget(RadioButton3);
    rangeLayout->addLayout(numbers);

    auto* colours = new QGroupBox(QStringLiteral("色指定"), this);
    colours->setObjectName(QStringLiteral("GroupBox1"));
    Frame111 = colorFrame(colours, "Frame111", "全体背景色");
    Frame112 = colorFrame(colours, "Frame112", "罫線色");
    Frame113 = colorFrame(colours, "Frame113", "タイトル背景色");
    Frame114 = colorFrame(colours, "Frame114", "データ背景色");
    auto* colourLayout = new QVBoxLayout(colours);
    colourLayout->setSpacing(2);
    for (TFrame11* f : {Frame111, Frame112, Frame113, Frame114})
        colourLayout->addWidget(f);

    const OkCancelRow buttons = makeOkCancelRow(this);
    OKBtn = buttons.ok;
    CancelBtn = buttons.cancel;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(range);
    layout->addWidget(colours);
    layout->addStretch(1);
    layout->addLayout(buttons.layout);
    setFixedSize(ClientWidth, ClientHeight);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(RadioButton1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton1Click();
    });
    connect(RadioButton2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton2Click();
    });
    connect(RadioButton3, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton3Click();
    });
    connect(Edit1, &QLineEdit::textChanged, this, &THtmlSaveCustom::Edit1Change);
    connect(Edit2, &QLineEdit::textChanged, this, &THtmlSaveCustom::Edit2Change);
    connect(Frame111->defaultButton(), &QPushButton::clicked, this,
            &THtmlSaveCustom::Frame111Button2Click);
    connect(Frame112->defaultButton(), &QPushButton::clicked, this,
            &THtmlSaveCustom::Frame112Button2Click);
    connect(Frame113->defaultButton(), &QPushButton::clicked, this,
            &THtmlSaveCustom::Frame113Button2Click);
    connect(Frame114->defaultButton(), &QPushButton::clicked, this,
            &THtmlSaveCustom::Frame114Button2Click);

    // Start: all data, range 1 to 120, the standard colours.
    RadioButton1->setChecked(true);
    enableRange(false);
    Frame111Button2Click();
    Frame112Button2Click();
    Frame113Button2Click();
    Frame114Button2Click();
}

bool THtmlSaveCustom::run() {
    return runModal(*this) == QDialog::Accepted;
}

HtmlOptions THtmlSaveCustom::options() const {
    HtmlOptions o;
    if (RadioButton1->isChecked())
        o.range.mode = RangeMode::All;
    else if (RadioButton2->isChecked())
        o.range.mode = RangeMode::WithResults;
    else
        o.range.mode = RangeMode::Range;
    o.range.from = UpDown1->position();
    o.range.to = std::max(o.range.from, UpDown2->position());
    o.pageColor = pageText(Frame111->text());
    o.lineColor = pageText(Frame112->text());
    o.titleColor = pageText(Frame113->text());
    o.dataColor = pageText(Frame114->text());
    return o;
}

void THtmlSaveCustom::enableRange(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{Edit1, Edit2, UpDown1, UpDown2})
        w->setEnabled(on);
}

void THtmlSaveCustom::RadioButton1Click() {
    enableRange(false);
}

void THtmlSaveCustom::RadioButton2Click() {
    enableRange(false);
}

void THtmlSaveCustom::RadioButton3Click() {
    enableRange(true);
}

// The start never exceeds the end: whichever number moved carries the other.
void THtmlSaveCustom::Edit1Change() {
    if (numberIn(Edit2) < numberIn(Edit1))
        Edit2->setText(Edit1->text());
}

void THtmlSaveCustom::Edit2Change() {
    if (numberIn(Edit2) < numberIn(Edit1))
        Edit1->setText(Edit2->text());
}

void THtmlSaveCustom::Frame111Button2Click() {
    Frame111->setText(QString::fromLatin1(DefaultPageColor));
}

void THtmlSaveCustom::Frame112Button2Click() {
    Frame112->setText(QString::fromLatin1(DefaultLineColor));
}

void THtmlSaveCustom::Frame113Button2Click() {
    Frame113->setText(QString::fromLatin1(DefaultTitleColor));
}

void THtmlSaveCustom::Frame114Button2Click() {
    Frame114->setText(QString::fromLatin1(DefaultDataColor));
}

} // namespace pf
