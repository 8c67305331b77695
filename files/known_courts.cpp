#include "files/known_courts.h"

#include "model/session.h"

#include <QFileInfo>
#include <QStringList>

namespace pf {

namespace {

const QString Group = QStringLiteral("CONFIG");
const QString Key = QStringLiteral("CourtCounts");

// Entries "n|path", newest first: a list keeps the order that decides which
// file is forgotten, and a path may hold any character but a line break.
QStringList load(QSettings& store) {
    store.beginGroup(Group);
    QStringList list = store.value(Key).toStringList();
    store.endGroup();
    return list;
}

} // namespace

QString courtFileKey(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

std::optional<int> knownCourtCount(QSettings& store, const QString& path) {
    const QString key = courtFileKey(path);
    for (const QString& entry : load(store)) {
        if (entry.size() < 3 || entry[1] != QLatin1Char('|') || entry.mid(2) != key)
            continue;
        const int courts = entry[0].digitValue();
        if (courts < MinCourts || courts > MaxCourts)
            return std::nullopt;
        return courts;
    }
    return std::nullopt;
}

void rememberCourtCount(QSettings& store, const QString& path, int courts) {
    if (courts < MinCourts || courts > MaxCourts)
        return;
    const QString key = courtFileKey(path);
    QStringList list = load(store);
    list.removeIf([&](const QString& e) { return e.mid(2) == key; });
    list.prepend(QString::number(courts) + QLatin1Char('|') + key);
    while (list.size() > MaxKnownCourtFiles)
        list.removeLast();
    store.beginGroup(Group);
    store.setValue(Key, list);
    store.endGroup();
    store.sync();
}

} // namespace pf
