// Every reader and writer looks at its file before opening it: nothing but a
// regular file is read (a FIFO never blocks), nothing but a regular file that
// is not read-only is written over, and the message names the file.

#include "core_steps.h"
#include "files/atomic_save.h"
#include "files/csv_writer.h"
#include "files/file_access.h"
#include "files/html_writer.h"
#include "files/pairing_file.h"
#include "files/recovery_file.h"
#include "members/candidate_file.h"
#include "members/members_file.h"
#include "special_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pf {
namespace {

const std::string ReadFailed = "ファイルの読み込みに失敗しました。\n";
const std::string WriteFailed = "ファイルの書き込みに失敗しました。\n";

std::string named(const QString& path, const char* reason) {
    return QDir::toNativeSeparators(path).toStdString() + ": " + reason;
}

struct ReaderCase {
    const char* name;
    std::string (*read)(const QString& path); // the error
};

class SpecialFileReading : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(SpecialFileReading, RefusesAnythingButARegularFileWithoutBlocking) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("x.pf1");
    ASSERT_EQ(test::makeFifo(fifo), test::HasFifos);
    const QString device = test::makeDevice(dir.filePath("null"));
    const test::FifoWatchdog watchdog(fifo);
    QStringList special{device, dir.path()};
    if (test::HasFifos)
        special << fifo;
    for (const QString& path : special) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(GetParam().read(path),
                  ReadFailed + named(path, "通常のファイルではありません。"));
    }
    EXPECT_FALSE(watchdog.fired()) << "the reader blocked in open()";

    // A missing file: the system's reason after the file's name.
    const QString missing = dir.filePath("missing.pf1");
    const std::string error = GetParam().read(missing);
    EXPECT_EQ(error.rfind(ReadFailed + named(missing, ""), 0), 0u) << error;
    EXPECT_GT(error.size(), (ReadFailed + named(missing, "")).size());
}

INSTANTIATE_TEST_SUITE_P(
    EveryReader, SpecialFileReading,
    ::testing::Values(
        ReaderCase{"PairingFile", [](const QString& p) { return readPairingFile(p).error; }},
        ReaderCase{"RecoveryCopy", [](const QString& p) { return readRecoveryFile(p).error; }},
        ReaderCase{"CandidateList", [](const QString& p) { return readCandidateFile(p).error; }},
        ReaderCase{"MembersFile", [](const QString& p) { return readMembersFile(p).error; }}),
    [](const auto& info) { return std::string(info.param.name); });

struct WriterCase {
    const char* name;
    Status (*write)(const QString& path);
};

class SpecialFileWriting : public ::testing::TestWithParam<WriterCase> {};

TEST_P(SpecialFileWriting, LeavesDevicesFifosAndReadOnlyFilesAsTheyWere) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("out.fifo");
    ASSERT_EQ(test::makeFifo(fifo), test::HasFifos);
    const QString device = test::makeDevice(dir.filePath("null"));
    const QString readOnly = dir.filePath("kept.pf1");
    ASSERT_TRUE(saveFileAtomically(readOnly, "keep"));
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup |
                                                    QFile::ReadOther)); // 0444
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System);

    const struct {
        QString path;
        const char* reason;
    } targets[] = {{fifo, "通常のファイルではありません。"},
                   {device, "通常のファイルではありません。"},
                   {readOnly, "読み取り専用のファイルです。"}};
    for (const auto& t : targets) {
        if (t.path == fifo && !test::HasFifos)
            continue;
        SCOPED_TRACE(t.path.toStdString());
        const unsigned mode = test::nodeMode(t.path);
        EXPECT_EQ(GetParam().write(t.path).error, WriteFailed + named(t.path, t.reason));
        EXPECT_EQ(test::nodeMode(t.path), mode);
    }
    QFile kept(readOnly);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "keep");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System), before);
}

INSTANTIATE_TEST_SUITE_P(
    EveryWriter, SpecialFileWriting,
    ::testing::Values(
        WriterCase{"Bytes", [](const QString& p) { return saveFileAtomically(p, "x"); }},
        WriterCase{"PairingFile",
                   [](const QString& p) { return writePairingFile(p, {}, MatchTable{}); }},
        WriterCase{"Csv", [](const QString& p) { return writeCsvFile(p, MatchTable{}, 0); }},
        WriterCase{"Html",
                   [](const QString& p) {
                       return writeHtmlFile(p, MatchTable{}, StandingsTable{}, 0, {});
                   }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pf
