#include "app/application.h"
#include "dialogs/settings_store.h"
#include "pairing/entry_list.h"

#include <QApplication>

int main(int argc, char** argv) {
    // Made before any window: it seeds the generator from the clock.
    pf::EntryList entries;
    // Qt reads its scale factor when the application object is made.
    pf::applyStoredDisplayScale();
    QApplication app(argc, argv);
    return pf::runApplication(app, entries);
}
