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
//
// A day seldom runs to its end, so the figures can be those of the day as if
// it stopped after round r (roundSpin), by default the last round with a
// result. While nothing has a result the organiser may ask for another
// balanced day (anotherDrawButton); the main window makes it, as one undo
// step.

#include "model/session.h"
#include "pairing/day_rules.h"
#include "pairing/ruled_day.h"
#include "pairing/schedule_quality.h"

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QSpinBox;
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

    // Where today's facts come from (the members in, their facts out), for
    // the day's rules chosen in the settings: with a rule chosen the figures
    // add how the table holds the rules and shares within them, the facts
    // stand beside each name and the grid is coloured by the range the rules
    // leave each pair. The main window sets it once.
    using FactsSource = std::function<DayFacts(const std::vector<Name>&)>;
    void setFactsSource(FactsSource source) { factsSource_ = std::move(source); }
    // The round the figures stop at, 1-based: the last round with a result
    // (the whole day while none has one) unless the organiser chose another.
    int shownRounds() const;

    QTableWidget* summaryTable = nullptr; // figure, value, best possible
    QTableWidget* memberTable = nullptr;  // one row per member
    QTableWidget* meetingGrid = nullptr;  // partners above the diagonal, opponents below
    QLabel* courtWarning = nullptr;
    QSpinBox* roundSpin = nullptr;            // "up to round r"
    QPushButton* anotherDrawButton = nullptr; // 「別の組合せを作る」
    QPushButton* closeButton = nullptr;

Q_SIGNALS:
    void anotherDrawRequested();

protected:
    bool event(QEvent* e) override;

private:
    void fillSummary();
    void fillMembers();
    void fillGrid();

    // Puts the spin box on the day's rounds and, unless the organiser chose
    // a round, on the default one.
    void followRounds();

    const Session& session_;
    ScheduleQuality quality_;
    FactsSource factsSource_;
    // Filled only while a rule is chosen and facts can be had.
    bool ruled_ = false;
    DayFacts facts_;
    RuleFigures ruleFigures_;
    RuledQuality ruledQuality_;
    bool roundChosen_ = false;
    bool settingRound_ = false;
};

} // namespace pf
