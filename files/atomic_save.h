#pragma once
// Every file the program writes is built whole in memory and then saved by
// write-then-rename, so a failure (a full disk, a folder that cannot be
// written) leaves the earlier file exactly as it was.

#include "model/status.h"
#include "model/texts.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace pf {

// Writes all bytes to an open device; false on any short or failed write.
bool writeAll(QIODevice& device, const QByteArray& bytes);

// Replaces (or creates) the file at `path` with `bytes`; on failure
// MsgWriteFailed with the reason on a second line, and the file on disk is
// unchanged. A target that is not a regular file or is read-only is refused
// untouched (checkWriteTarget).
Status saveFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace pf
