#pragma once
// The top-three announcement at the end of the day. Each pending place
// flickers through member names every 100 ms; each press of "発表" reveals the
// next place, third place first and the winner last.
//
// Usage by the main window (`S2Click`): construct once at start-up with the
// session and the standings window, then exec() it. Opening recomputes the
// standings into the standings window's table; tests may show() it and drive
// Timer1Timer(), Button1Click() and OKBtnClick() directly.

#include "model/session.h"
#include "standings/ranking.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace pf {

class TForm4;

enum class RevealStep { Third, Second, First, Done };

class TOKBottomDlg4 : public QDialog {
    Q_OBJECT
public:
    // Title of a place by its rank: 1 "優勝", 2 "２位", 3 "３位"; anything
    // else (0 for a place nobody holds) blank.
    static QString placeTitle(int rank);

    // `session` gives the roster the flicker draws from, `standings` owns the
    // table the places are read from; both must outlive the dialog.
    TOKBottomDlg4(Session& session, TForm4& standings, QWidget* parent = nullptr);

    RevealStep revealStep() const { return step_; }

    // Handlers, public so the main window and tests can drive them.
    void FormShow();
    void Timer1Timer();
    void Button1Click();
    void OKBtnClick();
    void FormClose();

    QLabel* Label4 = nullptr;
    QLineEdit* Edit1 = nullptr; // names of places 1, 2, 3
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr; // titles of places 1, 2, 3
    QLineEdit* Edit5 = nullptr;
    QLineEdit* Edit6 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    QLineEdit* nameBox(RevealStep step) const;
    bool hasMember(RevealStep step) const;
    const StandingRow* rowOf(RevealStep step) const;
    // The first step from `step` on whose place holds a member.
    RevealStep firstPending(RevealStep step) const;

    Session& session_;
    TForm4& standings_;
    RevealStep step_ = RevealStep::Done;
    bool placed_ = false; // centred once, then left where it was moved
};

} // namespace pf
