// The program's file dialogs list a folder without reading the files in it:
// types are told by name, and a folder holding a FIFO (whose reading waits
// for a writer that never comes) opens and closes at once.

#include "gui_fixture.h"

#include "widgets/name_only_icons.h"

#include <QApplication>
#include <QFileDialog>
#include <QMimeDatabase>
#include <QTimer>
#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using namespace pf;
using namespace pf::testing_support;

namespace {

struct TypeCase {
    const char* name;
    const char* file;
    QByteArray content;
    const char* mime; // what the name alone says
};

class NameOnlyTypeTest : public ::testing::TestWithParam<TypeCase> {};

TEST_P(NameOnlyTypeTest, TypeComesFromTheNameNotTheContent) {
    QTemporaryDir dir;
    const TypeCase& c = GetParam();
    QFile f(dir.filePath(QString::fromUtf8(c.file)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(c.content);
    f.close();
    EXPECT_EQ(nameOnlyIconProvider().type(QFileInfo(f.fileName())),
              QMimeDatabase().mimeTypeForName(QString::fromLatin1(c.mime)).comment());
}

const QByteArray Png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);

INSTANTIATE_TEST_SUITE_P(
    Files, NameOnlyTypeTest,
    ::testing::Values(TypeCase{"PairingFileHoldingAPicture", "day.pf1", Png,
                               "application/octet-stream"},
                      TypeCase{"PageHoldingAPicture", "page.html", Png, "text/html"},
                      TypeCase{"PictureHoldingText", "photo.png", "PAIRFORGE", "image/png"}),
    [](const auto& info) { return std::string(info.param.name); });

class FileDialogTest : public GuiFixture {};

TEST_F(FileDialogTest, AFolderHoldingAFifoOpensWithoutWaiting) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "a Windows folder cannot hold a FIFO";
#else
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    setPrompts(nullptr); // the real dialogs

    QString shownFolder;
    const QAbstractFileIconProvider* provider = nullptr;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shownFolder = dialog->directory().absolutePath();
        provider = dialog->iconProvider();
        dialog->reject();
    });
    // The FIFO itself proposed, as a path typed by hand would be.
    const QString chosen = prompts().openFile(
        nullptr, {QStringLiteral("ファイルを開く"),
                  QStringLiteral("PAIRFORGEファイル(*.pf1)|*.pf1|全てのファイル(*.*)|*.*"),
                  QStringLiteral("pf1"), fifo});
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_EQ(shownFolder, QDir(dir.path()).absolutePath());
    EXPECT_EQ(provider, &nameOnlyIconProvider());
#endif
}

} // namespace
