#pragma once
// Every file the program reads or writes is looked at before it is opened.
// Only a regular file is read: a FIFO would block the open for good, and a
// device is no pairing. Only a regular file that is not marked read-only is
// written over: write-then-rename would put a regular file in the place of a
// device or a FIFO, and would drop the read-only mode with which the organiser
// protected a file (root could write it all the same).
//
// A failure message has the described first line (MsgReadFailed,
// MsgWriteFailed) and a second line that names the file and says why: the
// program's own reason, or the system's.

#include "model/status.h"

#include <QFile>
#include <QString>
#include <string>

namespace pf {

inline constexpr char ReasonNotRegular[] = "通常のファイルではありません。";
inline constexpr char ReasonReadOnly[] = "読み取り専用のファイルです。";

// "first\n<path>: reason".
std::string fileFailure(const char* first, const QString& path, const QString& reason);

// The lines of a message after the first (the reason), empty when there are none.
QString failureReason(const std::string& message);

// Opens `path` read-only without ever blocking. Anything that is not a regular
// file is refused without being opened; a missing or unreadable file gives the
// system's reason. On failure `file` stays closed and the error is
// MsgReadFailed with its reason.
Status openForReading(QFile& file, const QString& path);

// Whether `path` may be replaced by a write: it does not exist yet, or it is a
// regular file with a write permission bit set. Looked at without opening it;
// the error is MsgWriteFailed with its reason.
Status checkWriteTarget(const QString& path);

} // namespace pf
