#include "members/members_file.h"

#include "files/file_access.h"
#include "members/candidate_file.h"
#include "model/text_codec.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>

namespace pf {

namespace {

const QByteArray Utf8Bom("\xEF\xBB\xBF");

MembersFileContent refused(const QString& message) {
    MembersFileContent content;
    content.error = message.toStdString();
    return content;
}

bool isPlainAscii(const QByteArray& bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isValidUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

// Nothing but half-width spaces, tabs and ideographic spaces (in either
// encoding): a line the organiser left empty, not a name.
bool isBlank(const QString& line) {
    return std::all_of(line.begin(), line.end(), [](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QChar(0x3000);
    });
}

} // namespace

MembersFileContent parseMembersFile(const QByteArray& input, MembersEncoding encoding) {
    QByteArray bytes = input;
    if (encoding != MembersEncoding::ShiftJis && bytes.startsWith(Utf8Bom)) {
        bytes.remove(0, Utf8Bom.size());
        encoding = MembersEncoding::Utf8;
    }
    if (encoding == MembersEncoding::Detect)
        encoding = !isPlainAscii(bytes) && isValidUtf8(bytes) ? MembersEncoding::Utf8
                                                              : MembersEncoding::ShiftJis;
    if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0) {
        // The line as an editor counts it: CR LF, a lone CR and a lone LF
        // each end one.
        const QByteArray before = bytes.left(nul);
        const auto lineNumber = parseCandidateLines(before + 'x').size();
        return refused(
            QStringLiteral("メンバーファイルの%1行目にNUL文字があります。").arg(lineNumber));
    }
    if (encoding == MembersEncoding::Utf8 && !isValidUtf8(bytes))
        return refused(QStringLiteral("メンバーファイルはUTF-8として読めません。"));

    MembersFileContent content;
    const std::vector<Name> lines = parseCandidateLines(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Name& line = lines[i];
        const QByteArray raw(line.data(), static_cast<qsizetype>(line.size()));
        const QString text =
            encoding == MembersEncoding::Utf8 ? QString::fromUtf8(raw) : decodeCp932(line);
        if (isBlank(text))
            continue;
        if (encoding == MembersEncoding::ShiftJis) {
            content.names.push_back(line); // the bytes as written, as every reader keeps them
            continue;
        }
        const std::optional<Name> sjis = encodeCp932(text);
        if (!sjis)
            return refused(
                QStringLiteral(
                    "メンバーファイルの%1行目の名前「%2」はShift-JISで表せない文字を含みます。")
                    .arg(i + 1)
                    .arg(text));
        content.names.push_back(*sjis);
    }
    if (content.names.size() > static_cast<std::size_t>(MaxMembers))
        return refused(QString::fromUtf8(MsgTooManyMembers));
    std::copy(content.names.begin(), content.names.end(), content.roster.begin());
    return content;
}

MembersFileContent readMembersFile(const QString& path, MembersEncoding encoding) {
    QFile file;
    if (Status opened = openForReading(file, path); !opened) {
        MembersFileContent content;
        content.error = opened.error;
        return content;
    }
    const QByteArray bytes = file.read(MaxMembersFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        MembersFileContent content;
        content.error = fileFailure(MsgReadFailed, path, file.errorString());
        return content;
    }
    if (bytes.size() > MaxMembersFileBytes)
        return refused(QStringLiteral("メンバーファイルが大き過ぎます（%1バイトまで）。")
                           .arg(MaxMembersFileBytes) +
                       QStringLiteral(" (%1)").arg(path));
    return parseMembersFile(bytes, encoding);
}

} // namespace pf
