// The arrow pair on its own: steps from the number its edit shows, stops at
// both limits without wrapping, announces every click before the value moves
// and reports only the clicks that moved it, follows the Up and Down keys of
// its edit and does nothing while disabled.

#include "widgets/up_down.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

using pf::UpDown;

class UpDownTest : public testing::Test {
protected:
    QWidget window;
    QLineEdit* edit = new QLineEdit(QStringLiteral("3"), &window);
    UpDown* arrows = new UpDown(edit, 0, 5, &window);
    // What the signals said, in order, with the text the edit had meanwhile.
    std::vector<std::string> log;

    void SetUp() override {
        edit->setReadOnly(true);
        QObject::connect(arrows, &UpDown::changing, [this](int from, int to) {
            log.push_back("changing " + std::to_string(from) + "->" + std::to_string(to) +
                          " shown " + edit->text().toStdString());
        });
        QObject::connect(arrows, &UpDown::clicked, [this](int value) {
            log.push_back("clicked " + std::to_string(value) + " shown " +
                          edit->text().toStdString());
        });
    }
    void up(int times = 1) {
        for (int i = 0; i < times; ++i)
            arrows->upButton()->click();
    }
    void down(int times = 1) {
        for (int i = 0; i < times; ++i)
            arrows->downButton()->click();
    }
    void key(Qt::Key k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(edit, &press);
    }
    using Log = std::vector<std::string>;
};

TEST_F(UpDownTest, ClicksStepByOneAnnouncingBeforeAndReportingAfter) {
    up();
    down(2);
    EXPECT_EQ(edit->text(), QStringLiteral("2"));
    EXPECT_EQ(log, (Log{"changing 3->4 shown 3", "clicked 4 shown 4", "changing 4->3 shown 4",
                        "clicked 3 shown 3", "changing 3->2 shown 3", "clicked 2 shown 2"}));
    EXPECT_EQ(arrows->position(), 2);
}

TEST_F(UpDownTest, ClicksAtALimitAreAnnouncedButMoveNothing) {
    up(3);
    EXPECT_EQ(edit->text(), QStringLiteral("5"));
    log.clear();
    up();
    EXPECT_EQ(edit->text(), QStringLiteral("5")); // no wrap to the minimum
    EXPECT_EQ(log, Log{"changing 5->5 shown 5"});

    down(6);
    EXPECT_EQ(edit->text(), QStringLiteral("0"));
    log.clear();
    down(2);
    EXPECT_EQ(edit->text(), QStringLiteral("0"));
    EXPECT_EQ(log, (Log{"changing 0->0 shown 0", "changing 0->0 shown 0"}));
}

TEST_F(UpDownTest, EachStepStartsFromWhatTheEditShows) {
    edit->setText(QStringLiteral("1"));
    up();
    EXPECT_EQ(edit->text(), QStringLiteral("2"));

    edit->setText(QStringLiteral("x")); // no number: the minimum
    EXPECT_EQ(arrows->position(), 0);
    up();
    EXPECT_EQ(edit->text(), QStringLiteral("1"));

    // A number beyond the range moves neither further out nor against the
    // arrow: up from 9 stays at 9, down from 9 comes to the maximum.
    edit->setText(QStringLiteral("9"));
    EXPECT_EQ(arrows->position(), 5);
    log.clear();
    up();
    EXPECT_EQ(edit->text(), QStringLiteral("9"));
    down();
    EXPECT_EQ(edit->text(), QStringLiteral("5"));
    EXPECT_EQ(log, (Log{"changing 9->9 shown 9", "changing 9->5 shown 9", "clicked 5 shown 5"}));

    edit->setText(QStringLiteral("-4"));
    down();
    EXPECT_EQ(edit->text(), QStringLiteral("-4"));
    up();
    EXPECT_EQ(edit->text(), QStringLiteral("0"));
}

TEST_F(UpDownTest, UpAndDownKeysOfTheEditStepAndOtherKeysDoNot) {
    key(Qt::Key_Up);
    key(Qt::Key_Up);
    key(Qt::Key_Up); // at 5 already
    key(Qt::Key_Down);
    EXPECT_EQ(edit->text(), QStringLiteral("4"));
    EXPECT_EQ(log.size(), 7u);
    EXPECT_EQ(log[4], "changing 5->5 shown 5");

    QKeyEvent seven(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
    QApplication::sendEvent(edit, &seven);
    EXPECT_EQ(edit->text(), QStringLiteral("4"));
    EXPECT_EQ(log.size(), 7u);
}

TEST_F(UpDownTest, DisabledArrowsIgnoreClicksKeysAndSteps) {
    arrows->setEnabled(false);
    up();
    key(Qt::Key_Down);
    arrows->step(1);
    EXPECT_EQ(edit->text(), QStringLiteral("3"));
    EXPECT_TRUE(log.empty());

    arrows->setEnabled(true);
    arrows->step(1);
    EXPECT_EQ(edit->text(), QStringLiteral("4"));
}

TEST_F(UpDownTest, RangeAndPositionAreKeptWithinLimits) {
    EXPECT_EQ(arrows->minimum(), 0);
    EXPECT_EQ(arrows->maximum(), 5);
    EXPECT_EQ(arrows->buddy(), edit);
    arrows->setPosition(12);
    EXPECT_EQ(edit->text(), QStringLiteral("5"));
    arrows->setPosition(-1);
    EXPECT_EQ(edit->text(), QStringLiteral("0"));
    EXPECT_TRUE(log.empty()) << "setting the position is no click";

    QLineEdit other(QStringLiteral("7"));
    UpDown inverted(&other, 7, 2, &window); // a maximum below the minimum
    EXPECT_EQ(inverted.maximum(), 7);
    inverted.upButton()->click();
    inverted.downButton()->click();
    EXPECT_EQ(other.text(), QStringLiteral("7"));
}

TEST_F(UpDownTest, AnEditGoneBeforeTheArrowsLeavesThemHarmless) {
    auto gone = std::make_unique<QLineEdit>(QStringLiteral("2"));
    UpDown orphan(gone.get(), 0, 5, &window);
    int signals = 0;
    QObject::connect(&orphan, &UpDown::changing, &orphan, [&signals] { ++signals; });
    gone.reset();
    EXPECT_EQ(orphan.buddy(), nullptr);
    EXPECT_EQ(orphan.position(), 0);
    orphan.setPosition(3);
    orphan.upButton()->click();
    EXPECT_EQ(signals, 0);
}

TEST_F(UpDownTest, TheArrowsShareTheHeightTopAndBottom) {
    arrows->setGeometry(10, 4, 17, 27);
    window.resize(100, 100);
    QResizeEvent resize(arrows->size(), QSize());
    QApplication::sendEvent(arrows, &resize);
    EXPECT_EQ(arrows->upButton()->geometry(), QRect(0, 0, 17, 13));
    EXPECT_EQ(arrows->downButton()->geometry(), QRect(0, 13, 17, 14));
    EXPECT_EQ(arrows->upButton()->arrowType(), Qt::UpArrow);
    EXPECT_EQ(arrows->downButton()->arrowType(), Qt::DownArrow);
}

} // namespace
