#pragma once
// Start-up: the windows of the run, each created once and hidden until used,
// in the order in which they depend on each other.

#include <QString>
#include <memory>

class QApplication;

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

// Everything after the application object exists: translation, title,
// windows, the event loop until the main window has closed. Returns 0.
int runApplication(QApplication& app, Generators& generators);

} // namespace pf
