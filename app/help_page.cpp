#include "app/help_page.h"

#include <QDir>
#include <QFileInfo>

namespace pf {

QStringList helpPagePlaces(const QString& workingDir, const QString& programDir) {
    const QString name = QString::fromLatin1(HelpPageName);
    const QDir program(programDir);
    return {
        QDir::cleanPath(QDir(workingDir).absoluteFilePath(name)),
        QDir::cleanPath(program.absoluteFilePath(name)),
        QDir::cleanPath(program.absoluteFilePath(QStringLiteral("../share/pairforge/") + name)),
    };
}

QString locateHelpPage(const QString& workingDir, const QString& programDir) {
    for (const QString& place : helpPagePlaces(workingDir, programDir)) {
        if (QFileInfo(place).isFile())
            return place;
    }
    return {};
}

QString helpPageFailure(const QString& page, const QStringList& places) {
    if (page.isEmpty()) {
        QStringList lines{QStringLiteral("説明のページが見つかりません。探した場所:")};
        for (const QString& place : places)
            lines << QDir::toNativeSeparators(place);
        return lines.join(QLatin1Char('\n'));
    }
    return QStringLiteral("説明のページを表示するブラウザーを起動出来ませんでした。\n") +
           QDir::toNativeSeparators(page);
}

} // namespace pf
