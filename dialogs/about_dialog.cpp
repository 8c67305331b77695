#include "dialogs/about_dialog.h"

#include "model/session.h"
#include "model/texts.h"
#include "widgets/prompts.h"

#include "widgets/ui_fonts.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace pf {
namespace {

QFrame* sunkenFrame(QWidget* parent, const char* name, const QRect& geometry, QFrame::Shape shape) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(shape);
    f->setFrameShadow(QFrame::Sunken);
    f->setGeometry(geometry);
    return f;
}

} // namespace

QString TOKBottomDlg::versionLine() {
    return QStringLiteral("ＰＡＩＲＦＯＲＧＥ　Ｖｅｒｓｉｏｎ　１．２３");
}

TOKBottomDlg::TOKBottomDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("OKBottomDlg"));
    setWindowTitle(QStringLiteral("バージョン情報の表示"));
    setFont(proportionalGothic(12));
    setFixedSize(313, 292);

    Bevel1 = sunkenFrame(this, "Bevel1", {8, 8, 297, 178}, QFrame::Box);

    Label1 = new QLabel(QStringLiteral("ペアフォージ"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(fixedGothic(32));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(16, 36, 281, 48);

    Label2 = new QLabel(versionLine(), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(fixedGothic(12));
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setGeometry(16, 112, 281, 24);

    Panel1 = sunkenFrame(this, "Panel1", {8, 194, 297, 58}, QFrame::Panel);
    StaticText2 = new QLabel(QStringLiteral("作者ホームページ"), Panel1);
    StaticText2->setObjectName(QStringLiteral("StaticText2"));
    StaticText2->setGeometry(8, 4, 281, 20);
    Button1 = new QPushButton(QString::fromLatin1(HomePageAddress), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(8, 26, 281, 26);
    Button1->setCursor(Qt::PointingHandCursor);
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(119, 260, 75, 25);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TOKBottomDlg::Button1Click() {
    if (!prompts().openUrl(QString::fromLatin1(HomePageAddress)))
        prompts().message(this, QString::fromUtf8(MsgCannotOpen), QString::fromUtf8(DefaultTitle),
                          Buttons::Ok);
}

} // namespace pf
