#include "files/file_access.h"

#include "app/texts.h"

#include <QDir>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pf {

std::string fileFailure(const char* first, const QString& path, const QString& reason) {
    const QString second =
        path.isEmpty() ? reason : QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
    return std::string(first) + '\n' + second.toStdString();
}

QString failureReason(const std::string& message) {
    const auto newline = message.find('\n');
    return newline == std::string::npos ? QString()
                                        : QString::fromStdString(message.substr(newline + 1));
}

namespace {

QString systemReason(int error) {
    return qt_error_string(error);
}

} // namespace

Status openForReading(QFile& file, const QString& path) {
    if (path.isEmpty())
        return Status{fileFailure(MsgReadFailed, path, systemReason(ENOENT))};
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0)
        return Status{fileFailure(MsgReadFailed, path, systemReason(errno))};
    if (!S_ISREG(info.st_mode))
        return Status{fileFailure(MsgReadFailed, path, QString::fromUtf8(ReasonNotRegular))};
    // Whatever was looked at may have been swapped for a FIFO since: the open
    // itself must not wait for a writer, and what it opened is checked again.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return Status{fileFailure(MsgReadFailed, path, systemReason(errno))};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Status{fileFailure(MsgReadFailed, path, QString::fromUtf8(ReasonNotRegular))};
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    // The handle is the file's from here, closed with it.
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return Status{fileFailure(MsgReadFailed, path, file.errorString())};
    return {};
}

Status checkWriteTarget(const QString& path) {
    if (path.isEmpty())
        return Status{fileFailure(MsgWriteFailed, path, systemReason(ENOENT))};
    struct stat info {};
    // Not there yet (or not reachable): the write itself says what is wrong.
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    if (!S_ISREG(info.st_mode))
        return Status{fileFailure(MsgWriteFailed, path, QString::fromUtf8(ReasonNotRegular))};
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return Status{fileFailure(MsgWriteFailed, path, QString::fromUtf8(ReasonReadOnly))};
    return {};
}

} // namespace pf
