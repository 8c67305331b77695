// The HTML output options dialog through its controls: the range boxes that
// carry each other along and stay within 1 … 120, the colour frames with
// their swatch, picker and "標準", and the options handed to the writer.

#include "files/html_options_dialog.h"

#include "files/color_frame.h"
#include "files/html_writer.h"
#include "model/text_codec.h"
#include "scripted_prompts.h"
#include "standings/standings.h"
#include "widgets/prompts.h"
#include "widgets/up_down.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using pf::RangeMode;
using pf::TFrame11;
using pf::THtmlSaveCustom;

// Records the colour each picker opened with.
class PickerPrompts : public pf::ScriptedPrompts {
public:
    std::vector<QColor> openedWith;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override {
        openedWith.push_back(initial);
        return ScriptedPrompts::chooseColor(parent, initial);
    }
};

class HtmlOptionsDialog : public testing::Test {
protected:
    THtmlSaveCustom dlg;
    PickerPrompts* prompts = nullptr;

    void SetUp() override {
        auto p = std::make_unique<PickerPrompts>();
        prompts = p.get();
        pf::setPrompts(std::move(p));
    }
    void TearDown() override {
        dlg.hide();
        pf::setPrompts(nullptr);
    }
    static void clicks(pf::UpDown* u, int times) {
        QToolButton* b = times > 0 ? u->upButton() : u->downButton();
        for (int i = 0; i < std::abs(times); ++i)
            b->click();
    }
    static void type(TFrame11* f, const QString& text) {
        f->edit()->selectAll();
        f->edit()->del();
        f->edit()->insert(text);
    }
    std::string range() const {
        return dlg.fromEdit()->text().toStdString() + "-" + dlg.toEdit()->text().toStdString();
    }
};

TEST_F(HtmlOptionsDialog, StartsWithAllDataTheFullRangeAndTheStandardColours) {
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("HTML出力内容指定"));
    EXPECT_EQ(dlg.size(), QSize(480, 483));
    EXPECT_EQ(dlg.allButton()->text(), QStringLiteral("全データを出力する"));
    EXPECT_EQ(dlg.resultsButton()->text(), QStringLiteral("勝敗の登録されているデーのみ出力する"));
    EXPECT_EQ(dlg.rangeButton()->text(), QStringLiteral("指定したデータのみ出力する"));
    EXPECT_EQ(dlg.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("～"));
    EXPECT_EQ(dlg.okButton()->text(), QStringLiteral("OK"));
    EXPECT_EQ(dlg.cancelButton()->text(), QStringLiteral("キャンセル"));
    EXPECT_TRUE(dlg.allButton()->isChecked());
    EXPECT_EQ(range(), "1-120");
    EXPECT_TRUE(dlg.fromEdit()->isReadOnly());
    for (QWidget* w : std::initializer_list<QWidget*>{dlg.fromEdit(), dlg.toEdit(),
                                                      dlg.fromUpDown(), dlg.toUpDown()})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();

    const pf::HtmlOptions o = dlg.options();
    EXPECT_EQ(o.range.mode, RangeMode::All);
    EXPECT_EQ(o.range.from, 1);
    EXPECT_EQ(o.range.to, 120);
    EXPECT_EQ(o.pageColor, "99CCFF");
    EXPECT_EQ(o.lineColor, "3399FF");
    EXPECT_EQ(o.titleColor, "66CCFF");
    EXPECT_EQ(o.dataColor, "FFFFCC");

    const struct {
        TFrame11* frame;
        const char* caption;
        QColor swatch;
    } frames[] = {{dlg.pageFrame(), "全体背景色", QColor(0x99, 0xCC, 0xFF)},
                  {dlg.lineFrame(), "罫線色", QColor(0x33, 0x99, 0xFF)},
                  {dlg.titleFrame(), "タイトル背景色", QColor(0x66, 0xCC, 0xFF)},
                  {dlg.dataFrame(), "データ背景色", QColor(0xFF, 0xFF, 0xCC)}};
    for (const auto& f : frames) {
        EXPECT_EQ(f.frame->swatch()->text(), QString::fromUtf8(f.caption));
        EXPECT_EQ(f.frame->swatchColor(), f.swatch) << f.caption;
        EXPECT_EQ(f.frame->pickButton()->text(), QStringLiteral("ダイアログで変更"));
        EXPECT_EQ(f.frame->defaultButton()->text(), QStringLiteral("標準"));
    }
}

TEST_F(HtmlOptionsDialog, RangeBoxesCarryEachOtherAlongWithinOneToHundredTwenty) {
    dlg.show();
    dlg.rangeButton()->click();
    EXPECT_TRUE(dlg.fromEdit()->isEnabled());
    EXPECT_TRUE(dlg.toUpDown()->isEnabled());

    clicks(dlg.fromUpDown(), -3);
    clicks(dlg.toUpDown(), 5);
    EXPECT_EQ(range(), "1-120");

    clicks(dlg.toUpDown(), -90);
    EXPECT_EQ(range(), "1-30");
    clicks(dlg.fromUpDown(), 49); // raising the start to 50 carries the end along
    EXPECT_EQ(range(), "50-50");

    clicks(dlg.toUpDown(), 20);
    clicks(dlg.fromUpDown(), -30);
    EXPECT_EQ(range(), "20-70");
    clicks(dlg.toUpDown(), -60); // lowering the end to 10 carries the start along
    EXPECT_EQ(range(), "10-10");

    clicks(dlg.fromUpDown(), 200);
    EXPECT_EQ(range(), "120-120");

    clicks(dlg.fromUpDown(), -115);
    const pf::HtmlOptions o = dlg.options();
    EXPECT_EQ(o.range.mode, RangeMode::Range);
    EXPECT_EQ(o.range.from, 5);
    EXPECT_EQ(o.range.to, 120);
}

TEST_F(HtmlOptionsDialog, LeavingTheRangeModeDisablesTheBoxesButKeepsTheirNumbers) {
    dlg.show();
    dlg.rangeButton()->click();
    clicks(dlg.fromUpDown(), 4);
    clicks(dlg.toUpDown(), -100);
    EXPECT_EQ(range(), "5-20");

    dlg.resultsButton()->click();
    EXPECT_FALSE(dlg.fromEdit()->isEnabled());
    EXPECT_FALSE(dlg.toUpDown()->isEnabled());
    EXPECT_EQ(dlg.options().range.mode, RangeMode::WithResults);

    dlg.allButton()->click();
    EXPECT_FALSE(dlg.fromUpDown()->isEnabled());
    EXPECT_EQ(range(), "5-20");
    EXPECT_EQ(dlg.options().range.mode, RangeMode::All);

    dlg.rangeButton()->click();
    const pf::HtmlOptions o = dlg.options();
    EXPECT_EQ(o.range.mode, RangeMode::Range);
    EXPECT_EQ(o.range.from, 5);
    EXPECT_EQ(o.range.to, 20);
}

TEST_F(HtmlOptionsDialog, TypedColourIsPreviewedAndHandedOnExactlyAsTyped) {
    type(dlg.pageFrame(), QStringLiteral("00ff00"));
    EXPECT_EQ(dlg.pageFrame()->swatchColor(), QColor(0, 255, 0));
    EXPECT_EQ(dlg.options().pageColor, "00ff00");

    // Not hexadecimal: each odd character previews as 0, the text goes as is.
    type(dlg.dataFrame(), QStringLiteral("zz12Gf"));
    EXPECT_EQ(dlg.dataFrame()->swatchColor(), QColor(0, 0x12, 0x0F));
    EXPECT_EQ(dlg.options().dataColor, "zz12Gf");

    // Shorter than six: the missing places count as 0. Longer: only six count.
    EXPECT_EQ(TFrame11::previewColor(QStringLiteral("F")), QColor(0xF0, 0, 0));
    EXPECT_EQ(TFrame11::previewColor(QString()), QColor(0, 0, 0));
    EXPECT_EQ(TFrame11::previewColor(QStringLiteral("ABCDEF99")), QColor(0xAB, 0xCD, 0xEF));
    EXPECT_EQ(TFrame11::previewColor(QStringLiteral("ａｂ0000")), QColor(0, 0, 0));

    // Whatever Shift-JIS can hold reaches the page as its bytes.
    type(dlg.titleFrame(), QStringLiteral("赤"));
    EXPECT_EQ(dlg.options().titleColor, pf::encodeCp932(QStringLiteral("赤")).value());
}

TEST_F(HtmlOptionsDialog, ColourTextIsLimitedToWhatThePageCanHold) {
    type(dlg.lineFrame(), QStringLiteral("ABCDEF"));
    dlg.lineFrame()->edit()->insert(QStringLiteral("😀"));
    EXPECT_EQ(dlg.lineFrame()->text(), QStringLiteral("ABCDEF"))
        << "a character Shift-JIS lacks is not taken";
    dlg.lineFrame()->edit()->insert(QStringLiteral("～"));
    EXPECT_EQ(dlg.lineFrame()->text(), QStringLiteral("ABCDEF～"));
    type(dlg.lineFrame(), QString(150, QLatin1Char('A')));
    EXPECT_EQ(dlg.lineFrame()->text().size(), 99);
}

TEST_F(HtmlOptionsDialog, PickerWritesSixUpperCaseDigitsAndRemembersItsLastColour) {
    prompts->colors = {QColor(255, 0, 0), std::nullopt, QColor(0x12, 0xab, 0x0c)};
    dlg.show();

    dlg.lineFrame()->pickButton()->click();
    EXPECT_EQ(dlg.lineFrame()->text(), QStringLiteral("FF0000"));
    EXPECT_EQ(dlg.lineFrame()->swatchColor(), QColor(255, 0, 0));

    type(dlg.lineFrame(), QStringLiteral("abcdef"));
    dlg.lineFrame()->pickButton()->click(); // cancelled
    EXPECT_EQ(dlg.lineFrame()->text(), QStringLiteral("abcdef"));

    dlg.dataFrame()->pickButton()->click();
    EXPECT_EQ(dlg.dataFrame()->text(), QStringLiteral("12AB0C"));
    EXPECT_EQ(dlg.options().dataColor, "12AB0C");

    // Black at first; then the last colour chosen in that frame's picker,
    // neither the text in the box nor another frame's choice.
    ASSERT_EQ(prompts->openedWith.size(), 3u);
    EXPECT_EQ(prompts->openedWith[0], QColor(Qt::black));
    EXPECT_EQ(prompts->openedWith[1], QColor(255, 0, 0));
    EXPECT_EQ(prompts->openedWith[2], QColor(Qt::black));
}

TEST_F(HtmlOptionsDialog, StandardButtonsRestoreEachFramesOwnDefault) {
    dlg.show();
    for (TFrame11* f : {dlg.pageFrame(), dlg.lineFrame(), dlg.titleFrame(), dlg.dataFrame()})
        type(f, QStringLiteral("000000"));
    dlg.lineFrame()->defaultButton()->click();
    EXPECT_EQ(dlg.lineFrame()->text(), QStringLiteral("3399FF"));
    EXPECT_EQ(dlg.lineFrame()->swatchColor(), QColor(0x33, 0x99, 0xFF));
    EXPECT_EQ(dlg.pageFrame()->text(), QStringLiteral("000000"));

    dlg.pageFrame()->defaultButton()->click();
    dlg.titleFrame()->defaultButton()->click();
    dlg.dataFrame()->defaultButton()->click();
    const pf::HtmlOptions o = dlg.options();
    EXPECT_EQ(o.pageColor, "99CCFF");
    EXPECT_EQ(o.titleColor, "66CCFF");
    EXPECT_EQ(o.dataColor, "FFFFCC");
}

TEST_F(HtmlOptionsDialog, OkAndCancelBothKeepTheChoicesForTheNextExport) {
    QTimer::singleShot(0, &dlg, [&] {
        dlg.resultsButton()->click();
        type(dlg.pageFrame(), QStringLiteral("123456"));
        dlg.okButton()->click();
    });
    EXPECT_TRUE(dlg.run());

    QTimer::singleShot(0, &dlg, [&] {
        EXPECT_TRUE(dlg.resultsButton()->isChecked());
        dlg.rangeButton()->click();
        clicks(dlg.fromUpDown(), 2);
        dlg.cancelButton()->click();
    });
    EXPECT_FALSE(dlg.run());
    EXPECT_FALSE(dlg.isVisible());

    const pf::HtmlOptions o = dlg.options();
    EXPECT_EQ(o.range.mode, RangeMode::Range);
    EXPECT_EQ(o.range.from, 3);
    EXPECT_EQ(o.pageColor, "123456");
}

TEST_F(HtmlOptionsDialog, ChoicesReachThePageTheWriterBuilds) {
    dlg.show();
    dlg.rangeButton()->click();
    clicks(dlg.fromUpDown(), 4);
    clicks(dlg.toUpDown(), -115);
    type(dlg.pageFrame(), QStringLiteral("00ff00"));
    prompts->colors = {QColor(255, 0, 0)};
    dlg.dataFrame()->pickButton()->click();

    pf::MatchTable matches{};
    pf::StandingsTable standings;
    pf::ComputeStandings(matches, 0, standings);
    const QString page = pf::decodeCp932(pf::htmlPageBytes(matches, standings, 0, dlg.options()));
    EXPECT_TRUE(page.contains(QStringLiteral("<BODY BGCOLOR=\"#00ff00\">\r\n")));
    EXPECT_TRUE(page.contains(QStringLiteral("<TR BGCOLOR=\"#FF0000\">")));
    EXPECT_EQ(page.count(QStringLiteral("試合</TH>")), 1);
    EXPECT_TRUE(page.contains(QStringLiteral("第5試合</TH>")));
}

} // namespace
