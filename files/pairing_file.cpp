#include "files/pairing_file.h"

#include "files/atomic_save.h"
#include "files/file_access.h"

#include <QFile>
#include <algorithm>
#include <climits>
#include <optional>
#include <vector>

namespace pf {
namespace {

void appendLine(QByteArray& out, const std::string& text) {
    out.append(text.data(), static_cast<qsizetype>(text.size()));
    out.append("\r\n");
}

// Splits the file into lines. A line ends at LF; a CR before it belongs to the
// line end. The final line need not end with a line break. Nothing after the
// last match line is read. nullopt when one of the lines read is longer than
// a line may be: no name list or match line comes near that, and a file that
// has one is not a pairing, however it began.
std::optional<std::vector<std::string>> splitLines(const QByteArray& bytes) {
    std::vector<std::string> lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start < n && lines.size() < static_cast<std::size_t>(PairingFileLines)) {
        qsizetype end = bytes.indexOf('\n', start);
        const bool hasBreak = end >= 0;
        if (!hasBreak)
            end = n;
        qsizetype stop = end;
        if (hasBreak && stop > start && bytes[stop - 1] == '\r')
            --stop;
        if (stop - start > MaxPairingLineBytes)
            return std::nullopt;
        lines.emplace_back(bytes.constData() + start, static_cast<std::size_t>(stop - start));
        start = end + 1;
    }
    return lines;
}

// A text field ends at a NUL byte, as a C string would.
std::string textOf(const std::string& line) {
    const auto nul = line.find('\0');
    return nul == std::string::npos ? line : line.substr(0, nul);
}

// A line with exactly five commas is taken field by field, so that a slot
// with an empty name comes back as it was written. Any other line is split
// the old way: a run of commas is one separator and leading commas are
// skipped; the result then fills the fields from the left.
std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> pieces;
    if (std::count(line.begin(), line.end(), ',') == 5) {
        std::size_t i = 0;
        for (std::size_t j; (j = line.find(',', i)) != std::string::npos; i = j + 1)
            pieces.emplace_back(line, i, j - i);
        pieces.emplace_back(line, i);
        return pieces;
    }
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ',')
            ++i;
        if (i >= line.size())
            break;
        const std::size_t j = line.find(',', i);
        const std::size_t end = j == std::string::npos ? line.size() : j;
        pieces.emplace_back(line, i, end - i);
        i = end;
    }
    return pieces;
}

} // namespace

std::int32_t parseCount(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value <= static_cast<long long>(INT_MAX) + 1)
            value = value * 10 + (text[i] - '0');
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<std::int32_t>(value);
}

QByteArray pairingFileBytes(const MemberRoster& roster, const MatchTable& matches) {
    QByteArray out;
    out.reserve(16 * 1024);
    appendLine(out, PairingFormatLine);
    for (const Name& name : roster)
        appendLine(out, name);
    for (const MatchRecord& m : matches) {
        appendLine(out, m.a + ',' + m.b + ',' + m.c + ',' + m.d + ',' + std::to_string(m.WinA) +
                            ',' + std::to_string(m.WinB));
    }
    return out;
}

PairingFileContent parsePairingFile(const QByteArray& bytes) {
    PairingFileContent content;
    if (bytes.isEmpty()) {
        content.error = MsgReadFailed;
        return content;
    }
    const std::optional<std::vector<std::string>> split = splitLines(bytes);
    if (!split || split->empty() || split->front() != PairingFormatLine) {
        content.error = MsgBadContent;
        return content;
    }
    const std::vector<std::string>& lines = *split;
    // A name longer than a name may be would be cut somewhere by whatever
    // shows or compares it next; the file is refused whole instead, so that
    // nothing is opened that is not exactly what the file says.
    const auto tooLong = [&content](const Name& name) {
        if (name.size() <= static_cast<std::size_t>(MaxNameBytes))
            return false;
        content = PairingFileContent{};
        content.error = MsgBadContent;
        return true;
    };
    std::size_t next = 1;
    for (std::size_t row = 0; row < MaxMembers && next < lines.size(); ++row, ++next) {
        content.roster[row] = textOf(lines[next]);
        if (tooLong(content.roster[row]))
            return content;
    }
    for (std::size_t slot = 0; slot < MaxMatches && next < lines.size(); ++slot, ++next) {
        const std::vector<std::string> pieces = splitFields(textOf(lines[next]));
        MatchRecord& m = content.matches[slot];
        Name* names[] = {&m.a, &m.b, &m.c, &m.d};
        for (std::size_t k = 0; k < 4 && k < pieces.size(); ++k) {
            if (tooLong(pieces[k]))
                return content;
            *names[k] = pieces[k];
        }
        if (pieces.size() > 4)
            m.WinA = parseCount(pieces[4]);
        if (pieces.size() > 5)
            m.WinB = parseCount(pieces[5]);
    }
    return content;
}

PairingFileContent readPairingFile(const QString& path) {
    QFile file;
    if (Status opened = openForReading(file, path); !opened) {
        PairingFileContent content;
        content.error = opened.error;
        return content;
    }
    // However large the file, no more is read than the longest file of
    // acceptable lines could take, plus one byte: if the lines are not all
    // complete by then, one of them is too long, and the parser says so.
    const QByteArray bytes = file.read(MaxPairingFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        PairingFileContent content;
        content.error = fileFailure(MsgReadFailed, path, file.errorString());
        return content;
    }
    return parsePairingFile(bytes);
}

Status writePairingFile(const QString& path, const MemberRoster& roster,
                        const MatchTable& matches) {
    return saveFileAtomically(path, pairingFileBytes(roster, matches));
}

} // namespace pf
