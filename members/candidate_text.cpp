#include "members/candidate_text.h"

#include "model/text_codec.h"

#include <QHash>
#include <deque>
#include <vector>

namespace pf {
namespace {

const QByteArray Crlf("\r\n");

// The lines of a CR LF text, and whether a line break ends it (the empty
// "line" after that break is not a line).
struct Lines {
    std::vector<QByteArray> items;
    bool finalBreak = false;

    explicit Lines(const QByteArray& text) {
        if (text.isEmpty())
            return;
        qsizetype start = 0;
        for (;;) {
            const qsizetype at = text.indexOf(Crlf, start);
            if (at < 0) {
                items.push_back(text.mid(start));
                return;
            }
            items.push_back(text.mid(start, at - start));
            start = at + 2;
            if (start == text.size()) {
                finalBreak = true;
                return;
            }
        }
    }

    void erase(std::size_t i) {
        const bool last = i + 1 == items.size();
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(i));
        // The last line goes without a break of its own: the one above it now
        // ends the text.
        if (last && !finalBreak && !items.empty())
            finalBreak = true;
        if (items.empty())
            finalBreak = false;
    }

    void removeAllEqualTo(const QByteArray& blank) {
        for (std::size_t i = 0; i < items.size();) {
            if (items[i] == blank)
                erase(i);
            else
                ++i;
        }
    }

    QByteArray join() const {
        QByteArray out;
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (i > 0)
                out += Crlf;
            out += items[i];
        }
        if (finalBreak && !items.empty())
            out += Crlf;
        return out;
    }
};

} // namespace

QByteArray normalizeLineEnds(const QByteArray& bytes) {
    qsizetype end = bytes.indexOf('\0');
    if (end < 0)
        end = bytes.size();
    QByteArray out;
    out.reserve(end + end / 8);
    for (qsizetype i = 0; i < end; ++i) {
        const char ch = bytes[i];
        if (ch == '\r') {
            if (i + 1 < end && bytes[i + 1] == '\n')
                ++i;
            out += Crlf;
        } else if (ch == '\n') {
            out += Crlf;
        } else {
            out += ch;
        }
    }
    return out;
}

QByteArray cleanCandidateText(const QByteArray& crlfText) {
    Lines lines(crlfText);
    lines.removeAllEqualTo(QByteArray());
    lines.removeAllEqualTo(QByteArray(" "));
    lines.removeAllEqualTo(QByteArray("\x81\x40"));
    for (std::size_t i = 0; i < lines.items.size(); ++i) {
        for (std::size_t j = i + 1; j < lines.items.size();) {
            if (lines.items[j] == lines.items[i])
                lines.erase(j); // the line that moved up is compared next
            else
                ++j;
        }
    }
    return lines.join();
}

std::optional<QByteArray> encodeCandidateLines(const QStringList& lines, const QByteArray& readText,
                                               int* badLine) {
    struct Forms {
        std::deque<QByteArray> unused;
        QByteArray last;
    };
    // Each line is known by the text the editor showed for it, which is
    // decoded from the whole text: a lead byte cut off by a line end reads
    // differently on its own.
    const std::vector<QByteArray> byteLines = Lines(readText).items;
    QStringList shown = decodeCp932(readText).split(QStringLiteral("\r\n"));
    if (!readText.isEmpty() && readText.endsWith(Crlf))
        shown.removeLast();
    if (shown.size() != static_cast<qsizetype>(byteLines.size())) {
        shown.clear();
        for (const QByteArray& bytes : byteLines)
            shown << decodeCp932(bytes);
    }
    QHash<QString, Forms> read;
    for (std::size_t i = 0; i < byteLines.size(); ++i)
        read[shown[static_cast<qsizetype>(i)]].unused.push_back(byteLines[i]);
    QByteArray out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += Crlf;
        const auto found = read.find(lines[i]);
        if (found != read.end()) {
            Forms& forms = found.value();
            if (!forms.unused.empty()) {
                forms.last = forms.unused.front();
                forms.unused.pop_front();
            }
            out += forms.last;
            continue;
        }
        const std::optional<Name> bytes = encodeCp932(lines[i]);
        if (!bytes) {
            if (badLine)
                *badLine = static_cast<int>(i);
            return std::nullopt;
        }
        out += QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size()));
    }
    return out;
}

} // namespace pf
