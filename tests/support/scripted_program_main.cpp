// pairforge-scripted: the program as the organiser starts it, with the script
// runner of test_script.h answering its questions and driving its commands.
// Built with the tests only.

#include "test_script.h"

#include "app/application.h"
#include "dialogs/settings_store.h"
#include "pairing/generators.h"

#include <QApplication>

int main(int argc, char** argv) {
    pf::Generators generators;
    pf::applyStoredDisplayScale();
    QApplication app(argc, argv);
    // The answers are in place before start-up asks anything.
    const QStringList script = pf::loadTestScript();
    return pf::runApplication(app, generators,
                              [script](pf::TForm1& window) { pf::runTestScript(window, script); });
}
