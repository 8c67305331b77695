#include "files/atomic_save.h"

#include <QSaveFile>

namespace pf {

bool writeAll(QIODevice& device, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = device.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

Status saveFileAtomically(const QString& path, const QByteArray& bytes) {
    if (path.isEmpty())
        return Status::failure(MsgWriteFailed);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Status::failure(MsgWriteFailed);
    if (!writeAll(file, bytes)) {
        file.cancelWriting();
        return Status::failure(MsgWriteFailed);
    }
    return file.commit() ? Status{} : Status::failure(MsgWriteFailed);
}

} // namespace pf
