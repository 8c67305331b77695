#pragma once
// The three settings kept between runs, under organisation "Sorvanta",
// application "PAIRFORGE", group "CONFIG" (the registry key
// Software\Sorvanta\PAIRFORGE\CONFIG on Windows), as decimal text.

#include <QSettings>
#include <cstdint>

namespace pf {

struct Settings {
    std::int32_t GenerationMethod = 1; // "Seisei": 0 random, otherwise sequential
    std::int32_t RankingMethod = 0;    // "Jyuni": 0 rule 1, otherwise rule 2
    std::int32_t CsvMode = 0;          // "CsvMode": 0 old layout, otherwise new
};

// Missing values and text that is not a valid integer give the defaults;
// any other value is kept as it is.
Settings loadSettings(QSettings& store);
// false when the values could not be written (the caller reports it).
bool saveSettings(QSettings& store, const Settings& settings);

// The program's own store (QSettings("Sorvanta", "PAIRFORGE")).
QSettings& programSettings();

} // namespace pf
