#include "widgets/dialog_start.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

namespace pf {

bool isPseudoFolder(const QString& folder) {
    if (!QFileInfo(folder).isDir())
        return true;
    const QStorageInfo storage(folder);
    if (!storage.isValid())
        return true;
    static const QByteArray pseudo[] = {
        "proc",       "sysfs",  "devtmpfs",  "devpts",   "debugfs",    "tracefs",
        "securityfs", "cgroup", "cgroup2",   "pstore",   "bpf",        "configfs",
        "fusectl",    "mqueue", "hugetlbfs", "efivarfs", "binfmt_misc"};
    const QByteArray type = storage.fileSystemType();
    for (const QByteArray& p : pseudo)
        if (type == p)
            return true;
    return false;
}

QString dialogStartPath(const QString& proposed, const QString& fallback) {
    if (proposed.isEmpty())
        return fallback;
    const QFileInfo info(proposed);
    QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    const QString name = info.isDir() ? QString() : info.fileName();
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            break;
        folder = parent;
    }
    if (isPseudoFolder(folder))
        folder = fallback;
    return name.isEmpty() ? folder : QDir(folder).filePath(name);
}

QString defaultDialogFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

} // namespace pf
