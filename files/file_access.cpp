#include "files/file_access.h"

#include "model/texts.h"

#include <QDir>

#include <cerrno>
#include <fcntl.h>
#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

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

#ifdef Q_OS_WIN

namespace {

// Windows has no FIFOs in its folders, but a path can still name a device
// (NUL, CON, COM1, \\.\pipe\…) or a folder: what the name opens is asked
// of the handle itself. Opening asks for no access at all when only looking.
HANDLE openHandle(const QString& path, DWORD access) {
    return CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
                       access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// A file on a disk, not a folder: FILE_TYPE_DISK alone also covers folders.
bool isRegular(HANDLE h, BY_HANDLE_FILE_INFORMATION& info) {
    return GetFileType(h) == FILE_TYPE_DISK && GetFileInformationByHandle(h, &info) &&
           !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

QString lastSystemReason() {
    return qt_error_string(static_cast<int>(GetLastError()));
}

} // namespace

Status openForReading(QFile& file, const QString& path) {
    if (path.isEmpty())
        return Status{fileFailure(MsgReadFailed, path, qt_error_string(ERROR_FILE_NOT_FOUND))};
    const HANDLE h = openHandle(path, GENERIC_READ);
    if (h == INVALID_HANDLE_VALUE)
        return Status{fileFailure(MsgReadFailed, path, lastSystemReason())};
    BY_HANDLE_FILE_INFORMATION info{};
    if (!isRegular(h, info)) {
        CloseHandle(h);
        return Status{fileFailure(MsgReadFailed, path, QString::fromUtf8(ReasonNotRegular))};
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(h);
        return Status{fileFailure(MsgReadFailed, path, qt_error_string(errno))};
    }
    // The handle is the file's from here, closed with it.
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return Status{fileFailure(MsgReadFailed, path, file.errorString())};
    return {};
}

Status checkWriteTarget(const QString& path) {
    if (path.isEmpty())
        return Status{fileFailure(MsgWriteFailed, path, qt_error_string(ERROR_FILE_NOT_FOUND))};
    const HANDLE h = openHandle(path, 0);
    // Not there yet (or not reachable): the write itself says what is wrong.
    if (h == INVALID_HANDLE_VALUE)
        return {};
    BY_HANDLE_FILE_INFORMATION info{};
    const bool regular = isRegular(h, info);
    CloseHandle(h);
    if (!regular)
        return Status{fileFailure(MsgWriteFailed, path, QString::fromUtf8(ReasonNotRegular))};
    if (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY)
        return Status{fileFailure(MsgWriteFailed, path, QString::fromUtf8(ReasonReadOnly))};
    return {};
}

#else

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

#endif

} // namespace pf
