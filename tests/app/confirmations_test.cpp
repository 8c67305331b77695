// The questions asked before results could be lost answer Enter with the
// answer that keeps them, and the caption marks unsaved results.

#include "gui_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using namespace pf;
using namespace pf::testing_support;

namespace {

struct Confirmation {
    const char* name;
    const char* command; // menu item that asks
    const char* title;
    Answer safe;
};

class ConfirmationTest : public GuiFixture, public ::testing::WithParamInterface<Confirmation> {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        start();
    }
};

TEST_P(ConfirmationTest, EnterKeepsTheUnsavedResults) {
    setRoster({"青木", "石田", "上野", "江藤", "岡本", "加藤", "木村", "工藤"});
    find<QPushButton>("SpeedButton3")->click();
    form().show();
    arrow("UpDown1", true, 6);
    const MatchTable before = form().session().Matches;

    action(GetParam().command)->trigger(); // nothing queued: the default answer
    ASSERT_EQ(ask->asked.size(), 1u);
    EXPECT_EQ(ask->asked[0].title, QString::fromUtf8(GetParam().title));
    EXPECT_EQ(ask->asked[0].defaultButton, GetParam().safe);
    EXPECT_TRUE(form().isVisible());
    EXPECT_TRUE(form().session().PairingOpen);
    EXPECT_EQ(form().session().Matches, before);
    EXPECT_TRUE(ask->fileChoices.empty());
    form().session().Modified = false; // let the window go
}

INSTANTIATE_TEST_SUITE_P(
    Questions, ConfirmationTest,
    ::testing::Values(Confirmation{"ClosePairing", "C1", "閉じる確認", Answer::No},
                      Confirmation{"OpenAnother", "O1", "ファイルを開く確認", Answer::No},
                      Confirmation{"Exit", "X1", "終了の確認", Answer::Cancel}),
    [](const auto& info) { return std::string(info.param.name); });

// The real box: Enter presses the button it was given as default.
TEST(MessageBoxDefault, EnterGivesTheDefaultAnswer) {
    setPrompts(nullptr);
    for (const auto& [buttons, safe] :
         {std::pair{Buttons::YesNo, Answer::No}, std::pair{Buttons::OkCancel, Answer::Cancel}}) {
        QTimer::singleShot(0, [] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(qobject_cast<QMessageBox*>(box), nullptr);
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(box, &enter);
        });
        EXPECT_EQ(prompts().message(nullptr, QStringLiteral("よろしいですか？"),
                                    QStringLiteral("確認"), buttons, safe),
                  safe);
    }
}

class CaptionTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        start();
    }
};

TEST_F(CaptionTest, AStarMarksUnsavedResultsUntilTheyAreSaved) {
    const QString title = QStringLiteral("ペアフォージ(PAIRFORGE)");
    setRoster({"青木", "石田", "上野", "江藤", "岡本", "加藤", "木村", "工藤"});
    find<QPushButton>("SpeedButton3")->click();
    EXPECT_EQ(form().shownCaption(), title + QStringLiteral("*"));

    const QString file = dir.filePath(QStringLiteral("day.pf1"));
    ask->files.push_back(file);
    action("N6")->trigger();
    const QString saved = title + QStringLiteral(" [ ") + file + QStringLiteral(" ]");
    EXPECT_EQ(form().shownCaption(), saved);
    arrow("UpDown2", true);
    EXPECT_EQ(form().shownCaption(), saved + QStringLiteral("*"));
    action("N6")->trigger();
    EXPECT_EQ(form().shownCaption(), saved);
}

} // namespace
