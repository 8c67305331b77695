// Every input the fuzzer was seeded with or ever found a fault with is read
// again in each build: no crash, and what the reader accepts survives a save
// and reopen unchanged.

#include "files/pairing_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace pf {
namespace {

TEST(FuzzCorpus, EveryFileReplaysThroughTheReader) {
    const QDir dir(QStringLiteral(PF_SOURCE_DIR "/fuzz/corpus/pairing_file"));
    const QStringList files = dir.entryList(QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 10);
    int accepted = 0;
    for (const QString& f : files) {
        QFile file(dir.filePath(f));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << f.toStdString();
        const PairingFileContent first = parsePairingFile(file.readAll());
        if (!first.ok()) {
            EXPECT_TRUE(first.error == MsgReadFailed || first.error == MsgBadContent);
            continue;
        }
        ++accepted;
        const QByteArray saved = pairingFileBytes(first.roster, first.matches);
        EXPECT_EQ(saved.count("\r\n"), 221) << f.toStdString();
        const PairingFileContent second = parsePairingFile(saved);
        ASSERT_TRUE(second.ok()) << f.toStdString();
        EXPECT_EQ(second.roster, first.roster) << f.toStdString();
        EXPECT_EQ(second.matches, first.matches) << f.toStdString();
    }
    EXPECT_GE(accepted, 5);
}

} // namespace
} // namespace pf
