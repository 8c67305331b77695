#pragma once
// "組合せの統計": how evenly the open pairing shares out play, partners,
// opponents and rests, beside the best any table of its size could do.
//
// Created once by the main window at start-up (parent: the main window) and
// kept; non-modal, beside the main window like the standings. The 表示 menu
// item calls showAndRaise() while a pairing is open. The figures depend only on
// the names, so the main window calls followSession() after a generation, an
// open, a close or a change of the court count; the window also recomputes
// whenever it becomes active.

#include "model/session.h"
#include "pairing/schedule_quality.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace pf {

class ScheduleStatsWindow : public QWidget {
    Q_OBJECT
public:
    // `session` must outlive the window.
    explicit ScheduleStatsWindow(const Session& session, QWidget* parent = nullptr);

    void showAndRaise();
    // Hides the window when no pairing is open, otherwise recomputes it if it
    // is on show.
    void followSession();
    // Computes the figures of the session's table and fills the three tables.
    void recompute();

    const ScheduleQuality& quality() const { return quality_; }

    QTableWidget* summaryTable = nullptr; // figure, value, best possible
    QTableWidget* memberTable = nullptr;  // one row per member
    QTableWidget* meetingGrid = nullptr;  // partners above the diagonal, opponents below
    QLabel* courtWarning = nullptr;
    QPushButton* closeButton = nullptr;

protected:
    bool event(QEvent* e) override;

private:
    void fillSummary();
    void fillMembers();
    void fillGrid();

    const Session& session_;
    ScheduleQuality quality_;
};

} // namespace pf
