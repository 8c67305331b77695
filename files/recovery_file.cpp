#include "files/recovery_file.h"

#include "files/atomic_save.h"
#include "files/file_access.h"
#include "files/pairing_file.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

namespace pf {
namespace {

// Generous room for the header: a path of several kilobytes, percent-encoded.
constexpr qint64 MaxRecoveryHeaderBytes = 64 * 1024;

RecoveryContent damaged() {
    RecoveryContent content;
    content.error = MsgBadContent;
    return content;
}

// The next CR LF-ended header line from `at`, or false.
bool takeLine(const QByteArray& bytes, qsizetype& at, QByteArray& line) {
    const qsizetype end = bytes.indexOf("\r\n", at);
    if (end < 0)
        return false;
    line = bytes.mid(at, end - at);
    at = end + 2;
    return true;
}

bool takeField(const QByteArray& bytes, qsizetype& at, const QByteArray& key, QByteArray& value) {
    QByteArray line;
    if (!takeLine(bytes, at, line) || !line.startsWith(key + '='))
        return false;
    value = line.mid(key.size() + 1);
    return true;
}

// Decimal digits only, no sign, no spaces, no leading zeros but "0".
bool parseUnsigned(const QByteArray& text, qint64 limit, qint64& value) {
    if (text.isEmpty() || text.size() > 18 || (text.size() > 1 && text[0] == '0'))
        return false;
    value = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9')
            return false;
        value = value * 10 + (ch - '0');
    }
    return value <= limit;
}

QString slotName(int number, const char* suffix) {
    return QStringLiteral("recovery-%1%2").arg(number).arg(QLatin1String(suffix));
}

} // namespace

QByteArray recoveryFileBytes(const Session& session) {
    const QByteArray data = pairingFileBytes(session.Roster, session.Matches);
    QByteArray out;
    out += QByteArray(RecoveryFormatLine) + "\r\n";
    out += "courts=" + QByteArray::number(session.CourtCount) + "\r\n";
    out += "file=" + QByteArray::fromStdString(session.FileName).toPercentEncoding("/:\\.-_ ()") +
           "\r\n";
    out += "bytes=" + QByteArray::number(data.size()) + "\r\n";
    out += data;
    return out;
}

RecoveryContent parseRecoveryFile(const QByteArray& bytes) {
    qsizetype at = 0;
    QByteArray line, courts, file, length;
    if (!takeLine(bytes, at, line) || line != RecoveryFormatLine ||
        !takeField(bytes, at, "courts", courts) || !takeField(bytes, at, "file", file) ||
        !takeField(bytes, at, "bytes", length))
        return damaged();
    qint64 courtCount = 0, dataBytes = 0;
    if (!parseUnsigned(courts, MaxCourts, courtCount) || courtCount < MinCourts ||
        !parseUnsigned(length, MaxPairingFileBytes, dataBytes) || bytes.size() - at != dataBytes)
        return damaged();
    const QByteArray name = QByteArray::fromPercentEncoding(file);
    // A path never holds these, and a caption must not be made to show them.
    if (name.contains('\0') || name.contains('\r') || name.contains('\n') ||
        QString::fromUtf8(name).toUtf8() != name)
        return damaged();

    const PairingFileContent data = parsePairingFile(bytes.mid(at));
    // Only what this program wrote is put back: anything else is not a copy
    // of a session, however it reads.
    if (!data.ok() || pairingFileBytes(data.roster, data.matches) != bytes.mid(at))
        return damaged();
    RecoveryContent content;
    content.courts = static_cast<std::int32_t>(courtCount);
    content.fileName = name.toStdString();
    content.roster = data.roster;
    content.matches = data.matches;
    return content;
}

RecoveryContent readRecoveryFile(const QString& path) {
    QFile file;
    if (Status opened = openForReading(file, path); !opened) {
        RecoveryContent content;
        content.error = opened.error;
        return content;
    }
    const QByteArray bytes = file.read(MaxRecoveryHeaderBytes + MaxPairingFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        RecoveryContent content;
        content.error = fileFailure(MsgReadFailed, path, file.errorString());
        return content;
    }
    return parseRecoveryFile(bytes);
}

RecoverySlot::RecoverySlot(Key, QString folder, int number, std::unique_ptr<QLockFile> lock)
    : folder_(std::move(folder)), number_(number), lock_(std::move(lock)) {}

RecoverySlot::~RecoverySlot() = default;

std::unique_ptr<RecoverySlot> RecoverySlot::claimSlot(const QString& folder, int number) {
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return nullptr;
    auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(slotName(number, ".lock")));
    // A program may run all day: its lock must never be taken for stale by
    // age, only when the program holding it is gone.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return std::make_unique<RecoverySlot>(Key(), folder, number, std::move(lock));
}

std::unique_ptr<RecoverySlot> RecoverySlot::claim(const QString& folder) {
    for (int n = 1; n <= RecoverySlots; ++n) {
        auto slot = claimSlot(folder, n);
        // A copy already there belongs to a program that was killed: it is
        // offered, never written over.
        if (slot && !slot->hasCopy())
            return slot;
    }
    return nullptr;
}

QString RecoverySlot::path() const {
    return QDir(folder_).filePath(slotName(number_, ".pfr"));
}

bool RecoverySlot::hasCopy() const {
    return QFile::exists(path());
}

Status RecoverySlot::write(const QByteArray& bytes) const {
    return saveFileAtomically(path(), bytes);
}

void RecoverySlot::remove() const {
    QFile::remove(path());
}

QString RecoverySlot::setAside(const QString& stamp) const {
    const QString aside = QDir(folder_).filePath(
        QStringLiteral("recovery-%1-damaged-%2.pfr").arg(number_).arg(stamp));
    return QFile::rename(path(), aside) ? aside : path();
}

std::vector<std::unique_ptr<RecoverySlot>> leftRecoveries(const QString& folder, int own) {
    std::vector<std::unique_ptr<RecoverySlot>> left;
    for (int n = 1; n <= RecoverySlots; ++n) {
        if (n == own)
            continue;
        std::unique_ptr<RecoverySlot> slot = RecoverySlot::claimSlot(folder, n);
        if (slot && slot->hasCopy())
            left.push_back(std::move(slot));
    }
    return left;
}

} // namespace pf
