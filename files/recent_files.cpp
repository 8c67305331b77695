#include "files/recent_files.h"

#include <QFileInfo>

namespace pf {

namespace {

const QString Group = QStringLiteral("CONFIG");
const QString Key = QStringLiteral("RecentFiles");

bool sameFile(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

QStringList withRecentFile(QStringList list, const QString& path) {
    list = withoutRecentFile(std::move(list), path);
    list.prepend(QFileInfo(path).absoluteFilePath());
    while (list.size() > MaxRecentFiles)
        list.removeLast();
    return list;
}

QStringList withoutRecentFile(QStringList list, const QString& path) {
    list.removeIf([&](const QString& p) { return sameFile(p, path); });
    return list;
}

QStringList loadRecentFiles(QSettings& store) {
    store.beginGroup(Group);
    QStringList list = store.value(Key).toStringList();
    store.endGroup();
    list.removeAll(QString());
    while (list.size() > MaxRecentFiles)
        list.removeLast();
    return list;
}

void saveRecentFiles(QSettings& store, const QStringList& list) {
    store.beginGroup(Group);
    store.setValue(Key, list);
    store.endGroup();
    store.sync();
}

} // namespace pf
