#pragma once
// Every file the program writes is built whole in memory and then saved by
// write-then-rename, so a failure (a full disk, a folder that cannot be
// written) leaves the earlier file exactly as it was.

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace pf {

inline constexpr char MsgWriteFailed[] = "ファイルの書き込みに失敗しました。";

// Writes all bytes to an open device; false on any short or failed write.
bool writeAll(QIODevice& device, const QByteArray& bytes);

// Replaces (or creates) the file at `path` with `bytes`; false on failure, in
// which case the file on disk is unchanged.
bool saveFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace pf
