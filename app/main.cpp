#include "app/application.h"
#include "pairing/generators.h"

#include <QApplication>

int main(int argc, char** argv) {
    // Made before any window: its entry list seeds the generator from the clock.
    pf::Generators generators;
    QApplication app(argc, argv);
    return pf::runApplication(app, generators);
}
