// Every input the fuzzers were seeded with or ever found a fault with is read
// again in each build through the same checks the fuzz targets run.

#include "fuzz/fuzz_checks.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace pf {
namespace {

struct Corpus {
    const char* name;
    bool (*check)(const QByteArray&);
};

class FuzzCorpus : public ::testing::TestWithParam<Corpus> {};

TEST_P(FuzzCorpus, EveryFileKeepsTheReadersPromises) {
    const QDir dir(QStringLiteral(PF_SOURCE_DIR "/fuzz/corpus/") + QLatin1String(GetParam().name));
    const QStringList files = dir.entryList(QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 3) << dir.path().toStdString();
    for (const QString& f : files) {
        QFile file(dir.filePath(f));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << f.toStdString();
        EXPECT_TRUE(GetParam().check(file.readAll())) << f.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Readers, FuzzCorpus,
                         ::testing::Values(Corpus{"pairing_file", fuzz::checkPairingFile},
                                           Corpus{"candidate_text", fuzz::checkCandidateText},
                                           Corpus{"members_file", fuzz::checkMembersFile},
                                           Corpus{"setting_text", fuzz::checkSettingText},
                                           Corpus{"recovery_file", fuzz::checkRecoveryFile}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pf
