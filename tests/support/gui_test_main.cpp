// Entry point of the GUI tests: one QApplication for the run, and after every
// test a check that it left no top-level window behind.

#include <QApplication>
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
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    // GoogleTest owns and deletes its listeners.
    testing::UnitTest::GetInstance()->listeners().Append(new NoLeakedWindows);
    return RUN_ALL_TESTS();
}
