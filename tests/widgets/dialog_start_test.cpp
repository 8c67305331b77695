// Where the file dialogs start: the nearest folder that exists, and never a
// folder of the kernel's own file systems, whose entries may never finish
// reading.

#include "widgets/dialog_start.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pf;

namespace {

struct StartCase {
    const char* name;
    const char* proposed; // "{dir}" is a temporary folder that exists
    const char* expected; // "{fallback}" is the folder passed as fallback
};

class DialogStartTest : public ::testing::TestWithParam<StartCase> {};

QString expand(const char* pattern, const QString& dir, const QString& fallback) {
    QString s = QString::fromUtf8(pattern);
    s.replace(QStringLiteral("{dir}"), dir);
    s.replace(QStringLiteral("{fallback}"), fallback);
    return s;
}

TEST_P(DialogStartTest, ProposesAnOrdinaryFolderThatExists) {
    if (!QDir(QStringLiteral("/proc/self")).exists())
        GTEST_SKIP() << "no /proc here";
    QTemporaryDir dir;
    QTemporaryDir fallback;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    const StartCase& c = GetParam();
    EXPECT_EQ(dialogStartPath(expand(c.proposed, dir.path(), fallback.path()), fallback.path()),
              expand(c.expected, dir.path(), fallback.path()));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, DialogStartTest,
    ::testing::Values(StartCase{"Nothing", "", "{fallback}"},
                      StartCase{"FileInExistingFolder", "{dir}/土曜日.pf1", "{dir}/土曜日.pf1"},
                      StartCase{"ExistingFolder", "{dir}/sub", "{dir}/sub"},
                      StartCase{"FolderGone", "{dir}/gone/deeper/day.pf1", "{dir}/day.pf1"},
                      StartCase{"ProcFile", "/proc/kmsg", "{fallback}/kmsg"},
                      StartCase{"ProcSaveTarget", "/proc/day.pf1", "{fallback}/day.pf1"},
                      StartCase{"ProcFolder", "/proc/sys", "{fallback}"},
                      StartCase{"SysFolderGone", "/sys/kernel/none/x.csv", "{fallback}/x.csv"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
