#include "files/csv_writer.h"

#include "files/atomic_save.h"

#include <string>

namespace pf {
namespace {

void append(QByteArray& out, const std::string& text) {
    out.append(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QByteArray csvFileBytes(const MatchTable& matches, int csvMode) {
    QByteArray out;
    out.reserve(8 * 1024);
    const bool oneLine = csvMode != 0;
    for (const MatchRecord& m : matches) {
        append(out, m.a + ',' + m.b + ',' + std::to_string(m.WinA));
        out.append(oneLine ? "," : "\r\n");
        append(out, m.c + ',' + m.d + ',' + std::to_string(m.WinB));
        out.append("\r\n");
    }
    return out;
}

Status writeCsvFile(const QString& path, const MatchTable& matches, int csvMode) {
    return saveFileAtomically(path, csvFileBytes(matches, csvMode));
}

} // namespace pf
