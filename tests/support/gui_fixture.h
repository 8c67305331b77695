#pragma once
// A fresh set of windows per test, in a temporary working directory, with
// settings kept out of the user's own, message boxes answered by the test
// and modal dialogs driven instead of run.

#include "app/application.h"
#include "app/main_window.h"
#include "dialogs/settings_store.h"
#include "members/candidate_editor.h"
#include "members/member_selection.h"
#include "members/name_list_item.h"
#include "model/text_codec.h"
#include "pairing/generators.h"
#include "scripted_prompts.h"
#include "sjis.h"
#include "widgets/modal_runner.h"
#include "widgets/prompts.h"
#include "widgets/up_down.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace pf::testing_support {

inline Generators& sharedGenerators() {
    static Generators generators;
    return generators;
}

using test::sjisBytes;

class GuiFixture : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        // Every test starts from a clean account (the store is this process's own).
        programSettings().clear();
        programSettings().sync();
        sharedGenerators().forget();
        ASSERT_TRUE(dir.isValid());
        previousDir = QDir::currentPath();
        QDir::setCurrent(dir.path());
        auto scripted = std::make_unique<ScriptedPrompts>();
        ask = scripted.get();
        setPrompts(std::move(scripted));
    }
    void TearDown() override {
        windows.form1.reset();
        setModalRunner({});
        setPrompts(nullptr);
        QDir::setCurrent(previousDir);
    }

    void writeCandidates(const QByteArray& bytes) {
        QFile f(dir.filePath(QStringLiteral("pairforge.txt")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void start() { windows = createWindows(sharedGenerators()); }
    TForm1& form() { return *windows.form1; }

    template <class T> T* child(QObject* parent, const char* name) {
        T* c = parent->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    template <class T> T* find(const char* name) { return child<T>(windows.form1.get(), name); }
    QAction* action(const char* name) { return find<QAction>(name); }
    QString text(const char* edit) { return find<QLineEdit>(edit)->text(); }
    void arrow(const char* upDown, bool up, int times = 1) {
        auto* u = find<UpDown>(upDown);
        for (int i = 0; i < times; ++i)
            (up ? u->upButton() : u->downButton())->click();
    }

    // Replaces the roster as member selection would, then shows it.
    void setRoster(const std::vector<const char*>& names) {
        for (auto& row : form().session().Roster)
            row.clear();
        std::size_t i = 0;
        for (const char* n : names) {
            form().session().Roster[i++] = test::sjis(n);
        }
        form().CountMembers();
    }
    // Nine members generated on two courts, 6–4 typed into the first match.
    void generateNineWithAResult() {
        setRoster({"青木", "石田", "上野", "江藤", "岡本", "加藤", "木村", "工藤", "佐藤"});
        find<QPushButton>("SpeedButton3")->click();
        ASSERT_TRUE(form().session().PairingOpen);
        arrow("UpDown1", true, 6);
        arrow("UpDown2", true, 4);
    }

    // The working directory, named in Japanese as a Windows organiser's
    // folders are: the candidate list and the files chosen are found there.
    QTemporaryDir dir{QDir::tempPath() + QStringLiteral("/テニス部-XXXXXX")};
    QString previousDir;
    ScriptedPrompts* ask = nullptr;
    Windows windows;
};

} // namespace pf::testing_support
