// The recent-files list: newest first, each file once, four at most, and kept
// under "RecentFiles" beside the three settings without touching them.

#include "files/recent_files.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pf;

namespace {

struct RecentCase {
    const char* name;
    QStringList before;
    const char* added;
    QStringList after;
};

class RecentFilesTest : public ::testing::TestWithParam<RecentCase> {};

// The list holds absolute paths: on Windows "/d/a.pf1" gains the drive it is on.
QStringList absolute(const QStringList& paths) {
    QStringList out;
    for (const QString& p : paths)
        out << QFileInfo(p).absoluteFilePath();
    return out;
}

TEST_P(RecentFilesTest, NewestFirstOnceEachAtMostFour) {
    EXPECT_EQ(withRecentFile(absolute(GetParam().before), QString::fromUtf8(GetParam().added)),
              absolute(GetParam().after));
}

INSTANTIATE_TEST_SUITE_P(Lists, RecentFilesTest,
                         ::testing::Values(RecentCase{"First", {}, "/d/a.pf1", {"/d/a.pf1"}},
                                           RecentCase{"MovesToFront",
                                                      {"/d/a.pf1", "/d/b.pf1", "/d/c.pf1"},
                                                      "/d/c.pf1",
                                                      {"/d/c.pf1", "/d/a.pf1", "/d/b.pf1"}},
                                           RecentCase{"SameFileSpeltOtherwise",
                                                      {"/d/a.pf1", "/d/b.pf1"},
                                                      "/d/x/../b.pf1",
                                                      {"/d/b.pf1", "/d/a.pf1"}},
                                           RecentCase{
                                               "FifthPushesOutTheOldest",
                                               {"/d/1.pf1", "/d/2.pf1", "/d/3.pf1", "/d/4.pf1"},
                                               "/d/5.pf1",
                                               {"/d/5.pf1", "/d/1.pf1", "/d/2.pf1", "/d/3.pf1"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RecentFilesStore, KeptBesideTheSettingsWithoutTouchingThem) {
    QTemporaryDir dir;
    QSettings store(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
    store.setValue(QStringLiteral("CONFIG/Seisei"), QStringLiteral("0"));
    EXPECT_TRUE(loadRecentFiles(store).isEmpty());
    saveRecentFiles(store, {QStringLiteral("/d/土曜日.pf1"), QStringLiteral("/d/b.pf1")});
    EXPECT_EQ(loadRecentFiles(store),
              QStringList({QStringLiteral("/d/土曜日.pf1"), QStringLiteral("/d/b.pf1")}));
    EXPECT_EQ(store.value(QStringLiteral("CONFIG/Seisei")).toString(), QStringLiteral("0"));
    EXPECT_EQ(withoutRecentFile({QStringLiteral("/d/a.pf1"), QStringLiteral("/d/b.pf1")},
                                QStringLiteral("/d/a.pf1")),
              QStringList({QStringLiteral("/d/b.pf1")}));
}

} // namespace
