// The round clock driven by a hand-moved time source: each step moves the
// time, does one thing and names what the clock must show then.

#include "court/round_clock.h"

#include <gtest/gtest.h>

namespace {

using pf::RoundClock;
using State = RoundClock::State;

enum class Do { Nothing, Start, Pause, Reset, Restart, Minutes10 };

struct Step {
    std::int64_t advanceMs; // before the action
    Do action;
    State state;
    const char* text;
    bool chimes; // poll() after the action
};

struct ClockCase {
    const char* name;
    std::vector<Step> steps;
};

class RoundClockRun : public testing::TestWithParam<ClockCase> {};

TEST_P(RoundClockRun, ShowsWhatEachStepLeaves) {
    std::int64_t now = 5000;
    RoundClock clock([&now] { return now; });
    clock.setMinutes(15);
    int i = 0;
    for (const Step& s : GetParam().steps) {
        now += s.advanceMs;
        switch (s.action) {
        case Do::Start:
            clock.start();
            break;
        case Do::Pause:
            clock.pause();
            break;
        case Do::Reset:
            clock.reset();
            break;
        case Do::Restart:
            clock.restart();
            break;
        case Do::Minutes10:
            clock.setMinutes(10);
            break;
        case Do::Nothing:
            break;
        }
        EXPECT_EQ(clock.state(), s.state) << "step " << i;
        EXPECT_EQ(clock.text().toStdString(), s.text) << "step " << i;
        EXPECT_EQ(clock.poll(), s.chimes) << "step " << i;
        ++i;
    }
}

constexpr std::int64_t Min = 60000;

INSTANTIATE_TEST_SUITE_P(
    Clock, RoundClockRun,
    testing::Values(ClockCase{"WaitsUntilStarted",
                              {{0, Do::Nothing, State::Ready, "15:00", false},
                               {20 * Min, Do::Nothing, State::Ready, "15:00", false}}},
                    ClockCase{"CountsDownInWholeSecondsRoundedUp",
                              {{0, Do::Start, State::Running, "15:00", false},
                               {1, Do::Nothing, State::Running, "15:00", false},
                               {999, Do::Nothing, State::Running, "14:59", false},
                               {15 * Min - 1001, Do::Nothing, State::Running, "0:01", false},
                               {1, Do::Nothing, State::Expired, "0:00", true},
                               {5 * Min, Do::Nothing, State::Expired, "0:00", false}}},
                    ClockCase{"PauseKeepsTheRestAndStartGoesOn",
                              {{0, Do::Start, State::Running, "15:00", false},
                               {5 * Min, Do::Pause, State::Paused, "10:00", false},
                               {60 * Min, Do::Nothing, State::Paused, "10:00", false},
                               {0, Do::Start, State::Running, "10:00", false},
                               {10 * Min, Do::Nothing, State::Expired, "0:00", true}}},
                    ClockCase{"ResetGoesBackToTheFullTime",
                              {{0, Do::Start, State::Running, "15:00", false},
                               {3 * Min, Do::Reset, State::Ready, "15:00", false},
                               {0, Do::Minutes10, State::Ready, "10:00", false},
                               {0, Do::Start, State::Running, "10:00", false},
                               {4 * Min, Do::Minutes10, State::Running, "6:00", false}}},
                    ClockCase{"AnExpiredClockStartsANewRoundAndChimesAgain",
                              {{0, Do::Start, State::Running, "15:00", false},
                               {15 * Min, Do::Pause, State::Expired, "0:00", true},
                               {Min, Do::Start, State::Running, "15:00", false},
                               {15 * Min, Do::Nothing, State::Expired, "0:00", true}}},
                    ClockCase{"RestartMidRound",
                              {{0, Do::Start, State::Running, "15:00", false},
                               {7 * Min, Do::Restart, State::Running, "15:00", false}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RoundClock, FlashesForTenSecondsAfterZero) {
    std::int64_t now = 0;
    RoundClock clock([&now] { return now; });
    clock.setMinutes(1);
    clock.start();
    EXPECT_FALSE(clock.flashing());
    now = Min;
    EXPECT_TRUE(clock.flashOn());
    now += RoundClock::FlashPeriodMs;
    EXPECT_TRUE(clock.flashing());
    EXPECT_FALSE(clock.flashOn());
    now = Min + RoundClock::FlashMs;
    EXPECT_FALSE(clock.flashing());
    clock.reset();
    EXPECT_FALSE(clock.flashing());
}

} // namespace
