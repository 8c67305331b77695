// The settings dialog driven through its buttons: the radio buttons prepared
// from the values, the explanation that follows the checked choice, OK
// writing 0 or 1 per group and Cancel leaving every value as it was.

#include "dialogs/settings_dialog.h"
#include "pairing/day_rules.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

using pf::Settings;
using pf::TOKBottomDlg3;

const QString Text1 = QStringLiteral(
    "ランダムに組み合わせを選択し、その組み合わせが対戦可能か、極端に対戦数に差分が生じないか、極端"
    "に"
    "同じ組み合わせとならないかをチェックし決定する方式で、組み合わせを生成します。");
const QString Text2 = QStringLiteral("選ぶ順番を最初にランダムに並べ替え、その順番にメンバーを選ん"
                                     "でいき、その組み合わせが対戦可能か、"
                                     "極端に対戦数に差分が生じないか、極端に同じ組み合わせとならな"
                                     "いかをチェックし決定し、適切な組み合"
                                     "わせが無い場合前の組み合わせを選び直して同じ様にチェックして"
                                     "いく方式で、組み合わせを生成します。");
const QString TextBalanced = QStringLiteral(
    "全員の試合数が等しくなるように、また休みが続かず均等に回るように割り振り、同じペアや同じ対戦"
    "相手の組み合わせができるだけ重ならないように選んでいく方式で、組み合わせを生成します。");
const QString Text3 =
    QStringLiteral("各試合の勝率にて順位を決定します。ただし、同率の場合は、全ての"
                   "ゲームの勝率にて順位を決定します。");
const QString Text4 = QStringLiteral("全てのゲームの勝率にて順位を決定します。");
const QString Text5 =
    QStringLiteral("メンバーと勝ち数で１行を出力します。１試合で２行となります。");
const QString Text6 = QStringLiteral("１試合を１行を出力します。");

class SettingsDialog : public testing::Test {
protected:
    TOKBottomDlg3 dlg;

    QRadioButton* radio(int n) {
        auto* b = dlg.findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(n));
        EXPECT_NE(b, nullptr) << n;
        return b;
    }
    QRadioButton* balanced() {
        return dlg.findChild<QRadioButton*>(QStringLiteral("balancedMethodButton"));
    }
    QString explanation(int n) {
        auto* l = dlg.findChild<QLabel*>(QStringLiteral("StaticText%1").arg(n));
        EXPECT_NE(l, nullptr) << n;
        return l ? l->text() : QString();
    }
    // Which button of each group is checked, as "1 3 5"-style text; B for
    // the balanced method.
    std::string checked() {
        std::string s;
        for (int n = 1; n <= 6; ++n) {
            if (radio(n)->isChecked())
                s += (s.empty() ? "" : " ") + std::to_string(n);
            if (n == 2 && balanced()->isChecked())
                s += (s.empty() ? "" : " ") + std::string("B");
        }
        return s;
    }
    // Runs the real modal loop, doing `inside` once the dialog is up.
    bool runWith(Settings& s, std::function<void()> inside) {
        QTimer::singleShot(0, &dlg, [&] {
            EXPECT_TRUE(dlg.isVisible());
            inside();
        });
        return dlg.run(s);
    }
};

TEST_F(SettingsDialog, LooksAsDesigned) {
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("環境設定"));
    dlg.show();
    QApplication::processEvents();
    // Grown to hold the third generation choice without squeezing a box; the
    // added groups stand beside the described ones, so a 1024 × 768 screen
    // (less its task bar and the title bar) holds it.
    EXPECT_GE(dlg.height(), 559);
    EXPECT_LE(dlg.width(), 1024);
    EXPECT_LE(dlg.height(), 768 - 80);
    EXPECT_GE(dlg.height(), dlg.layout()->minimumSize().height());
    if (const QByteArray out = qgetenv("PF_SHOT_DIR"); !out.isEmpty())
        dlg.grab().save(QString::fromLocal8Bit(out) + QStringLiteral("/settings_dialog.png"));
    EXPECT_EQ(dlg.minimumSize(), dlg.maximumSize());
    EXPECT_EQ(radio(1)->text(), QStringLiteral("乱数選択方式(&R)"));
    EXPECT_EQ(radio(2)->text(), QStringLiteral("順次選択方式(&S)"));
    EXPECT_EQ(balanced()->text(), QStringLiteral("均等化方式(&B)"));
    EXPECT_EQ(radio(3)->text(),
              QStringLiteral("各試合の勝率、同率の場合は、各ゲームの合計のゲーム率(&A)"));
    EXPECT_EQ(radio(4)->text(), QStringLiteral("各ゲームの合計の勝率(&G)"));
    EXPECT_EQ(radio(5)->text(), QStringLiteral("旧形式"));
    EXPECT_EQ(radio(6)->text(), QStringLiteral("新形式"));
    EXPECT_EQ(dlg.okButton()->text(), QStringLiteral("OK"));
    EXPECT_TRUE(dlg.okButton()->isDefault());
    EXPECT_EQ(dlg.cancelButton()->text(), QStringLiteral("キャンセル"));
    EXPECT_FALSE(dlg.windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(SettingsDialog, PreparedFromTheValuesWithMatchingExplanations) {
    dlg.prepare(Settings{1, 0, 0}); // a clean account
    EXPECT_EQ(checked(), "2 3 5");
    EXPECT_EQ(explanation(1), Text2);
    EXPECT_EQ(explanation(2), Text3);
    EXPECT_EQ(explanation(3), Text5);

    dlg.prepare(Settings{0, 7, -1}); // any non-zero value is the second choice
    EXPECT_EQ(checked(), "1 4 6");
    EXPECT_EQ(explanation(1), Text1);
    EXPECT_EQ(explanation(2), Text4);
    EXPECT_EQ(explanation(3), Text6);

    dlg.prepare(Settings{2, 0, 0});
    EXPECT_EQ(checked(), "B 3 5");
    EXPECT_EQ(explanation(1), TextBalanced);
    dlg.prepare(Settings{7, 0, 0}); // still the sequential method
    EXPECT_EQ(checked(), "2 3 5");
    EXPECT_EQ(explanation(1), Text2);
}

TEST_F(SettingsDialog, ClickingAChoiceShowsItsExplanation) {
    dlg.prepare(Settings{1, 0, 0});
    dlg.show();
    radio(1)->click();
    EXPECT_EQ(explanation(1), Text1);
    radio(4)->click();
    EXPECT_EQ(explanation(2), Text4);
    radio(6)->click();
    EXPECT_EQ(explanation(3), Text6);
    radio(6)->click(); // already checked: nothing changes
    EXPECT_EQ(explanation(3), Text6);
    radio(2)->click();
    EXPECT_EQ(explanation(1), Text2);
    EXPECT_EQ(checked(), "2 4 6");
    dlg.cancelButton()->click();
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(SettingsDialog, OkWritesTheCheckedChoicePerGroup) {
    Settings s{1, 7, 0};
    EXPECT_TRUE(runWith(s, [&] {
        radio(1)->click();
        radio(6)->click(); // the ranking group stays on its second choice
        dlg.okButton()->click();
    }));
    EXPECT_EQ(s, (Settings{0, 1, 1}));

    EXPECT_TRUE(runWith(s, [&] {
        EXPECT_EQ(checked(), "1 4 6");
        radio(2)->click();
        radio(3)->click();
        radio(5)->click();
        dlg.okButton()->click();
    }));
    EXPECT_EQ(s, (Settings{1, 0, 0}));

    EXPECT_TRUE(runWith(s, [&] {
        balanced()->click();
        EXPECT_EQ(explanation(1), TextBalanced);
        dlg.okButton()->click();
    }));
    EXPECT_EQ(s, (Settings{2, 0, 0}));
    EXPECT_FALSE(runWith(s, [&] {
        EXPECT_EQ(checked(), "B 3 5");
        radio(1)->click();
        dlg.cancelButton()->click();
    }));
    EXPECT_EQ(s, (Settings{2, 0, 0}));
}

TEST_F(SettingsDialog, CancelLeavesAllThreeUnchangedAndTheNextOpeningShowsThem) {
    Settings s{1, 7, 0};
    EXPECT_FALSE(runWith(s, [&] {
        radio(1)->click();
        radio(3)->click();
        radio(6)->click();
        dlg.cancelButton()->click();
    }));
    EXPECT_EQ(s, (Settings{1, 7, 0}));

    EXPECT_FALSE(runWith(s, [&] {
        EXPECT_EQ(checked(), "2 4 5");
        EXPECT_EQ(explanation(1), Text2);
        EXPECT_EQ(explanation(2), Text4);
        EXPECT_EQ(explanation(3), Text5);
        dlg.reject(); // Esc
    }));
    EXPECT_EQ(s, (Settings{1, 7, 0}));
}

// 順位の対象 is taken only with OK; what the dialog does not show (the
// board clock's minutes) goes back unchanged.
TEST_F(SettingsDialog, MinimumOfMatchesIsTakenWithOkAndTheClockIsLeftAlone) {
    Settings s{1, 0, 0};
    s.RoundMinutes = 20;
    EXPECT_TRUE(runWith(s, [&] {
        EXPECT_EQ(dlg.minMatchesSpin()->text(), QStringLiteral("全員"));
        dlg.minMatchesSpin()->setValue(3);
        if (const QByteArray out = qgetenv("PF_SHOT_DIR"); !out.isEmpty())
            dlg.grab().save(QString::fromLocal8Bit(out) + QStringLiteral("/settings_min3.png"));
        dlg.okButton()->click();
    }));
    EXPECT_EQ(s.MinMatches, 3);
    EXPECT_EQ(s.RoundMinutes, 20);
    EXPECT_FALSE(runWith(s, [&] {
        EXPECT_EQ(dlg.minMatchesSpin()->value(), 3);
        dlg.minMatchesSpin()->setValue(0);
        dlg.cancelButton()->click();
    }));
    EXPECT_EQ(s.MinMatches, 3);
}

TEST_F(SettingsDialog, DisplaySizeIsChosenBelowTheGroupsAndSaysWhenItApplies) {
    auto* note = dlg.findChild<QLabel*>(QStringLiteral("scaleNote"));
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->text().contains(QStringLiteral("次回の起動から")));
    auto* size150 = dlg.findChild<QRadioButton*>(QStringLiteral("scale150"));
    ASSERT_NE(size150, nullptr);

    Settings s{1, 0, 0, 125};
    EXPECT_TRUE(runWith(s, [&] {
        EXPECT_TRUE(dlg.findChild<QRadioButton*>(QStringLiteral("scale125"))->isChecked());
        size150->click();
        dlg.okButton()->click();
    }));
    EXPECT_EQ(s, (Settings{1, 0, 0, 150}));

    EXPECT_FALSE(runWith(s, [&] {
        dlg.findChild<QRadioButton*>(QStringLiteral("scale200"))->click();
        dlg.cancelButton()->click();
    }));
    EXPECT_EQ(s.Scale, 150);
}

TEST_F(SettingsDialog, DayRulesAreUsableOnlyWithTheBalancedMethodAndKeptAsChosen) {
    Settings s{1, 0, 0};
    s.DayRuleBits = pf::RuleMixedBit | pf::RuleKeptApartBit; // stored under another method
    const auto box = [this](const char* name) {
        return dlg.findChild<QCheckBox*>(QLatin1String(name));
    };
    EXPECT_TRUE(runWith(s, [&] {
        EXPECT_FALSE(dlg.dayRulesGroup()->isEnabled());
        EXPECT_TRUE(box("mixedRuleBox")->isChecked());
        EXPECT_EQ(box("levelBalanceRuleBox")->text(), QStringLiteral("レベル: 対戦を均等に"));
        balanced()->click();
        EXPECT_TRUE(dlg.dayRulesGroup()->isEnabled());
        box("mixedRuleBox")->click();
        box("levelNearRuleBox")->click();
        dlg.okButton()->click();
    }));
    EXPECT_EQ(s.GenerationMethod, 2);
    EXPECT_EQ(s.DayRuleBits, pf::RuleLevelNearBit | pf::RuleKeptApartBit);
    EXPECT_FALSE(runWith(s, [&] {
        box("keptApartRuleBox")->click();
        dlg.cancelButton()->click();
    }));
    EXPECT_EQ(s.DayRuleBits, pf::RuleLevelNearBit | pf::RuleKeptApartBit);
}

} // namespace
