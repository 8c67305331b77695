#include "members/members_file.h"

#include "files/file_access.h"
#include "files/pairing_file.h"
#include "members/candidate_file.h"

#include <QFile>

namespace pf {

MembersFileContent parseMembersFile(const QByteArray& bytes) {
    MembersFileContent content;
    const std::vector<Name> lines = parseCandidateLines(bytes);
    if (lines.size() > static_cast<std::size_t>(MaxMembers)) {
        content.error = MsgTooManyMembers;
        return content;
    }
    for (std::size_t i = 0; i < lines.size(); ++i)
        content.roster[i] = lines[i];
    return content;
}

MembersFileContent readMembersFile(const QString& path) {
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
    return parseMembersFile(bytes);
}

} // namespace pf
