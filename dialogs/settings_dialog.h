#pragma once
// The settings dialog: how pairings are generated, how the standings are
// ranked and which CSV layout is written.
//
// Created once by the main window and kept. C2Click runs it with
//
//     Settings s = settingsOf(session);
//     if (settingsDialog->run(s))
//         applySettings(session, s);
//
// run() prepares the radio buttons from the values (0 selects the first
// choice of a group, any other value the second), shows the dialog modally
// and, only when it is closed with OK, writes 0 or 1 per group back into the
// values (the generation group also 2, the balanced method). Cancel leaves
// them untouched, including a stored value such as 7.
// The display size is one of the offered percentages either way; only the
// sizes at which every window fits the screen are offered.

#include "dialogs/settings_store.h"

#include <QDialog>
#include <array>
#include <span>
#include <vector>

class QGroupBox;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace pf {

class TOKBottomDlg3 : public QDialog {
    Q_OBJECT
public:
    explicit TOKBottomDlg3(QWidget* parent = nullptr);

    bool run(Settings& settings);

    // The parts of run(), for a caller that shows the dialog itself.
    void prepare(const Settings& settings);
    Settings chosen() const;

    // The display sizes at which every window fits the screen (smallest
    // first, 100 among them); the others are not shown. All until told.
    void setOfferedScales(std::span<const std::int32_t> offered);

    QPushButton* okButton() const { return OKBtn; }
    QPushButton* cancelButton() const { return CancelBtn; }

private:
    void RadioButton1Click();
    void RadioButton2Click();
    void balancedMethodClick();
    void RadioButton3Click();
    void RadioButton4Click();
    void RadioButton5Click();
    void RadioButton6Click();

    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* balancedMethodButton;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    QRadioButton* RadioButton5;
    QRadioButton* RadioButton6;
    QLabel* StaticText1;
    QLabel* StaticText2;
    QLabel* StaticText3;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    // Display size (100 … 200 %), below the three groups; it takes effect
    // at the next start, and the group says so.
    QGroupBox* buildScaleGroup();
    void prepareScale(std::int32_t scale);
    std::int32_t chosenScale() const;
    std::array<QRadioButton*, std::size(DisplayScales)> scaleButtons_{};
    std::vector<std::int32_t> offeredScales_{std::begin(DisplayScales), std::end(DisplayScales)};

    // 順位の対象: the matches with a result a member needs for a rank.
    QGroupBox* buildMinMatchesGroup();
    QSpinBox* minMatchesSpin_ = nullptr;

    // 今日のルール: the balanced method's rules for the day, under the method
    // choice and usable only while the balanced method is chosen.
    QGroupBox* buildDayRulesGroup();
    QGroupBox* dayRulesGroup_ = nullptr;
    std::array<QCheckBox*, 5> dayRuleBoxes_{};

    // What prepare() was given: the values the dialog does not show (the
    // board's clock) go back unchanged.
    Settings prepared_;

public:
    QSpinBox* minMatchesSpin() const { return minMatchesSpin_; }
    QGroupBox* dayRulesGroup() const { return dayRulesGroup_; }
};

} // namespace pf
