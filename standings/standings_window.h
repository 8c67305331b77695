#pragma once
// The full standings, kept open beside the main window while results come in.
//
// The window owns the one StandingsTable of the run and the numbers it was
// formatted from. Whoever needs standings (this window when it becomes
// active, the HTML export, the announcement) calls recompute() right before
// reading, so both always reflect the current game counts and the grid shows
// the last computation, whoever ran it.
//
// Usage by the main window: construct once at start-up with the session and
// the main window as parent; `T1Click` calls show() and activateWindow().

#include "model/session.h"
#include "standings/standings.h"

#include <QWidget>

class QAbstractButton;
class QLabel;
class QPushButton;
class QTableWidget;

namespace pf {

class TForm4 : public QWidget {
    Q_OBJECT
public:
    // Text under the grid for each ranking rule.
    static const QString& ruleText(int rankingMethod);

    // `session` must outlive the window. A parent keeps the window on top of
    // it but it stays a separate, non-modal window.
    explicit TForm4(Session& session, QWidget* parent = nullptr);

    StandingsTable& table() { return table_; }
    const StandingsTable& table() const { return table_; }
    // The numbers behind the last recompute(), for readers that need ranks
    // and names rather than texts.
    const Standings& standings() const { return standings_; }

    // Computes the standings of the session's match table under its ranking
    // rule into standings() and table(), then refreshes the grid and the rule
    // text.
    StandingsTable& recompute();
    // Copies table() into the grid, e.g. after someone else computed into it.
    void showTable();

    // Handlers, public so the main window and tests can drive them.
    void FormActivate();
    void FormResize();
    void Button1Click();

    // What the grid shows at cell (column, row) of the table: the headings in
    // row 0, the ranks in column 0, as displayed text.
    QString shownCell(int row, int column) const;

    QTableWidget* StringGrid1 = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* StaticText1 = nullptr;

protected:
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void buildGrid();
    void fitRuleText();

    Session& session_;
    Standings standings_;
    StandingsTable table_;
    QAbstractButton* corner_ = nullptr; // shows the heading of the rank column
};

} // namespace pf
