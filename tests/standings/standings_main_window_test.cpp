// The standings window beside the real main window: a game count stepped on a
// match panel shows in the standings as soon as the organiser returns to them.

#include "app/main_window.h"
#include "pairing/generators.h"
#include "scripted_prompts.h"
#include "standings/standings_window.h"
#include "widgets/prompts.h"
#include "widgets/up_down.h"

#include <QApplication>
#include <QStandardPaths>
#include <QToolButton>
#include <gtest/gtest.h>

namespace pf {
namespace {

TEST(StandingsBesideMainWindow, FollowsCountSteppedOnMatchPanel) {
    QStandardPaths::setTestModeEnabled(true); // keep the user's settings untouched
    setPrompts(std::make_unique<ScriptedPrompts>());
    Generators generators;
    TForm1 main(generators);
    Session& s = main.session();
    s.Matches[0].a = "A";
    s.Matches[0].b = "B";
    s.Matches[0].c = "C";
    s.Matches[0].d = "D";
    s.PairingOpen = true;
    main.EnterPairingOpenState();
    main.ShowPage();

    TForm4 standings(s, &main);
    main.show();
    standings.show();
    standings.activateWindow();
    QApplication::processEvents();
    ASSERT_EQ(standings.shownCell(1, 1), QStringLiteral("A"));
    ASSERT_EQ(standings.shownCell(4, 0), QStringLiteral("1"));

    // Pair B of match 1 wins a game: C and D move ahead of A and B.
    main.activateWindow();
    QApplication::processEvents();
    auto* upDown = main.findChild<UpDown*>(QStringLiteral("UpDown2"));
    ASSERT_NE(upDown, nullptr);
    upDown->upButton()->click();
    ASSERT_EQ(s.Matches[0].WinB, 1);

    standings.activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(standings.shownCell(1, 1), QStringLiteral("C"));
    EXPECT_EQ(standings.shownCell(2, 1), QStringLiteral("D"));
    EXPECT_EQ(standings.shownCell(3, 1), QStringLiteral("A"));
    EXPECT_EQ(standings.shownCell(3, 0), QStringLiteral("3"));
    EXPECT_EQ(standings.shownCell(1, 6), QStringLiteral("1.000"));

    standings.close();
    s.Modified = false; // no exit confirmation in the test
    main.close();
    setPrompts(nullptr);
}

} // namespace
} // namespace pf
