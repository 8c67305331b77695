// Entry point of the GUI tests: one QApplication for the run, and after every
// test a check that it left no top-level window behind.

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class NoLeakedWindows : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override {
        QApplication::processEvents();
        QStringList leaked;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible())
                leaked << (w->objectName().isEmpty()
                               ? QString::fromLatin1(w->metaObject()->className())
                               : w->objectName());
        }
        EXPECT_TRUE(leaked.isEmpty())
            << "windows left open: " << leaked.join(QStringLiteral(", ")).toStdString();
    }
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    // Settings of this test process only: test processes run in parallel and
    // must neither see each other's settings nor touch the user's own.
    QTemporaryDir settingsHome;
    qputenv("XDG_CONFIG_HOME", settingsHome.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsHome.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsHome.path());
    // The registry has no such folder: the program's store becomes a file there too.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    // GoogleTest owns and deletes its listeners.
    testing::UnitTest::GetInstance()->listeners().Append(new NoLeakedWindows);
    return RUN_ALL_TESTS();
}
