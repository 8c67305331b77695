#include "files/atomic_save.h"

#include "core_steps.h"
#include "files/csv_writer.h"
#include "files/html_writer.h"
#include "files/pairing_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace pf {
namespace {

// A device that takes `limit` bytes in chunks of at most `chunk`, then fails.
class FailingDevice : public QIODevice {
public:
    FailingDevice(qint64 limit, qint64 chunk) : limit_(limit), chunk_(chunk) {
        open(QIODevice::WriteOnly);
    }
    QByteArray written;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override {
        const qint64 room = limit_ - written.size();
        if (room <= 0)
            return -1;
        const qint64 n = std::min({len, room, chunk_});
        written.append(data, n);
        return n;
    }

private:
    qint64 limit_;
    qint64 chunk_;
};

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

TEST(WriteAll, ReportsADeviceThatStopsTakingBytes) {
    const QByteArray bytes(1000, 'x');
    FailingDevice whole(5000, 64); // short writes are continued
    EXPECT_TRUE(writeAll(whole, bytes));
    EXPECT_EQ(whole.written, bytes);

    FailingDevice full(999, 64);
    EXPECT_FALSE(writeAll(full, bytes));
    FailingDevice none(0, 64);
    EXPECT_FALSE(writeAll(none, bytes));
}

TEST(SaveFileAtomically, ReplacesTheFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.csv");
    ASSERT_TRUE(saveFileAtomically(path, "old\r\n"));
    ASSERT_TRUE(saveFileAtomically(path, "new\r\n"));
    EXPECT_EQ(readBytes(path), "new\r\n");
    EXPECT_FALSE(saveFileAtomically(QString(), "x"));
}

TEST(SaveFileAtomically, FolderThatCannotBeWrittenLeavesTheOldFile) {
    QTemporaryDir dir;
    // A regular file where a folder should be: no one can write below it.
    const QString notAFolder = dir.filePath("plain");
    ASSERT_TRUE(saveFileAtomically(notAFolder, "keep"));
    EXPECT_FALSE(saveFileAtomically(notAFolder + "/day.pf1", "x"));
    EXPECT_FALSE(writePairingFile(notAFolder + "/day.pf1", MemberRoster{}, MatchTable{}));
    EXPECT_FALSE(writeCsvFile(notAFolder + "/day.csv", MatchTable{}, 0));
    EXPECT_FALSE(writeHtmlFile(notAFolder + "/day.html", MatchTable{}, StandingsTable{}, 0, {}));
    EXPECT_EQ(readBytes(notAFolder), "keep");

#ifndef Q_OS_WIN // Windows folders have no write bit to take away
    // A folder without write permission (root may write anyway).
    const QString locked = dir.filePath("locked");
    ASSERT_TRUE(QDir().mkpath(locked));
    const QString old = locked + "/day.pf1";
    ASSERT_TRUE(saveFileAtomically(old, "old"));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    const bool denied = ::geteuid() != 0;
    if (denied) {
        EXPECT_FALSE(saveFileAtomically(old, "new"));
        EXPECT_EQ(readBytes(old), "old");
    }
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
#endif
}

#ifdef Q_OS_WIN
// A spreadsheet holding the CSV open shares it for reading only: the new file
// cannot take its place, the save says so, and the old file stays whole.
TEST(SaveFileAtomically, ATargetHeldOpenByAnotherProgramLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("day.csv");
    ASSERT_TRUE(saveFileAtomically(path, "old file"));
    const HANDLE held =
        CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
                    GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const Status saved = saveFileAtomically(path, "new file");
    CloseHandle(held);
    EXPECT_FALSE(saved);
    EXPECT_EQ(saved.error.substr(0, std::string(MsgWriteFailed).size()), MsgWriteFailed);
    EXPECT_EQ(readBytes(path), "old file");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"day.csv"}); // no leftovers
}
#else
TEST(SaveFileAtomically, DiskFullWhileWritingLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("day.pf1");
    ASSERT_TRUE(saveFileAtomically(path, "old file"));

    // A file size limit makes the write fail part way, as a full disk would.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool ok = saveFileAtomically(path, QByteArray(64 * 1024, 'x')).ok();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(ok);
    EXPECT_EQ(readBytes(path), "old file");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"day.pf1"}); // no leftovers
}
#endif

} // namespace
} // namespace pf
