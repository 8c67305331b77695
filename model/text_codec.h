#pragma once
// Conversion between the program's Shift-JIS (code page 932) bytes and Qt's
// Unicode strings, through the program's own table of Windows' code page 932
// (model/cp932_table.inc, written by scripts/make-cp932-table.py).

#include "model/session.h"

#include <QString>
#include <optional>

namespace pf {

// Characters typed on Linux that code page 932 lacks but has a twin for
// (wave dash, minus sign, double vertical line, cent, pound, not sign) are
// replaced by that twin.
QString mapToCp932Twins(const QString& text);

// The bytes of `text` in code page 932, after the twin mapping; nullopt when
// some character cannot be encoded. A character with several codes gets the
// one Windows writes, so every encoded character decodes back to itself.
std::optional<Name> encodeCp932(const QString& text);

// The code page 932 bytes of one of the program's own fixed texts (UTF-8),
// encoded once per run: the exports put the same few words on every line.
const Name& cp932Literal(const char* utf8);

// Decodes code page 932 bytes for display, as Windows decodes them. Bytes that
// are not valid Shift-JIS and unassigned codes show as U+FFFD; the bytes
// themselves are never altered by the program.
QString decodeCp932(const Name& bytes);
QString decodeCp932(const QByteArray& bytes);

// UTF-8 text of a message or path for the core's callers.
inline QString fromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace pf
