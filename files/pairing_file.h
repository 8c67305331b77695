#pragma once
// The pairing data file (.pf1): the format line, 100 roster lines and 120
// match lines "a,b,c,d,WinA,WinB", Shift-JIS, CR LF.

#include "app/session.h"
#include "app/status.h"
#include "app/texts.h"

#include <QByteArray>
#include <QString>
#include <string>

namespace pf {

inline constexpr char PairingFormatLine[] = "PAIRFORGE Ver0.2 DATA FILE";

QByteArray pairingFileBytes(const MemberRoster& roster, const MatchTable& matches);

struct PairingFileContent {
    std::string error; // UTF-8 message; empty on success
    MemberRoster roster{};
    MatchTable matches{};
    bool ok() const { return error.empty(); }
};

// Reads the bytes of a data file. Lines of any length are read whole; a file
// that ends early leaves the remaining rows and slots empty.
PairingFileContent parsePairingFile(const QByteArray& bytes);
PairingFileContent readPairingFile(const QString& path);

// Builds the whole file, then saves it by write-then-rename.
Status writePairingFile(const QString& path, const MemberRoster& roster, const MatchTable& matches);

// Decimal conversion as the old reader did it: leading white space, a sign,
// digits up to the first non-digit, no digits gives 0; clamped to 32 bits.
std::int32_t parseCount(const std::string& text);

} // namespace pf
