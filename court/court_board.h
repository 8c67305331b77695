#pragma once
// The court board: the round on show, full screen on a TV or a projector by
// the courts. Each court is drawn large with its match number, its counts and
// the four names; below or beside them, the next round's matches and who sits
// out this round.
//
// Created by the main window the first time 表示 › コート表示 (F11) is
// chosen, and kept; it is not modal, the main window keeps working:
//
//     board->setPendingCounts([display] { return display->shownCounts(); });
//     connect(mainWindow, &TForm1::matchesChanged, board, &CourtBoard::refresh);
//     board->showOn(boardScreen(mainWindow));
//
// The round it shows is session.CourtCursor, the court display's round, and
// its steps move that same cursor. It never changes a count. → or Space or a
// click on its right half go to the next round, ← or a click on its left half
// back, the wheel both ways, Esc or F11 close it; a right click offers the
// screens to move to, the minutes per round and whether the next round
// starts the clock again.
//
// The round clock counts down along the top: S starts it, P pauses it, R
// sets it back (the main window's 試合 menu does the same). At zero the board
// flashes and a chime sounds, from the program's own sound where Qt
// Multimedia is there, else the system beep.

#include "court/board_content.h"
#include "court/board_layout.h"
#include "court/round_clock.h"

#include <QElapsedTimer>
#include <QFont>
#include <QWidget>
#include <functional>

class QScreen;
class QTimer;

namespace pf {

// The face the board paints in and measures with.
QFont boardFont(int pixels, bool bold);

class FontMeasure : public TextMeasure {
public:
    int width(const QString& text, int pixels, bool bold) const override;
    int height(int pixels, bool bold) const override;
};

// The screen the board opens on: another screen than the organiser's when
// there is one, else the organiser's own.
QScreen* boardScreen(const QWidget* organiserWindow);

class CourtBoard : public QWidget {
    Q_OBJECT
public:
    using PendingCounts = std::function<std::vector<ShownCounts>()>;

    // `now` is the clock's time source in milliseconds; by default the time
    // since the board was made.
    explicit CourtBoard(Session& session, QWidget* parent = nullptr, RoundClock::Now now = {});

    const RoundClock& clock() const { return clock_; }
    // What sounds when the time is up (the tests listen instead).
    void setChime(std::function<void()> chime);
    // Minutes per round, kept in the session for the settings.
    void setRoundMinutes(int minutes);
    void setClockRestart(bool on);

    // Counts shown elsewhere and not stored yet, drawn in place of the stored ones.
    void setPendingCounts(PendingCounts pending);
    // Full screen on `screen`.
    void showOn(QScreen* screen);

    BoardContent content() const;
    BoardLayout currentLayout() const;

public Q_SLOTS:
    // The session changed: paint again.
    void refresh();
    void nextRound();
    void previousRound();
    void startClock();
    void pauseClock();
    void resetClock();
    // Looks at the clock: sounds the chime once at zero, repaints while it
    // runs or flashes. Run by the board's timer.
    void tick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void step(int rounds);
    // The round moved forward (here or on another window): a new round's time.
    void followRound();
    void playChime();

    Session& session_;
    PendingCounts pending_;
    FontMeasure measure_;
    QElapsedTimer elapsed_;
    RoundClock clock_;
    QTimer* ticker_ = nullptr;
    std::function<void()> chime_;
    QObject* sound_ = nullptr; // made at the first start, where there is sound
    int lastRound_ = 0;
};

} // namespace pf
