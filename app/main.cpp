#include "app/application.h"
#include "dialogs/settings_store.h"
#include "pairing/generators.h"

#include <QApplication>

int main(int argc, char** argv) {
    // Made before any window: its entry list seeds the generator from the clock.
    pf::Generators generators;
    // Qt reads its scale factor when the application object is made.
    pf::applyStoredDisplayScale();
    QApplication app(argc, argv);
    return pf::runApplication(app, generators);
}
