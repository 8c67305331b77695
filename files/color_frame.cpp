#include "files/color_frame.h"

#include "model/text_codec.h"
#include "widgets/prompts.h"
#include "widgets/ui_fonts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

namespace pf {
namespace {

// The page holds at most this many characters of a colour.
constexpr int MaxColorLength = 99;

int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return 0;
}

// The page is Shift-JIS: a character it cannot hold would reach the file as
// something else, so such characters are not taken into the box at all.
class Cp932Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return encodeCp932(input) ? Acceptable : Invalid;
    }
};

} // namespace

QColor TFrame11::previewColor(const QString& text) {
    const auto digit = [&text](int i) { return i < text.size() ? hexValue(text[i]) : 0; };
    return QColor(16 * digit(0) + digit(1), 16 * digit(2) + digit(3), 16 * digit(4) + digit(5));
}

TFrame11::TFrame11(const QString& caption, QWidget* parent) : QFrame(parent) {
    Panel1 = new QLabel(caption, this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setAutoFillBackground(true);
    Panel1->setFixedSize(120, 41);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFont(fixedGothic(19));
    Edit1->setMaxLength(MaxColorLength);
    Edit1->setValidator(new Cp932Validator(Edit1));
    Edit1->setFixedSize(96, 30);

    Button1 = new QPushButton(QStringLiteral("ダイアログで変更"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("標準"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1->setFixedHeight(25);
    Button2->setFixedSize(60, 25);
    Button1->setMinimumWidth(112);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(8);
    layout->addWidget(Panel1);
    layout->addWidget(Edit1);
    layout->addWidget(Button1);
    layout->addWidget(Button2);
    layout->addStretch(1);

    connect(Edit1, &QLineEdit::textChanged, this, &TFrame11::Edit1Change);
    connect(Button1, &QPushButton::clicked, this, &TFrame11::Button1Click);
    Edit1Change();
}

QString TFrame11::text() const {
    return Edit1->text();
}

void TFrame11::setText(const QString& text) {
    Edit1->setText(text);
}

QColor TFrame11::swatchColor() const {
    return Panel1->palette().color(QPalette::Window);
}

void TFrame11::Edit1Change() {
    const QColor c = previewColor(Edit1->text());
    QPalette p = Panel1->palette();
    p.setColor(QPalette::Window, c);
    // The caption stays readable on a dark colour.
    p.setColor(QPalette::WindowText, c.lightness() < 110 ? Qt::white : Qt::black);
    Panel1->setPalette(p);
}

void TFrame11::Button1Click() {
    const std::optional<QColor> chosen = prompts().chooseColor(this, picked_);
    if (!chosen || !chosen->isValid())
        return;
    picked_ = *chosen;
    const int rgb = picked_.red() * 65536 + picked_.green() * 256 + picked_.blue();
    Edit1->setText(QString::asprintf("%06X", rgb));
}

} // namespace pf
