#include "files/atomic_save.h"

#include "files/file_access.h"

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
    if (Status target = checkWriteTarget(path); !target)
        return target;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Status{fileFailure(MsgWriteFailed, path, file.errorString())};
    if (!writeAll(file, bytes)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Status{fileFailure(MsgWriteFailed, path, reason)};
    }
    if (!file.commit())
        return Status{fileFailure(MsgWriteFailed, path, file.errorString())};
    return {};
}

} // namespace pf
