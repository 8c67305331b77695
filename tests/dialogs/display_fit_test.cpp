// The display sizes a screen has room for: every window with its frame must
// fit the work area, rounded up, in width as in height.

#include "dialogs/display_fit.h"

#include <gtest/gtest.h>

namespace {

// Windows of about the program's sizes at 100 %: the main window, the
// settings dialog (the tallest), the court display and the widest window.
const QSize Windows[] = {{690, 490}, {434, 699}, {418, 620}, {900, 600}};

struct ScreenCase {
    const char* name;
    QSize workArea; // at 100 %, without a 40-pixel task bar
    std::vector<std::int32_t> offered;
};

class FittingScales : public testing::TestWithParam<ScreenCase> {};

TEST_P(FittingScales, OnlySizesAtWhichEveryWindowFits) {
    const ScreenCase& c = GetParam();
    EXPECT_EQ(pf::fittingScales(c.workArea, Windows), c.offered);
}

INSTANTIATE_TEST_SUITE_P(Screens, FittingScales,
                         testing::Values(
                             // Too low even at 100 %, which is offered all the same.
                             ScreenCase{"Laptop1366x768", {1366, 728}, {100}},
                             ScreenCase{"Hd1280x720", {1280, 680}, {100}},
                             ScreenCase{"FullHd1920x1080", {1920, 1040}, {100, 125}},
                             ScreenCase{"Uhd3840x2160", {3840, 2120}, {100, 125, 150, 200}},
                             // 699 × 1.5 = 1048.5 takes 1049 lines, and the title bar 40 more.
                             ScreenCase{"ExactlyRoomFor150", {1920, 1089}, {100, 125, 150}},
                             ScreenCase{"OneLineShortOf150", {1920, 1088}, {100, 125}},
                             // Tall enough for everything, but 900 × 1.25 + 16 is wider than 1080.
                             ScreenCase{"Portrait1080x1920", {1080, 1880}, {100}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FittingScale, KeepsAFittingSizeElseTakesTheLargestThatFits) {
    const std::vector<std::int32_t> fitting{100, 125};
    EXPECT_EQ(pf::fittingScale(125, fitting), 125);
    EXPECT_EQ(pf::fittingScale(100, fitting), 100);
    EXPECT_EQ(pf::fittingScale(200, fitting), 125);
    EXPECT_EQ(pf::fittingScale(150, std::vector<std::int32_t>{100}), 100);
}

TEST(DisplayScaleNotice, NamesTheSizeInFullWidthDigits) {
    EXPECT_EQ(pf::displayScaleNotice(125),
              QStringLiteral("画面に収まらないため、表示倍率を１２５％にしました。"
                             "次回の起動から有効になります。"));
}

} // namespace
