// The splash picture and the About box: the splash's window kind, its closing
// by the timer only, the artwork, and the About box's texts and home-page
// button with its failure message.

#include "dialogs/about_dialog.h"
#include "dialogs/splash_artwork.h"
#include "dialogs/splash_window.h"
#include "scripted_prompts.h"
#include "widgets/prompts.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include <set>

namespace pf {
namespace {

void processDeletes() {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(Splash, ShowsArtworkWithoutTitleBarOnTopAndClosesItselfOnlyByTimer) {
    QPointer<TForm10> splash = TForm10::showSplash();
    ASSERT_TRUE(splash);
    EXPECT_TRUE(splash->isVisible());
    const Qt::WindowFlags flags = splash->windowFlags();
    EXPECT_TRUE(flags & Qt::FramelessWindowHint);
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(flags & Qt::WindowTitleHint);
    EXPECT_EQ(splash->size(), QSize(456, 256));
    EXPECT_EQ(splash->Image1->geometry(), QRect(3, 3, 450, 250));
    EXPECT_EQ(splash->Image1->pixmap().size(), QSize(450, 250));
    EXPECT_EQ(splash->Panel1->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_TRUE(splash->Timer1->isActive());
    EXPECT_EQ(splash->Timer1->interval(), 3000);

    // A close request from anywhere but the timer (Alt+F4) is refused.
    splash->windowHandle()->close();
    splash->close();
    processDeletes();
    ASSERT_TRUE(splash);
    EXPECT_TRUE(splash->isVisible());

    splash->Timer1Timer();
    processDeletes();
    EXPECT_FALSE(splash) << "closing by the timer frees the window";
}

TEST(Splash, ArtworkIsAFullPictureAndTheSameEveryTime) {
    const QImage art = splashArtwork();
    EXPECT_EQ(art.size(), QSize(ArtworkWidth, ArtworkHeight));
    EXPECT_EQ(art.size(), QSize(450, 250));
    EXPECT_FALSE(art.hasAlphaChannel());
    std::set<QRgb> colours;
    for (int y = 0; y < art.height(); y += 5)
        for (int x = 0; x < art.width(); x += 5)
            colours.insert(art.pixel(x, y));
    EXPECT_GT(colours.size(), 200u) << "a drawn picture, not a blank";
    EXPECT_EQ(art, splashArtwork());
}

TEST(About, ShowsProductNameAndVersionInFullWidth) {
    TOKBottomDlg about;
    about.show();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("バージョン情報の表示"));
    EXPECT_EQ(about.size(), QSize(313, 292));
    EXPECT_EQ(about.Label1->text(), QStringLiteral("ペアフォージ"));
    EXPECT_EQ(about.Label2->text(), QStringLiteral("ＰＡＩＲＦＯＲＧＥ　Ｖｅｒｓｉｏｎ　１．２３"));
    EXPECT_EQ(about.StaticText2->text(), QStringLiteral("作者ホームページ"));
    EXPECT_EQ(about.Button1->text(), QString::fromLatin1(HomePageAddress));
    EXPECT_EQ(about.Button1->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(about.OKBtn->isDefault());

    for (const QLabel* label : {about.Label1, about.Label2, about.StaticText2}) {
        const QFontMetrics fm(label->font());
        EXPECT_LE(fm.horizontalAdvance(label->text()), label->width())
            << label->objectName().toStdString();
    }
    about.OKBtn->click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

class AboutHomePage : public testing::Test {
protected:
    void SetUp() override {
        auto p = std::make_unique<ScriptedPrompts>();
        prompts_ = p.get();
        setPrompts(std::move(p));
        about.show();
    }
    void TearDown() override {
        about.close();
        setPrompts(nullptr);
    }
    ScriptedPrompts* prompts_ = nullptr;
    TOKBottomDlg about;
};

TEST_F(AboutHomePage, OpensTheAddressOnTheButton) {
    about.Button1->click();
    ASSERT_EQ(prompts_->opened.size(), 1u);
    EXPECT_EQ(prompts_->opened.front(), about.Button1->text());
    EXPECT_EQ(prompts_->opened.front(), QStringLiteral("https://pairforge.example.org/"));
    EXPECT_TRUE(prompts_->asked.empty());
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutHomePage, FailureIsToldAndTheBoxStaysOpen) {
    prompts_->openUrlResult = false;
    prompts_->answers.push_back(Answer::Ok);
    about.Button1->click();
    ASSERT_EQ(prompts_->asked.size(), 1u);
    EXPECT_EQ(prompts_->asked.front().text, QStringLiteral("実行する事が出来ませんでした。"));
    EXPECT_EQ(prompts_->asked.front().title, QStringLiteral("ペアフォージ(PAIRFORGE)"));
    EXPECT_EQ(prompts_->asked.front().buttons, Buttons::Ok);
    EXPECT_TRUE(about.isVisible());
}

} // namespace
} // namespace pf
