#pragma once
// The pairing data file (.pf1): the format line, 100 roster lines and 120
// match lines "a,b,c,d,WinA,WinB", Shift-JIS, CR LF.

#include "model/session.h"
#include "model/status.h"
#include "model/texts.h"

#include <QByteArray>
#include <QString>
#include <string>

namespace pf {

inline constexpr char PairingFormatLine[] = "PAIRFORGE Ver0.2 DATA FILE";

// The lines a data file has, and the longest line (without its line end) a
// reader accepts among them; whatever follows the last match line is never
// read, so no data file needs more than MaxPairingFileBytes.
inline constexpr int PairingFileLines = 1 + MaxMembers + MaxMatches;
inline constexpr int MaxPairingLineBytes = 4096;
inline constexpr qint64 MaxPairingFileBytes =
    static_cast<qint64>(PairingFileLines) * (MaxPairingLineBytes + 2);

QByteArray pairingFileBytes(const MemberRoster& roster, const MatchTable& matches);

struct PairingFileContent {
    std::string error; // UTF-8 message; empty on success
    MemberRoster roster{};
    MatchTable matches{};
    bool ok() const { return error.empty(); }
};

// Reads the bytes of a data file. A line longer than MaxPairingLineBytes or a
// name longer than MaxNameBytes among the lines read refuses the file with
// MsgBadContent; a file that ends early leaves the remaining rows and slots
// empty.
PairingFileContent parsePairingFile(const QByteArray& bytes);
// Reads at most MaxPairingFileBytes + 1 bytes, whatever the size of the file.
PairingFileContent readPairingFile(const QString& path);

// Builds the whole file, then saves it by write-then-rename.
Status writePairingFile(const QString& path, const MemberRoster& roster, const MatchTable& matches);

// Decimal conversion as the old reader did it: leading white space, a sign,
// digits up to the first non-digit, no digits gives 0; clamped to 32 bits.
std::int32_t parseCount(const std::string& text);

} // namespace pf
