#include "members/candidate_file.h"

#include "files/file_access.h"

#include <QFile>

namespace pf {

std::vector<Name> parseCandidateLines(const QByteArray& bytes) {
    qsizetype end = bytes.indexOf('\0');
    if (end < 0)
        end = bytes.size();
    std::vector<Name> lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < end) {
        const char ch = bytes[i];
        if (ch == '\r' || ch == '\n') {
            lines.emplace_back(bytes.constData() + start, static_cast<std::size_t>(i - start));
            if (ch == '\r' && i + 1 < end && bytes[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < end)
        lines.emplace_back(bytes.constData() + start, static_cast<std::size_t>(end - start));
    return lines;
}

CandidateFileText readCandidateFile(const QString& path) {
    QFile file;
    if (Status opened = openForReading(file, path); !opened)
        return {{}, opened.error};
    QByteArray text = file.read(MaxCandidateFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, fileFailure(MsgReadFailed, path, file.errorString())};
    if (text.size() > MaxCandidateFileBytes)
        return {{}, MsgReadFailed, true};
    return {std::move(text), {}};
}

} // namespace pf
