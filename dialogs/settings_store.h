#pragma once
// The three settings kept between runs, under organisation "Sorvanta",
// application "PAIRFORGE", group "CONFIG" (the registry key
// Software\Sorvanta\PAIRFORGE\CONFIG on Windows), as decimal text.
//
// The main window reads them once when it is created and writes them once
// when it is destroyed:
//
//     applySettings(session, loadSettings(programSettings()));
//     …
//     if (const Status saved = saveSettings(programSettings(), settingsOf(session)); !saved)
//         prompts().message(this, fromUtf8(saved.error), QString::fromUtf8(ErrorTitle),
//                           Buttons::Ok);

#include "model/session.h"
#include "model/status.h"
#include "model/texts.h"

#include <QSettings>
#include <cstdint>
#include <optional>

namespace pf {

struct Settings {
    std::int32_t GenerationMethod = 1; // "Seisei": 0 random, 2 balanced, otherwise sequential
    std::int32_t RankingMethod = 0;    // "Jyuni": 0 rule 1, otherwise rule 2
    std::int32_t CsvMode = 0;          // "CsvMode": 0 old layout, otherwise new
    std::int32_t Scale = 100;          // "Scale": display size in percent, next start
    std::int32_t MinMatches = 0;       // "MinMatches": matches needed for a rank
    std::int32_t RoundMinutes = 15;    // "RoundMinutes": the board's round clock
    std::int32_t ClockRestart = 0;     // "ClockRestart": next round starts the clock again

    friend bool operator==(const Settings&, const Settings&) = default;
};

// The value of a setting stored as text: decimal digits with an optional sign,
// within 32 bits, white space around them allowed; nullopt for anything else.
std::optional<std::int32_t> settingFromText(const QString& stored);

// The first of the values that is stored with a type other than text (a
// number or binary data put into the registry by other means), as
// MsgSettingBadType with its name; such a value cannot be read, and the
// program does not start on it.
Status checkSettingTypes(QSettings& store);

// Missing values and text that is not a valid decimal integer give the
// defaults; any other value, also a non-zero one other than 1, is kept as it
// is so that it is written back unchanged.
Settings loadSettings(QSettings& store);
// "MinMatches" (0 … MaxMinMatches), "RoundMinutes" (1 … MaxRoundMinutes) and
// "ClockRestart" (0 or 1) read as their defaults when missing or out of range,
// and, like "Scale", are written only once they differ from the default or
// are already stored, so a clean account's store holds only what was chosen.
// Writes the three values as decimal text and flushes the store;
// MsgSettingsWriteFailed when they could not be written (the caller shows it).
Status saveSettings(QSettings& store, const Settings& settings);

// The program's own store (QSettings("Sorvanta", "PAIRFORGE")) in the default
// format: the registry on Windows, a settings file elsewhere. A test run that
// sets the default format to IniFormat keeps its settings in its own file.
QSettings& programSettings();

// The display sizes offered, in percent; the first is the default.
inline constexpr std::int32_t DisplayScales[] = {100, 125, 150, 200};

// "Scale" under CONFIG: one of DisplayScales, anything else (missing,
// letters, 90, 300) gives 100. A clean account gets no "Scale" written until
// a size has been chosen, so its store holds only what was chosen.
std::int32_t loadScale(QSettings& store);

// Scales the whole interface by the stored display size: sets Qt's scale
// factor from the program's store. Must run before the application object
// exists; a scale factor already set in the environment wins.
void applyStoredDisplayScale();

// Writes "Scale" alone, for a size the program chose itself (the screen has
// no room for the stored one); the other values stay as they are stored.
Status saveScale(QSettings& store, std::int32_t percent);

// The most matches a rank can ask for, and the longest round the clock takes.
inline constexpr std::int32_t MaxMinMatches = MaxMatches;
inline constexpr std::int32_t MaxRoundMinutes = 99;
inline constexpr std::int32_t DefaultRoundMinutes = 15;

inline Settings settingsOf(const Session& session) {
    return {session.GenerationMethod, session.RankingMethod, session.CsvMode,     session.Scale,
            session.MinMatches,       session.RoundMinutes,  session.ClockRestart};
}

inline void applySettings(Session& session, const Settings& settings) {
    session.GenerationMethod = settings.GenerationMethod;
    session.RankingMethod = settings.RankingMethod;
    session.CsvMode = settings.CsvMode;
    session.Scale = settings.Scale;
    session.MinMatches = settings.MinMatches;
    session.RoundMinutes = settings.RoundMinutes;
    session.ClockRestart = settings.ClockRestart;
}

} // namespace pf
