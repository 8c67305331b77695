#pragma once
// The match-start court display: the matches of the round now being played,
// one drawn court per court in use, with the four names on the court and the
// games of both pairs above it. "＜前" and "次＞" step through the schedule a
// round at a time; the counts entered here go straight back into the match
// table.
//
// Created once by the main window with the session and kept. G1Click runs
//
//     courtDisplay->run();   // modal, always on top, no close box
//     showPage();            // the match panels show what was entered
//
// Each opening reads the court count, lays the window out for 1, 2 or 3
// courts and starts at session.CourtCursor, which the window moves by whole
// rounds. The counts shown are stored into the table on every move and on
// every way of closing the window. A click on any of the count arrows sets
// session.Modified, as does a count typed into a box (digits, then Tab or
// Enter on to the next box; the wheel steps it). shownChanged() tells the court board to show the
// counts in the boxes before they are stored.

#include "court/board_content.h"
#include "model/session.h"
#include "widgets/score_commands.h"

#include <QDialog>
#include <array>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QUndoStack;

namespace pf {

class CourtView;
class UpDown;

class TOKBottomDlg2 : public QDialog {
    Q_OBJECT
public:
    explicit TOKBottomDlg2(Session& session, QWidget* parent = nullptr);

    void run();
    // The counts stored from the courts become steps of `history` (the
    // session's undo history), and `shown` tells the main window of each.
    // Without a history they are written straight into the table.
    void setScoreHistory(QUndoStack* history, ScoreShown shown);

    // The widgets of court k (0 … 2).
    struct Court {
        QLineEdit* shiai = nullptr; // "第N試合"
        CourtView* panel = nullptr;
        QLineEdit* nameA = nullptr;
        QLineEdit* nameB = nullptr;
        QLineEdit* nameC = nullptr;
        QLineEdit* nameD = nullptr;
        QFrame* boxA = nullptr;
        QFrame* boxB = nullptr;
        QLineEdit* winA = nullptr;
        QLineEdit* winB = nullptr;
        UpDown* upDownA = nullptr;
        UpDown* upDownB = nullptr;
    };
    const Court& court(int k) const { return courts_[static_cast<std::size_t>(k)]; }
    QPushButton* prevButton() const { return Button1; }
    QPushButton* nextButton() const { return Button2; }
    QPushButton* closeButton() const { return OKBtn; }

    void done(int result) override;

    // The counts in the boxes of the round on show, stored or not yet; empty
    // while the window is closed.
    std::vector<ShownCounts> shownCounts() const;

Q_SIGNALS:
    // The round on show or one of its counts changed, or the window closed.
    void shownChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void ShowCourts();
    void StoreCourtScores();
    void Button1Click();
    void Button2Click();
    void OKBtnClick();
    // Tab, Enter and Shift+Tab from a count box: on to the next box of the
    // round, from the last one to the first box of the next round.
    void moveScoreFocus(int court, int side, bool forward);
    void scoreBoxLeft(int court, int side);

    Session& session_;
    std::array<Court, MaxCourts> courts_;
    QPushButton* Button1;
    QPushButton* OKBtn;
    QPushButton* Button2;
    int courtCount_ = 0;
    // The first slot of the round in the boxes: their counts go back there
    // even if the board has moved the cursor meanwhile.
    int shownStart_ = 0;
    QUndoStack* history_ = nullptr;
    ScoreShown shown_;
    // True while the boxes hold the counts of the shown round, so that a
    // close before anything was shown cannot write the blank boxes back.
    bool filled_ = false;
};

} // namespace pf
