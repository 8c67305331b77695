// The display sizes offered against the screen, measured on the real windows,
// and the start on a screen too small for the stored size: the largest size
// that fits is stored for the next start and the organiser is told once.

#include "gui_fixture.h"

#include "court/court_display.h"
#include "dialogs/schedule_stats_window.h"
#include "dialogs/settings_dialog.h"
#include "files/html_options_dialog.h"

#include <QApplication>
#include <QRadioButton>
#include <algorithm>

using namespace pf;
using namespace pf::testing_support;

namespace {

class DisplaySize : public GuiFixture {
protected:
    // The sizes the settings dialog shows, as "100 125".
    std::string offered() {
        std::string s;
        for (const std::int32_t percent : DisplayScales) {
            auto* b = windows.okBottomDlg3->findChild<QRadioButton*>(
                QStringLiteral("scale%1").arg(percent));
            if (b && !b->isHidden())
                s += (s.empty() ? "" : " ") + std::to_string(percent);
        }
        return s;
    }
    std::int32_t checkedScale() { return windows.okBottomDlg3->chosen().Scale; }
    void storeScale(std::int32_t percent) {
        ASSERT_TRUE(saveSettings(programSettings(), Settings{1, 0, 0, percent}));
    }
};

TEST_F(DisplaySize, NoWindowOpensLargerThanMeasured) {
    start();
    const std::vector<QSize> sizes = windowSizes(windows);
    for (QWidget* w : std::initializer_list<QWidget*>{windows.form1.get(), windows.okBottomDlg3,
                                                      windows.okBottomDlg2, windows.htmlSaveCustom,
                                                      windows.dualListDlg, windows.scheduleStats}) {
        w->show();
        QApplication::processEvents();
        const bool covered = std::any_of(sizes.begin(), sizes.end(), [&](QSize s) {
            return s.width() >= w->width() && s.height() >= w->height();
        });
        EXPECT_TRUE(covered) << w->objectName().toStdString() << " " << w->width() << "x"
                             << w->height();
        w->hide();
    }
}

struct ScreenCase {
    const char* name;
    QSize workArea; // at 100 %, without a 40-pixel task bar
    const char* offered;
};

class DisplaySizeOnScreen : public DisplaySize, public testing::WithParamInterface<ScreenCase> {};

TEST_P(DisplaySizeOnScreen, TheSettingsDialogOffersWhatFits) {
    const ScreenCase& c = GetParam();
    start();
    EXPECT_EQ(offered(), "100 125 150 200");                       // until the screen is known
    EXPECT_EQ(fitDisplayScale(windows, c.workArea), std::nullopt); // 100 always fits
    EXPECT_EQ(offered(), c.offered);
    if (const QByteArray out = qgetenv("PF_SHOT_DIR");
        !out.isEmpty() && c.workArea == QSize(1366, 728)) {
        windows.okBottomDlg3->show();
        QApplication::processEvents();
        windows.okBottomDlg3->grab().save(QString::fromLocal8Bit(out) +
                                          QStringLiteral("/settings_1366x768.png"));
        windows.okBottomDlg3->hide();
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, DisplaySizeOnScreen,
                         testing::Values(ScreenCase{"Laptop1366x768", {1366, 728}, "100"},
                                         ScreenCase{"Hd1280x720", {1280, 680}, "100"},
                                         ScreenCase{"FullHd1920x1080", {1920, 1040}, "100 125"},
                                         ScreenCase{
                                             "Uhd3840x2160", {3840, 2120}, "100 125 150 200"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DisplaySize, AStoredSizeTooLargeForTheScreenFallsBackOnceAndIsStored) {
    storeScale(200);
    start();
    ASSERT_EQ(form().session().Scale, 200);
    const std::optional<std::int32_t> changed = fitDisplayScale(windows, QSize(1920, 1040));
    ASSERT_EQ(changed, 125);
    tellDisplayScaleChanged(&form(), *changed);
    ASSERT_EQ(ask->asked.size(), 1u);
    EXPECT_EQ(ask->asked[0].text,
              QStringLiteral("画面に収まらないため、表示倍率を１２５％にしました。"
                             "次回の起動から有効になります。"));
    EXPECT_EQ(ask->asked[0].buttons, Buttons::Ok);
    // Stored at once, not only at exit, and the dialog shows it.
    EXPECT_EQ(loadScale(programSettings()), 125);
    EXPECT_EQ(form().session().Scale, 125);
    windows.okBottomDlg3->prepare(settingsOf(form().session()));
    EXPECT_EQ(checkedScale(), 125);

    // The next start on the same screen has nothing to say.
    windows = {};
    start();
    EXPECT_EQ(form().session().Scale, 125);
    EXPECT_EQ(fitDisplayScale(windows, QSize(1920, 1040)), std::nullopt);
    EXPECT_EQ(loadScale(programSettings()), 125);
}

TEST_F(DisplaySize, TheFallbackWritesTheSizeAloneAndAsksNothingItself) {
    ASSERT_TRUE(saveSettings(programSettings(), Settings{2, 7, 1, 150}));
    start();
    ASSERT_EQ(fitDisplayScale(windows, QSize(1366, 728)), 100);
    EXPECT_EQ(loadSettings(programSettings()), (Settings{2, 7, 1, 100}));
    EXPECT_EQ(offered(), "100");
    EXPECT_EQ(checkedScale(), 100);
    EXPECT_TRUE(ask->asked.empty()); // told by the caller, after the splash
}

} // namespace
