// The help page of an installed program: a fake install tree in a temporary
// folder, with the page in some of the places the program looks.

#include "app/help_page.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Places, relative to the tree: the working directory (named in Japanese, as
// a Windows organiser's folders are), the program's folder and the installed
// data folder.
const char* const Work = "home/テニス部/４月";
const char* const Bin = "usr/bin";
const char* const Share = "usr/share/pairforge";

struct HelpCase {
    const char* name;
    std::vector<const char*> pages; // folders holding an index.html
    const char* expected;           // nullptr: none found
};

class HelpPage : public testing::TestWithParam<HelpCase> {};

TEST_P(HelpPage, FirstFoundOfWorkingDirectoryProgramFolderAndDataFolder) {
    const HelpCase c = GetParam();
    QTemporaryDir tree;
    ASSERT_TRUE(tree.isValid());
    const QDir root(tree.path());
    for (const char* dir : {Work, Bin, Share})
        ASSERT_TRUE(root.mkpath(QString::fromUtf8(dir)));
    // A folder of that name is not a page.
    ASSERT_TRUE(root.mkpath(QStringLiteral("usr/index.html")));
    for (const char* dir : c.pages) {
        QFile page(root.filePath(QString::fromUtf8(dir) + QStringLiteral("/index.html")));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    }
    const QString found = pf::locateHelpPage(root.filePath(QString::fromUtf8(Work)),
                                             root.filePath(QString::fromUtf8(Bin)));
    if (!c.expected)
        EXPECT_EQ(found, QString());
    else
        EXPECT_EQ(found,
                  root.filePath(QString::fromUtf8(c.expected) + QStringLiteral("/index.html")));
}

INSTANTIATE_TEST_SUITE_P(Trees, HelpPage,
                         testing::Values(HelpCase{"Installed", {Share}, Share},
                                         HelpCase{"BesideTheProgram", {Bin, Share}, Bin},
                                         HelpCase{
                                             "WorkingDirectoryFirst", {Work, Bin, Share}, Work},
                                         HelpCase{"Nowhere", {}, nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
