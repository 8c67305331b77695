#include "app/application.h"

#include "app/main_window.h"
#include "app/prompts.h"
#include "app/session.h"
#include "app/ui_fonts.h"
#include "members/candidate_editor.h"
#include "members/member_selection.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <exception>

namespace pf {

bool installJapaneseQtTranslation(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QApplication::installTranslator(translator);
    return true;
}

Windows createWindows(EntryList& entries) {
    Windows w;
    w.form1 = std::make_unique<TForm1>(entries);
    w.dualListDlg = new TDualListDlg(w.form1.get());
    w.okBottomDlg1 = new TOKBottomDlg1(*w.dualListDlg, w.form1.get());
    w.form1->setMemberDialogs(w.dualListDlg, w.okBottomDlg1);
    return w;
}

int runApplication(QApplication& app, EntryList& entries) {
    try {
        installJapaneseQtTranslation(app);
        QApplication::setOrganizationName(QStringLiteral("Sorvanta"));
        QApplication::setApplicationName(QStringLiteral("PAIRFORGE"));
        QApplication::setFont(proportionalGothic(12));
        Windows windows = createWindows(entries);
        windows.form1->show();
        QApplication::exec();
    } catch (const std::exception& e) {
        prompts().message(nullptr, QString::fromUtf8(e.what()), QString::fromUtf8(DefaultTitle),
                          Buttons::Ok);
    }
    return 0;
}

} // namespace pf
