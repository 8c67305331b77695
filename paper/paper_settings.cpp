#include "paper/paper_settings.h"

namespace pf {
namespace {
const QString Group = QStringLiteral("CONFIG");
const QString SizeKey = QStringLiteral("PaperSize");
const QString LandscapeKey = QStringLiteral("PaperLandscape");
} // namespace

PaperChoice loadPaperChoice(QSettings& store) {
    PaperChoice choice;
    store.beginGroup(Group);
    choice.size = paperFromName(store.value(SizeKey).toString()).value_or(PaperSize::A4);
    choice.landscape = store.value(LandscapeKey).toString().trimmed() == QStringLiteral("1");
    store.endGroup();
    return choice;
}

void savePaperChoice(QSettings& store, const PaperChoice& choice) {
    store.beginGroup(Group);
    store.setValue(SizeKey, paperName(choice.size));
    store.setValue(LandscapeKey, choice.landscape ? QStringLiteral("1") : QStringLiteral("0"));
    store.endGroup();
    store.sync();
}

} // namespace pf
