#pragma once
// The main window: the one session of the run, the members area, the six
// match panels of the page on show, and the commands of the menu and toolbar.

#include "model/session.h"
#include "widgets/score_commands.h"

#include <QMainWindow>
#include <QScopeGuard>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <utility>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class QTableWidget;
class QUndoStack;

namespace pf {

struct DayFacts;
struct DayRules;
class Generators;
struct RecoveryContent;
class UpDown;
class TDualListDlg;
class TOKBottomDlg1;
class MemberFactsDialog;
class TOKBottomDlg;
class TOKBottomDlg2;
class TOKBottomDlg3;
class TOKBottomDlg4;
class TForm4;
class CourtBoard;
class THtmlSaveCustom;
class ScheduleStatsWindow;
struct PaperOptions;

// The windows the main window's commands open, created after it at start-up
// and owned by it (Qt parent).
struct CommandWindows {
    TOKBottomDlg* about = nullptr;
    TForm4* standings = nullptr;
    TOKBottomDlg2* courtDisplay = nullptr;
    TOKBottomDlg3* settings = nullptr;
    TOKBottomDlg4* announcement = nullptr;
    THtmlSaveCustom* htmlOptions = nullptr;
    ScheduleStatsWindow* scheduleStats = nullptr;
};

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // `generators` holds what the generation methods keep between pairings;
    // it is made once, before any window.
    explicit TForm1(Generators& generators, QWidget* parent = nullptr);
    ~TForm1() override;

    Session& session() { return session_; }
    const Session& session() const { return session_; }
    const QString& title() const { return title_; }
    // The one undo history of the session: score changes and re-plans are
    // pushed here; open, close and new pairing clear it, a save marks it clean.
    QUndoStack* undoStack() const { return undoStack_; }

    // The dialogs created after this window at start-up.
    void setMemberDialogs(TDualListDlg* selection, TOKBottomDlg1* candidates);
    void setCommandWindows(const CommandWindows& windows);

    // Fills the six match panels from the match table at PageTop.
    void ShowPage();
    // Shows the roster in the grid and its count of leading non-empty rows in
    // the member-count edit; call after any change of session().Roster.
    void CountMembers();
    // Caption "title [ file ]" after a save or an open, "title" while the
    // pairing is on no disk.
    void UpdateCaption();
    // The caption as the title bar shows it: windowTitle() holds Qt's "[*]"
    // placeholder, shown as "*" while the pairing has unsaved changes.
    QString shownCaption() const;
    // Commands and controls of an open pairing, on its first page.
    void EnterPairingOpenState();
    // The pairing of a recovery copy, open and still unsaved.
    void restoreRecovered(const RecoveryContent& content);

    // A pairing coming into the window: read from its file, put back from its
    // recovery copy, or just generated.
    struct IncomingPairing {
        MemberRoster roster{};
        MatchTable matches{};
        int courts = 2;
        std::string fileName;  // empty: on no disk yet
        bool asOnDisk = false; // the table is what fileName holds
    };
    // The one way a pairing is opened: table, roster and court count into the
    // session, the file name and caption, a new history, the first page, and
    // pairingChanged for whoever follows the pairing.
    void installPairing(const IncomingPairing& pairing);
    // Runs a core step that marks the session as it fills a new pairing; the
    // followers hear of it once, from installPairing, and never of a table
    // the window has not taken in yet.
    template <class Step> auto unheard(Step&& step) {
        auto changed = std::exchange(session_.changed, nullptr);
        const auto restore = qScopeGuard([&] { session_.changed = std::move(changed); });
        return step();
    }
    // Every command's enabled state, worked out from the session alone; runs
    // on each pairingChanged and each page turn.
    void updateActions();

    // What a member change replaces, kept by its undo step.
    struct PairingCopy {
        MemberRoster roster{};
        MatchTable matches{};
        int courts = 2;
        std::vector<Name> participants;
        int pageTop = 0;      // the page shown after the copy is put back
        int courtCursor = -1; // the round the courts show after it; -1: as it is
    };
    PairingCopy pairingCopy() const;
    // Puts `copy` back, marks the pairing modified and shows its page.
    void restorePairing(const PairingCopy& copy);

public Q_SLOTS:
    // File menu.
    void N8Click();
    void SpeedButton3Click();
    void O1Click();
    void C1Click();
    void N6Click();
    void SpeedButton4Click();
    void R1Click();
    void CSVT1Click();
    void HTMLH1Click();
    // Paper: the print preview of the day's sheets, and the same sheets as a PDF.
    void printClick();
    void pdfClick();
    void X1Click();
    // Members.
    void S1Click();
    void SpeedButton2Click();
    void E1Click();
    void SpeedButton1Click();
    // Latecomers and leavers: the rest of the day planned again.
    void replanMembersClick();
    // メンバー情報: the candidates' facts for the day's rules.
    void memberFactsClick();
    // 「別の組合せを作る」 of the statistics window: while no match has a
    // result, a new balanced day of the same length, as one undo step.
    void anotherDrawClick();
    // Paging.
    void N3Click();
    void B1Click();
    void ScrollBar1Change();
    // Matches.
    void G1Click();
    void SpeedButton5Click();
    void T1Click();
    // 表示 menu: the schedule statistics beside the main window.
    void showScheduleStats();
    void S2Click();
    void SpeedButton6Click();
    // Options and help.
    void C2Click();
    void R2Click();
    void N4Click();
    // Any of the twelve score arrows, before its count moves.
    void UpDown1Changing();
    // The court-count arrows moved to `courts`.
    void UpDown13Click(int courts);
    void Edit37Change();
    // The court board, full screen on a second screen when there is one.
    void CourtBoardClick();
    // The court board, made at its first use and kept.
    CourtBoard* ensureCourtBoard();
    // The round clock on the board, from the 試合 menu.
    void startRoundClock();
    void pauseRoundClock();
    void resetRoundClock();

Q_SIGNALS:
    // A count, a name or the round on show changed, here or on the court
    // display: what shows the matches elsewhere draws them again.
    void matchesChanged();
    // After every change of the pairing and every save, open or close: the
    // windows that show the table, the unsaved mark and the recovery copy
    // follow it from here.
    void pairingChanged();
    // The window is closing for good: nothing is unsaved, or the organiser
    // chose to lose it.
    void closeAccepted();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct MatchPanel {
        QFrame* panel = nullptr;
        QLabel* number = nullptr;
        QLineEdit* win[2] = {nullptr, nullptr}; // pair A, pair B
        UpDown* upDown[2] = {nullptr, nullptr};
        QLineEdit* name[4] = {nullptr, nullptr, nullptr, nullptr}; // a, b, c, d
    };

    QWidget* buildClientArea();
    void buildMenu();
    void buildToolbar(QWidget* client);
    void buildMembersArea(QWidget* client);
    void buildMatchPanels(QWidget* client);
    void buildReplanCommand(QMenu* members);
    void buildFactsCommand(QMenu* members);
    // A new pairing by the balanced method under the day's rules.
    void newRuledPairing(const DayRules& rules, int dayRounds);
    // What the organiser should know of a ruled day just put in place (UTF-8;
    // nothing when empty).
    void tellDayNote(const std::string& note);
    // Today's members' facts from the facts file beside the candidate list;
    // none when it cannot be read (the statistics then show no facts).
    DayFacts todaysFacts(const std::vector<Name>& names) const;
    // The facts file beside the candidate list the selection dialog found.
    QString factsFilePath() const;
    void buildPrintCommands(QMenu* file);
    using Command = void (TForm1::*)();
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption, const QString& hint,
                        Command command);
    QPushButton* addSpeedButton(QWidget* client, const char* name, int left, int width,
                                const QString& caption, const QString& hint);

    // `text` plus the placeholder of the unsaved mark.
    void setCaption(const QString& text);
    void EditWinChange(int panel, int side);
    // A count put into the table by the history (undo, redo, or the change
    // itself): the panel showing it follows, brought into view on `reveal`.
    void scoreShown(int slot, bool reveal);
    ScoreShown scoreShownCallback();
    // Tab/Enter in a games box: the other pair's box, then the next match,
    // over to the next page.
    void moveScoreFocus(int panel, int side, bool forward);
    void scoreBoxLeft(int panel, int side);
    // Open, close and new pairing start a new history; `matchesFile` says
    // whether the table is then the one on disk.
    void resetHistory(bool matchesFile);
    // Whether the open table can be played on `courts` courts without a
    // member on two at once; asks the organiser when it cannot.
    bool courtCountFits(int courts);
    // The open-over-changes question; true when the organiser may go on.
    bool confirmOpenOverChanges();
    // Reads `path` into the session (the message when it cannot be read).
    void openPairingFile(const QString& path);
    // The court count to open `path` with; asks when several fit and nothing
    // decides between them; nullopt when the organiser cancels.
    std::optional<int> courtCountForFile(const QString& path, const MatchTable& table);
    void openRecentFile(int index);
    // Puts `path` first in the recent files, kept with the settings.
    void rememberFile(const QString& path);
    void showRecentFiles();
    void colourPanel(int panel);
    void setNoPairingState();
    void setScoreArrowsEnabled(bool on);
    // Lets the windows that show the table follow the pairing or another
    // court count.
    void followPairing();
    bool FormCloseQuery();
    void FormDestroy();
    // Writes the pairing to session().FileName; false (and a message) when
    // the file could not be written, in which case Modified stays as it was.
    bool WritePairingFile();
    // Saves `bytes` to `path`, telling the organiser when that failed.
    bool saveExport(const QString& path, const QByteArray& bytes);

    Session session_;
    QUndoStack* undoStack_ = nullptr;
    bool historyResetting_ = false;
    // True while the panels are being filled from the table, not typed into.
    bool showing_ = false;
    // The count (slot × 2 + side) typed or stepped last, while its entry goes
    // on; -1 once the organiser has moved elsewhere.
    int lastEntry_ = -1;
    QString title_;
    Generators& generators_;
    TDualListDlg* dualListDlg_ = nullptr;
    TOKBottomDlg1* candidateDlg_ = nullptr;
    CommandWindows windows_;
    // What each file dialog proposes next: the last name chosen in it this run.
    QString lastOpenChoice_, lastSaveChoice_, lastCsvChoice_, lastHtmlChoice_;
    // A Save As that could not be written: proposed again by the next one.
    QString failedSaveChoice_;

    // Menu items.
    QAction *N8 = nullptr, *O1 = nullptr, *C1 = nullptr, *N6 = nullptr, *R1 = nullptr,
            *CSVT1 = nullptr, *HTMLH1 = nullptr, *X1 = nullptr, *S1 = nullptr, *E1 = nullptr,
            *N3 = nullptr, *B1 = nullptr, *G1 = nullptr, *T1 = nullptr, *S2 = nullptr,
            *C2 = nullptr, *R2 = nullptr, *N4 = nullptr;
    QAction *undoAction_ = nullptr, *redoAction_ = nullptr;
    QAction* scheduleStatsAction_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    std::array<QAction*, 4> recentActions_{};
    QStringList recentFiles_;
    QAction* replanAction_ = nullptr;
    QAction* memberFactsAction_ = nullptr;
    MemberFactsDialog* memberFactsDialog_ = nullptr; // made on first use
    QAction *printAction_ = nullptr, *pdfAction_ = nullptr;
    // The sheet, paper, title and date last chosen this run.
    std::shared_ptr<PaperOptions> paperOptions_;
    QString lastPdfChoice_;
    std::array<QPushButton*, 6> speedButtons_{};
    QLineEdit* Edit37 = nullptr;
    QLineEdit* Edit38 = nullptr;
    UpDown* UpDown13 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    std::array<MatchPanel, MatchesPerPage> panels_{};
    std::array<QFrame*, 5> separators_{};
    QScrollBar* ScrollBar1 = nullptr;
    QAction* courtBoardAction_ = nullptr;
    CourtBoard* courtBoard_ = nullptr;       // made at its first opening
    std::array<QAction*, 3> clockActions_{}; // start, pause, reset
};

} // namespace pf
