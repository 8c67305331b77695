#include "app/application.h"
#include "pairing/entry_list.h"

#include <QApplication>

int main(int argc, char** argv) {
    // Made before any window: it seeds the generator from the clock.
    pf::EntryList entries;
    QApplication app(argc, argv);
    return pf::runApplication(app, entries);
}
