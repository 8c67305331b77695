#include "app/application.h"

#include "app/main_window.h"
#include "app/recovery.h"
#include "app/replan_start_dialog.h"
#include "court/court_display.h"
#include "dialogs/about_dialog.h"
#include "dialogs/display_fit.h"
#include "dialogs/schedule_stats_window.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/settings_store.h"
#include "dialogs/splash_window.h"
#include "files/html_options_dialog.h"
#include "members/candidate_editor.h"
#include "members/member_selection.h"
#include "model/session.h"
#include "model/text_codec.h"
#include "standings/announcement_dialog.h"
#include "standings/standings_window.h"
#include "widgets/prompts.h"
#include "widgets/ui_fonts.h"

#include <QApplication>
#include <QLayout>
#include <QLibraryInfo>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <exception>

namespace pf {

bool installJapaneseQtTranslation(QApplication& app) {
    auto* translator = new QTranslator(&app);
    // Qt's own translations where Qt is installed; the Windows program, whose
    // Qt is linked in, carries the one it needs.
    if (!translator->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        !translator->load(QStringLiteral("qtbase_ja"), QStringLiteral(":/translations"))) {
        delete translator;
        return false;
    }
    QApplication::installTranslator(translator);
    return true;
}

Windows createWindows(Generators& generators) {
    Windows w;
    w.form1 = std::make_unique<TForm1>(generators);
    TForm1* main = w.form1.get();
    Session& session = main->session();
    w.dualListDlg = new TDualListDlg(main);
    w.okBottomDlg = new TOKBottomDlg(main);
    w.form4 = new TForm4(session, main);
    w.okBottomDlg1 = new TOKBottomDlg1(*w.dualListDlg, main);
    w.okBottomDlg2 = new TOKBottomDlg2(session, main);
    w.okBottomDlg3 = new TOKBottomDlg3(main);
    w.okBottomDlg4 = new TOKBottomDlg4(session, *w.form4, main);
    w.htmlSaveCustom = new THtmlSaveCustom(main);
    w.scheduleStats = new ScheduleStatsWindow(session, main);
    main->setMemberDialogs(w.dualListDlg, w.okBottomDlg1);
    main->setCommandWindows({w.okBottomDlg, w.form4, w.okBottomDlg2, w.okBottomDlg3, w.okBottomDlg4,
                             w.htmlSaveCustom, w.scheduleStats});
    return w;
}

namespace {

// The size a window opens at: fixed, given, or what its layout asks for.
QSize openingSize(QWidget& w) {
    if (QLayout* layout = w.layout())
        layout->activate(); // a window not shown yet has not laid itself out
    if (w.minimumSize() == w.maximumSize())
        return w.minimumSize();
    const QSize opening = w.testAttribute(Qt::WA_Resized) ? w.size() : w.sizeHint();
    return opening.expandedTo(w.minimumSize()).expandedTo(w.minimumSizeHint());
}

} // namespace

std::vector<QSize> windowSizes(const Windows& windows) {
    std::vector<QSize> sizes;
    for (QWidget* w : std::initializer_list<QWidget*>{
             windows.form1.get(), windows.dualListDlg, windows.okBottomDlg, windows.form4,
             windows.okBottomDlg1, windows.okBottomDlg2, windows.okBottomDlg3, windows.okBottomDlg4,
             windows.htmlSaveCustom, windows.scheduleStats})
        if (w)
            sizes.push_back(openingSize(*w));
    ReplanStartDialog replanStart(1, 1);
    sizes.push_back(openingSize(replanStart));
    return sizes;
}

QSize availableAtFullScale(const QScreen& screen) {
    // Set by applyStoredDisplayScale() or by whoever started the program;
    // either way Qt divided the screen by it.
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return (QSizeF(screen.availableGeometry().size()) * (ok && factor > 0 ? factor : 1.0)).toSize();
}

std::optional<std::int32_t> fitDisplayScale(Windows& windows, QSize available) {
    const std::vector<std::int32_t> fitting = fittingScales(available, windowSizes(windows));
    windows.okBottomDlg3->setOfferedScales(fitting);
    Session& session = windows.form1->session();
    const std::int32_t scale = fittingScale(session.Scale, fitting);
    if (scale == session.Scale)
        return std::nullopt;
    session.Scale = scale;
    // Written now, not only at exit: after a crash the next start would
    // otherwise come up too large again and say so a second time. A store
    // that cannot be written now is written again at exit, which reports it.
    (void)saveScale(programSettings(), scale);
    return scale;
}

void tellDisplayScaleChanged(QWidget* parent, std::int32_t percent) {
    prompts().message(parent, displayScaleNotice(percent), QString::fromUtf8(DefaultTitle),
                      Buttons::Ok);
}

int runApplication(QApplication& app, Generators& generators,
                   const std::function<void(TForm1&)>& afterStart) {
    try {
        installJapaneseQtTranslation(app);
        // Visible while the rest loads; it closes itself on its timer.
        const QPointer<TForm10> splash = TForm10::showSplash();
        QApplication::setOrganizationName(QStringLiteral("Sorvanta"));
        QApplication::setApplicationName(QStringLiteral("PAIRFORGE"));
        // Ties the windows to the menu entry and its icon when installed.
        QGuiApplication::setDesktopFileName(QStringLiteral("pairforge"));
        QApplication::setFont(proportionalGothic(12));
        // A setting that cannot be read is not guessed at: the organiser
        // learns which one, and the program does not start on it.
        if (const Status typed = checkSettingTypes(programSettings()); !typed) {
            if (splash)
                splash->close();
            prompts().message(nullptr, fromUtf8(typed.error), QString::fromUtf8(DefaultTitle),
                              Buttons::Ok);
            return 1;
        }
        Windows windows = createWindows(generators);
        TForm1* main = windows.form1.get();
        // The screen the program starts on; its size is only known now that
        // Qt is up, after this run's display size was already fixed.
        std::optional<std::int32_t> rescaled;
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            rescaled = fitDisplayScale(windows, availableAtFullScale(*screen));
        auto* keeper = new RecoveryKeeper(*main, recoveryFolder());
        main->show();
        // What a killed run left is offered once the splash has gone, so the
        // question is not hidden behind it.
        const auto afterSplash = [keeper, main, afterStart, rescaled] {
            if (rescaled)
                tellDisplayScaleChanged(main, *rescaled);
            keeper->offerLeftovers();
            if (afterStart)
                afterStart(*main);
        };
        if (splash) { // stays in front until its timer closes it
            splash->raise();
            QObject::connect(splash, &QObject::destroyed, main, afterSplash);
        } else {
            QTimer::singleShot(0, main, afterSplash);
        }
        return QApplication::exec();
    } catch (const std::exception& e) {
        prompts().message(nullptr, QString::fromUtf8(e.what()), QString::fromUtf8(DefaultTitle),
                          Buttons::Ok);
        return 1;
    }
}

} // namespace pf
