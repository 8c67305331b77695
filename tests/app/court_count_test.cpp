// The court count of an opened file, guessed from its rounds, and the
// question before a count that would put a member on two courts at once.

#include "gui_fixture.h"

#include "files/pairing_file.h"

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

class CourtCountTest : public GuiFixture, public ::testing::WithParamInterface<int> {
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

TEST_P(CourtCountTest, OpeningSetsTheCountTheDayWasMadeFor) {
    const int courts = GetParam();
    // Whatever the count was before, 1 or 3.
    arrow("UpDown13", courts == 1, 2);
    open(courts);
    EXPECT_EQ(text("Edit37"), QString::number(courts));
    EXPECT_EQ(form().session().CourtCount, courts);
    EXPECT_TRUE(ask->asked.empty());
}

INSTANTIATE_TEST_SUITE_P(Courts, CourtCountTest, ::testing::Values(1, 2, 3));

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
