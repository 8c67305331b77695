// The windows as drawn with the Linux fonts: every caption fits its box, and
// each window can be looked at (PF_SHOT_DIR=/some/dir keeps the pictures).

#include "gui_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

using namespace pf;
using namespace pf::testing_support;

namespace {

QString withoutMnemonic(QString text) {
    return text.remove(QLatin1Char('&'));
}

// Every label, button and edit of `window` shows its whole text (the
// dialogs it owns are windows of their own and checked by their tests).
void expectNothingClipped(QWidget* window) {
    for (QLabel* l : window->findChildren<QLabel*>()) {
        if (l->window() != window || l->text().isEmpty() || !l->pixmap().isNull())
            continue;
        const QFontMetrics fm(l->font());
        const QRect ink = fm.tightBoundingRect(l->text());
        EXPECT_LE(fm.horizontalAdvance(l->text()), l->contentsRect().width())
            << l->text().toStdString();
        EXPECT_LE(ink.height(), l->contentsRect().height()) << l->text().toStdString();
    }
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (b->window() != window || b->text().isEmpty())
            continue;
        const QFontMetrics fm(b->font());
        EXPECT_LE(fm.horizontalAdvance(withoutMnemonic(b->text())) + 6, b->width())
            << b->objectName().toStdString();
        EXPECT_LE(fm.tightBoundingRect(withoutMnemonic(b->text())).height() + 4, b->height())
            << b->objectName().toStdString();
    }
    for (QLineEdit* e : window->findChildren<QLineEdit*>()) {
        if (e->window() != window)
            continue;
        const QFontMetrics fm(e->font());
        // The widest count ("20") and a full-width glyph must fit the box.
        EXPECT_LE(fm.horizontalAdvance(QStringLiteral("20")) + 6, e->width())
            << e->objectName().toStdString();
        EXPECT_LE(fm.tightBoundingRect(QStringLiteral("勝20")).height() + 4, e->height())
            << e->objectName().toStdString();
    }
}

class LayoutTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        // Wine's offscreen platform finds no face at all: there is nothing to
        // measure the captions with, and the boxes are sized for real faces.
        if (QFontInfo(QApplication::font()).family().isEmpty())
            GTEST_SKIP() << "no font is installed for this platform to measure with";
        writeCandidates(
            sjisBytes("青木 太郎\r\n石田 花子\r\n上野 次郎\r\n江藤 美咲\r\n岡本\r\n加藤\r\n"
                      "木村 健一\r\n工藤\r\n佐藤\r\nSmith"));
        start();
    }
    void keep(QWidget* w, const char* file) {
        const QPixmap shot = w->grab();
        EXPECT_FALSE(shot.isNull());
        const QByteArray out = qgetenv("PF_SHOT_DIR");
        const QString path = (out.isEmpty() ? dir.path() : QString::fromLocal8Bit(out)) +
                             QLatin1Char('/') + QString::fromLatin1(file);
        EXPECT_TRUE(shot.save(path)) << path.toStdString();
    }
};

TEST_F(LayoutTest, MainWindowCaptionsFitAndTheClientAreaIsFixed) {
    form().show();
    QApplication::processEvents();
    EXPECT_EQ(form().centralWidget()->size(), QSize(690, 428));
    EXPECT_EQ(form().minimumSize(), form().maximumSize()); // not resizable
    expectNothingClipped(&form());
    keep(&form(), "main_window_empty.png");

    windows.dualListDlg->setSelected({});
    windows.dualListDlg->FormActivate();
    auto* src = windows.dualListDlg->findChild<QListWidget*>(QStringLiteral("SrcList"));
    for (int i = 0; i < src->count(); i += 2)
        src->item(i)->setSelected(true);
    windows.dualListDlg->IncludeBtnClick();
    for (const Name& n : windows.dualListDlg->selected())
        EXPECT_FALSE(n.empty());
    windows.dualListDlg->show();
    QApplication::processEvents();
    expectNothingClipped(windows.dualListDlg);
    keep(windows.dualListDlg, "member_selection.png");
    windows.dualListDlg->reject(); // every move undone

    windows.okBottomDlg1->FormActivate();
    windows.okBottomDlg1->show();
    QApplication::processEvents();
    expectNothingClipped(windows.okBottomDlg1);
    keep(windows.okBottomDlg1, "candidate_editor.png");
    windows.okBottomDlg1->hide();

    setModalRunner([](QDialog& d) {
        d.findChild<QToolButton*>(QStringLiteral("IncAllBtn"))->click();
        d.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        return d.result();
    });
    form().S1Click();
    EXPECT_EQ(memberCount(form().session().Roster), 10);
    form().N8Click();
    ASSERT_TRUE(ask->asked.empty());
    form().N3Click();
    form().N3Click();
    arrow("UpDown1", true, 6);
    arrow("UpDown2", true, 4);
    arrow("UpDown5", true, 2);
    arrow("UpDown6", true, 6);
    arrow("UpDown12", true, 20);
    QApplication::processEvents();
    keep(&form(), "main_window_scored_page3.png");
    form().session().Modified = false;
    form().close();
}

} // namespace

namespace {

TEST(QtTranslation, MessageBoxButtonsSpeakJapanese) {
    ASSERT_TRUE(installJapaneseQtTranslation(*qApp));
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("t"), QStringLiteral("m"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().contains(QStringLiteral("はい")));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().contains(QStringLiteral("いいえ")));
    EXPECT_TRUE(box.button(QMessageBox::Cancel)->text().contains(QStringLiteral("キャンセル")));
}

} // namespace
