#include "fuzz/fuzz_checks.h"

#include "members/candidate_file.h"
#include "members/candidate_text.h"
#include "model/text_codec.h"

#include <set>

namespace pf::fuzz {

bool checkCandidateText(const QByteArray& bytes) {
    const QByteArray shown = normalizeLineEnds(bytes);
    if (shown.contains('\0') || shown.contains("\r\r") || shown.contains("\n\n"))
        return false;
    const QByteArray cleaned = cleanCandidateText(shown);
    if (cleanCandidateText(cleaned) != cleaned)
        return false;
    // Written, the text reads back as its own lines, none blank, none twice.
    const std::vector<Name> names = parseCandidateLines(cleaned);
    std::set<Name> seen;
    for (const Name& name : names) {
        if (name.empty() || name == " " || name == "\x81\x40" || !seen.insert(name).second)
            return false;
    }
    QByteArray rejoined;
    for (const Name& name : names)
        rejoined += QByteArray(name.data(), static_cast<qsizetype>(name.size())) + "\r\n";
    // Shown in the editor and saved untouched, the text is the same bytes.
    QString shownText = decodeCp932(cleaned);
    shownText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const std::optional<QByteArray> resaved =
        encodeCandidateLines(shownText.split(QLatin1Char('\n')), cleaned, nullptr);
    if (resaved != cleaned)
        return false;
    return cleanCandidateText(rejoined) == rejoined && parseCandidateLines(rejoined) == names &&
           normalizeLineEnds(cleaned) == cleaned;
}

} // namespace pf::fuzz
