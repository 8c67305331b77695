#pragma once
// The recovery copy of an unsaved pairing: everything needed to put the
// session back as it was after the program was killed or crashed.
//
//   PAIRFORGE RECOVERY 1      the format line
//   courts=2                  the court count, 1 to 3
//   file=%E3%81%82.pf1        the pairing's file name (UTF-8, percent-encoded)
//   bytes=5507                the length of what follows
//   <the data file's bytes, exactly as a save would write them>
//
// Header lines end with CR LF. Each running program keeps its copy in a slot
// of its own (RecoverySlot), so two programs side by side never overwrite
// each other's.

#include "model/session.h"
#include "model/status.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <string>
#include <vector>

class QLockFile;

namespace pf {

inline constexpr char RecoveryFormatLine[] = "PAIRFORGE RECOVERY 1";
// Shown when a copy cannot be read; the copy is kept aside under another name.
inline constexpr char MsgRecoveryDamaged[] =
    "前回の組み合わせの復元用データが壊れているため、復元出来ません。\n"
    "データは次の名前で残してあります。\n%1";

struct RecoveryContent {
    std::string error; // UTF-8 message; empty on success
    std::int32_t courts = 2;
    std::string fileName; // UTF-8 path, empty when the pairing has no file yet
    MemberRoster roster{};
    MatchTable matches{};
    bool ok() const { return error.empty(); }
};

QByteArray recoveryFileBytes(const Session& session);
RecoveryContent parseRecoveryFile(const QByteArray& bytes);
// Reads no more than the largest acceptable copy, plus one byte.
RecoveryContent readRecoveryFile(const QString& path);

// One numbered slot in a folder: "recovery-N.pfr", held through the lock file
// "recovery-N.lock" for as long as this object lives. A program that dies
// leaves its lock behind stale, so its copy is offered to the next program.
class RecoverySlot {
    struct Key {
        explicit Key() = default;
    };

public:
    // The first slot of `folder` whose lock is free and that holds no copy,
    // or null when there is none (or the folder cannot be made).
    static std::unique_ptr<RecoverySlot> claim(const QString& folder);
    // Slot `number` of `folder` when its lock is free, else null.
    static std::unique_ptr<RecoverySlot> claimSlot(const QString& folder, int number);
    RecoverySlot(Key, QString folder, int number, std::unique_ptr<QLockFile> lock);
    ~RecoverySlot();
    RecoverySlot(const RecoverySlot&) = delete;
    RecoverySlot& operator=(const RecoverySlot&) = delete;

    int number() const { return number_; }
    QString path() const;
    bool hasCopy() const;
    // Replaces the copy by write-then-rename; the write failure with its
    // reason when it could not be written.
    Status write(const QByteArray& bytes) const;
    // Removes the copy (the lock stays).
    void remove() const;
    // Renames the copy to "recovery-N-damaged-<time>.pfr" and returns the new
    // path, so that it is never offered again but nothing is thrown away.
    QString setAside(const QString& stamp) const;

private:
    QString folder_;
    int number_;
    std::unique_ptr<QLockFile> lock_;
};

inline constexpr int RecoverySlots = 8;

// The slots of `folder` other than `own` whose lock is free and that hold a
// copy: what programs that were killed left behind. Each returned slot is
// held until it is destroyed.
std::vector<std::unique_ptr<RecoverySlot>> leftRecoveries(const QString& folder, int own);

} // namespace pf
