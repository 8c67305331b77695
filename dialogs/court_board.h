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
// screens to move to.

#include "dialogs/board_content.h"
#include "dialogs/board_layout.h"

#include <QFont>
#include <QWidget>
#include <functional>

class QScreen;

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

    explicit CourtBoard(Session& session, QWidget* parent = nullptr);

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

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void step(int rounds);

    Session& session_;
    PendingCounts pending_;
    FontMeasure measure_;
};

} // namespace pf
