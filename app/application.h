#pragma once
// Start-up: the windows of the run, each created once and hidden until used,
// in the order in which they depend on each other.

#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QApplication;
class QScreen;
class QWidget;

namespace pf {

class Generators;
class TForm1;
class TDualListDlg;
class TOKBottomDlg1;
class TOKBottomDlg;
class TOKBottomDlg2;
class TOKBottomDlg3;
class TOKBottomDlg4;
class TForm4;
class THtmlSaveCustom;
class ScheduleStatsWindow;

// Qt's own texts (buttons of the message boxes, standard dialogs, context
// menus) in Japanese whatever the system's locale; false when the
// translation is not installed.
bool installJapaneseQtTranslation(QApplication& app);

// The windows of one run. The main window owns the dialogs (Qt parent), so
// they go when it goes.
struct Windows {
    std::unique_ptr<TForm1> form1;
    TDualListDlg* dualListDlg = nullptr;
    TOKBottomDlg* okBottomDlg = nullptr;
    TForm4* form4 = nullptr;
    TOKBottomDlg1* okBottomDlg1 = nullptr;
    TOKBottomDlg2* okBottomDlg2 = nullptr;
    TOKBottomDlg3* okBottomDlg3 = nullptr;
    TOKBottomDlg4* okBottomDlg4 = nullptr;
    THtmlSaveCustom* htmlSaveCustom = nullptr;
    ScheduleStatsWindow* scheduleStats = nullptr;
};

// Creates every window of the run in its start-up order. The candidate file
// is located in the current working directory at this moment.
Windows createWindows(Generators& generators);

// The client sizes at 100 % at which the windows of the run open, the one
// made on demand included. Qt's pixels do not change with the display size,
// so a run at any size measures the same.
std::vector<QSize> windowSizes(const Windows& windows);

// The work area of `screen` (without task bar) in pixels at 100 %, whatever
// display size this run has.
QSize availableAtFullScale(const QScreen& screen);

// Offers in the settings dialog only the display sizes at which every window
// fits `available` (the work area at 100 %). A stored size that does not fit
// (the screen is smaller than the one it was chosen on) is replaced by the
// largest that does, in the session and in the store at once, so that the
// next start uses it and the organiser is told only once; that size is
// returned for tellDisplayScaleChanged().
std::optional<std::int32_t> fitDisplayScale(Windows& windows, QSize available);
void tellDisplayScaleChanged(QWidget* parent, std::int32_t percent);

// Everything after the application object exists: translation, title,
// windows, the event loop until the main window has closed. `afterStart`, when
// given, runs once start-up's own questions are answered. Returns the event
// loop's exit code, 1 when start-up fails.
int runApplication(QApplication& app, Generators& generators,
                   const std::function<void(TForm1&)>& afterStart = {});

} // namespace pf
