#include "app/help_page.h"

#include <QDir>
#include <QFileInfo>

namespace pf {

QString locateHelpPage(const QString& workingDir, const QString& programDir) {
    const QString name = QString::fromLatin1(HelpPageName);
    const QDir program(programDir);
    const QString places[] = {
        QDir(workingDir).absoluteFilePath(name),
        program.absoluteFilePath(name),
        program.absoluteFilePath(QStringLiteral("../share/pairforge/") + name),
    };
    for (const QString& place : places) {
        const QFileInfo page(place);
        if (page.isFile())
            return QDir::cleanPath(page.absoluteFilePath());
    }
    return {};
}

} // namespace pf
