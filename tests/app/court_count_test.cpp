// The court count of an opened file, guessed from its rounds, and the
// question before a count that would put a member on two courts at once.

#include "gui_fixture.h"

#include "files/pairing_file.h"

#include <QApplication>
#include <QInputDialog>

using namespace pf;
using namespace pf::testing_support;

namespace {

// A day made for `courts`: slot i is played by the i % courts-th group of
// four, so a round of `courts` matches holds every group once.
QByteArray dayFor(int courts) {
    MemberRoster roster{};
    for (int m = 0; m < 12; ++m)
        roster[static_cast<std::size_t>(m)] = "m" + std::to_string(m);
    MatchTable table{};
    for (int i = 0; i < MaxMatches; ++i) {
        const int group = (i % courts) * 4;
        auto& r = table[static_cast<std::size_t>(i)];
        r = {roster[group], roster[group + 1], roster[group + 2], roster[group + 3], 0, 0};
    }
    return pairingFileBytes(roster, table);
}

class CourtCountTest : public GuiFixture {
protected:
    void SetUp() override {
        GuiFixture::SetUp();
        start();
    }
    void open(int courts) {
        const QString file = dir.filePath(QStringLiteral("day%1.pf1").arg(courts));
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(dayFor(courts));
        f.close();
        ask->files.push_back(file);
        action("O1")->trigger();
        ASSERT_TRUE(form().session().PairingOpen);
    }
};

// A day of twelve made for 1 court fits only 1; for 2 courts 2 and 1; for 3
// courts every count.
struct OpenCase {
    const char* name;
    int madeFor;
    int inUse;
    std::optional<int> choice; // the answer to the question; nullopt: Cancel
    int expected;              // 0: not opened
    bool asked;
};

class OpenCountTest : public CourtCountTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenCountTest, AnUnknownFileTakesTheCountInUseOrAsks) {
    const OpenCase& c = GetParam();
    arrow("UpDown13", c.inUse > 2, c.inUse == 2 ? 0 : 1);
    ask->choices = {c.choice};
    const QString file = dir.filePath(QStringLiteral("day.pf1"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(dayFor(c.madeFor));
    f.close();
    ask->files.push_back(file);
    action("O1")->trigger();
    EXPECT_EQ(form().session().PairingOpen, c.expected != 0);
    EXPECT_EQ(form().session().CourtCount, c.expected != 0 ? c.expected : c.inUse);
    ASSERT_EQ(ask->choiceAsked.size(), c.asked ? 1u : 0u);
    if (c.asked) {
        EXPECT_EQ(ask->choiceAsked[0].text, QStringLiteral("このファイルのコート数を選んで下さい"));
        if (const QByteArray shots = qgetenv("PF_SHOT_DIR"); !shots.isEmpty()) {
            QInputDialog shown(&form());
            const auto& q = ask->choiceAsked[0];
            prepareChoiceDialog(shown, q.text, q.title, q.items, q.current);
            shown.show();
            QApplication::processEvents();
            shown.grab().save(QString::fromLocal8Bit(shots) +
                              QStringLiteral("/court_count_question.png"));
        }
        EXPECT_EQ(ask->choiceAsked[0].items,
                  QStringList({QStringLiteral("2面"), QStringLiteral("1面")}));
    }
    EXPECT_TRUE(ask->asked.empty());
}

INSTANTIATE_TEST_SUITE_P(Days, OpenCountTest,
                         ::testing::Values(OpenCase{"OnlyOneFits", 1, 3, std::nullopt, 1, false},
                                           OpenCase{"InUseFits", 2, 1, std::nullopt, 1, false},
                                           OpenCase{"InUseFitsOfThree", 3, 2, std::nullopt, 2,
                                                    false},
                                           OpenCase{"SeveralFitAsked", 2, 3, 0, 2, true},
                                           OpenCase{"AskedOne", 2, 3, 1, 1, true},
                                           OpenCase{"AskedCancelled", 2, 3, std::nullopt, 0, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// Twelve on one court: every three matches hold twelve different names, so
// the rounds alone would say 3 courts.
TEST_F(CourtCountTest, ASavedFileReopensWithItsOwnCount) {
    setRoster({"m1", "m2", "m3", "m4", "m5", "m6", "m7", "m8", "m9", "m10", "m11", "m12"});
    arrow("UpDown13", false); // 1 court
    find<QPushButton>("SpeedButton3")->click();
    ASSERT_TRUE(form().session().PairingOpen);
    const QString file = dir.filePath(QStringLiteral("twelve.pf1"));
    ask->files.push_back(file);
    action("R1")->trigger();
    ASSERT_FALSE(form().session().Modified);
    action("C1")->trigger();
    arrow("UpDown13", true, 2); // 3 courts in use
    ASSERT_EQ(form().session().CourtCount, 3);
    ask->files.push_back(file);
    action("O1")->trigger();
    ASSERT_TRUE(form().session().PairingOpen);
    EXPECT_EQ(text("Edit37"), QStringLiteral("1"));
    EXPECT_TRUE(ask->choiceAsked.empty());
}

TEST_F(CourtCountTest, ACountThatDoublesAMemberIsAskedFirst) {
    open(2);
    arrow("UpDown13", true); // 3 courts: a member would play twice at once
    ASSERT_EQ(ask->asked.size(), 1u);
    EXPECT_EQ(ask->asked[0].text, QStringLiteral("このコート数では同じメンバーが同時に試合をす"
                                                 "る回があります。変更しますか？"));
    EXPECT_EQ(ask->asked[0].buttons, Buttons::YesNo);
    EXPECT_EQ(ask->asked[0].defaultButton, Answer::No);
    EXPECT_EQ(text("Edit37"), QStringLiteral("2")); // Enter keeps it

    arrow("UpDown13", false); // 1 court always fits
    EXPECT_EQ(ask->asked.size(), 1u);
    EXPECT_EQ(text("Edit37"), QStringLiteral("1"));

    arrow("UpDown13", true); // back to 2, which fits
    ask->answers = {Answer::Yes};
    arrow("UpDown13", true);
    EXPECT_EQ(ask->asked.size(), 2u);
    EXPECT_EQ(form().session().CourtCount, 3);
    EXPECT_FALSE(form().session().Modified);
}

} // namespace
