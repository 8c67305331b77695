#include "files/csv_writer.h"

#include <string>

namespace pf {
namespace {

void append(QByteArray& out, const std::string& text) {
    out.append(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QByteArray csvFileBytes(const MatchTable& matches, CsvLayout layout) {
    QByteArray out;
    out.reserve(8 * 1024);
    const bool oneLine = layout == CsvLayout::OneLinePerMatch;
    for (const MatchRecord& m : matches) {
        append(out, m.a + ',' + m.b + ',' + std::to_string(m.WinA));
        out.append(oneLine ? "," : "\r\n");
        append(out, m.c + ',' + m.d + ',' + std::to_string(m.WinB));
        out.append("\r\n");
    }
    return out;
}

} // namespace pf
