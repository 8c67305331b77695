// pairforge-cli pdf: a PDF of each sheet, and the refusals of the other
// commands (wrong arguments 2, an output that cannot be written 1, with no
// file left behind).

#include "cli_runner.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pf {
namespace {

using test::runCli;

const QString Day = QStringLiteral(PF_TEST_DATA_DIR "/cli/day.pf1");

TEST(PdfCommand, WritesEachSheet) {
    QTemporaryDir dir;
    for (const char* doc : {"schedule", "members", "slips", "standings"}) {
        const QString out = dir.filePath(QLatin1String(doc) + QStringLiteral(".pdf"));
        const auto r = runCli({"pdf", Day, "--doc", doc, "--paper", "B4", "--landscape", "--date",
                               "2026年5月3日", "-o", out});
        EXPECT_EQ(r.exitCode, 0) << doc << r.err.toStdString();
        QFile f(out);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << doc;
        EXPECT_TRUE(f.readAll().startsWith("%PDF-")) << doc;
    }
}

struct Refusal {
    const char* name;
    QStringList args; // after FILE; OUT stands for a path in a fresh folder
    int exitCode;
};

class PdfRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(PdfRefusal, ExitsWithoutLeavingAFile) {
    QTemporaryDir dir;
    QStringList args{QStringLiteral("pdf"), Day};
    for (const QString& a : GetParam().args)
        args << (a == QStringLiteral("OUT")   ? dir.filePath(QStringLiteral("out.pdf"))
                 : a == QStringLiteral("DIR") ? dir.path()
                 : a == QStringLiteral("MISSING")
                     ? dir.filePath(QStringLiteral("no/such/folder/out.pdf"))
                     : a);
    const auto r = runCli(args);
    EXPECT_EQ(r.exitCode, GetParam().exitCode) << r.err.toStdString();
    EXPECT_FALSE(r.err.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, PdfRefusal,
    testing::Values(Refusal{"bad_paper", {"--doc", "schedule", "--paper", "A5", "-o", "OUT"}, 2},
                    Refusal{"bad_doc", {"--doc", "poster", "-o", "OUT"}, 2},
                    Refusal{"no_doc", {"-o", "OUT"}, 2},
                    Refusal{"bad_courts", {"--doc", "slips", "--courts", "4", "-o", "OUT"}, 2},
                    Refusal{"no_output", {"--doc", "slips"}, 2},
                    Refusal{"folder_missing", {"--doc", "schedule", "-o", "MISSING"}, 1},
                    Refusal{"output_is_a_folder", {"--doc", "schedule", "-o", "DIR"}, 1}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

} // namespace
} // namespace pf
