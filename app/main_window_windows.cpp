// The main window's commands that open the other windows: the court display,
// the standings, the announcement, the settings and the About box.

#include "app/main_window.h"

#include "court/court_board.h"
#include "court/court_display.h"
#include "dialogs/about_dialog.h"
#include "dialogs/schedule_stats_window.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/settings_store.h"
#include "model/text_codec.h"
#include "model/texts.h"
#include "standings/announcement_dialog.h"
#include "standings/standings_window.h"
#include "widgets/modal_runner.h"
#include "widgets/prompts.h"

namespace pf {

void TForm1::CourtBoardClick() {
    if (courtBoard_ && courtBoard_->isVisible()) {
        courtBoard_->close();
        return;
    }
    if (!session_.PairingOpen)
        return;
    ensureCourtBoard()->showOn(boardScreen(this));
}

CourtBoard* TForm1::ensureCourtBoard() {
    if (!courtBoard_) {
        courtBoard_ = new CourtBoard(session_, this);
        courtBoard_->setObjectName(QStringLiteral("courtBoard"));
        if (windows_.courtDisplay)
            courtBoard_->setPendingCounts(
                [display = windows_.courtDisplay] { return display->shownCounts(); });
        connect(this, &TForm1::matchesChanged, courtBoard_, &CourtBoard::refresh);
    }
    return courtBoard_;
}

void TForm1::startRoundClock() {
    if (session_.PairingOpen)
        ensureCourtBoard()->startClock();
}

void TForm1::pauseRoundClock() {
    if (courtBoard_)
        courtBoard_->pauseClock();
}

void TForm1::resetRoundClock() {
    if (courtBoard_)
        courtBoard_->resetClock();
}

void TForm1::G1Click() {
    if (!session_.PairingOpen || !windows_.courtDisplay)
        return;
    windows_.courtDisplay->run();
    // The counts entered on the courts show on the match panels.
    ShowPage();
}

void TForm1::T1Click() {
    if (!session_.PairingOpen || !windows_.standings)
        return;
    windows_.standings->show();
    windows_.standings->raise();
    windows_.standings->activateWindow();
    // Offscreen and some window managers never activate: compute anyway.
    windows_.standings->recompute();
}

void TForm1::showScheduleStats() {
    if (!session_.PairingOpen || !windows_.scheduleStats)
        return;
    windows_.scheduleStats->showAndRaise();
}

void TForm1::followPairing() {
    if (windows_.scheduleStats)
        windows_.scheduleStats->followSession();
}

void TForm1::S2Click() {
    if (!session_.PairingOpen || !windows_.announcement)
        return;
    runModal(*windows_.announcement);
}

void TForm1::C2Click() {
    if (!windows_.settings)
        return;
    Settings settings = settingsOf(session_);
    if (!windows_.settings->run(settings))
        return;
    applySettings(session_, settings);
    // Written now as well as at exit, the same values either way, so that a
    // run that ends abnormally does not make tomorrow's day by the old method.
    if (const Status saved = saveSettings(programSettings(), settingsOf(session_)); !saved)
        prompts().message(this, fromUtf8(saved.error), QString::fromUtf8(ErrorTitle), Buttons::Ok);
}

void TForm1::N4Click() {
    if (windows_.about)
        runModal(*windows_.about);
}

} // namespace pf
