#pragma once
// The paper and its orientation last chosen for printing, kept under CONFIG
// beside the three settings of old ("PaperSize": A4, A3, B4 or Letter;
// "PaperLandscape": 0 or 1). Neither is written until the organiser has
// chosen a paper, so a store that never printed stays as it was.

#include "paper/paper_layout.h"

#include <QSettings>

namespace pf {

struct PaperChoice {
    PaperSize size = PaperSize::A4;
    bool landscape = false;
    friend bool operator==(const PaperChoice&, const PaperChoice&) = default;
};

// Missing or unknown values give A4 portrait.
PaperChoice loadPaperChoice(QSettings& store);
void savePaperChoice(QSettings& store, const PaperChoice& choice);

} // namespace pf
