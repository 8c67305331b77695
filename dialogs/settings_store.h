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
//     if (!saveSettings(programSettings(), settingsOf(session)))
//         prompts().message(this, QString::fromUtf8(MsgSettingsWriteFailed),
//                           QStringLiteral("エラー"), Buttons::Ok);

#include "app/session.h"

#include <QSettings>
#include <cstdint>
#include <optional>

namespace pf {

struct Settings {
    std::int32_t GenerationMethod = 1; // "Seisei": 0 random, otherwise sequential
    std::int32_t RankingMethod = 0;    // "Jyuni": 0 rule 1, otherwise rule 2
    std::int32_t CsvMode = 0;          // "CsvMode": 0 old layout, otherwise new

    friend bool operator==(const Settings&, const Settings&) = default;
};

// Shown when the settings could not be written at exit.
inline constexpr char MsgSettingsWriteFailed[] = "環境設定を保存出来ませんでした。";

// The value of a setting stored as text: decimal digits with an optional sign,
// within 32 bits, white space around them allowed; nullopt for anything else.
std::optional<std::int32_t> settingFromText(const QString& stored);

// Missing values and text that is not a valid decimal integer give the
// defaults; any other value, also a non-zero one other than 1, is kept as it
// is so that it is written back unchanged.
Settings loadSettings(QSettings& store);
// Writes the three values as decimal text and flushes the store; false when
// they could not be written (the caller reports it).
bool saveSettings(QSettings& store, const Settings& settings);

// The program's own store (QSettings("Sorvanta", "PAIRFORGE")).
QSettings& programSettings();

inline Settings settingsOf(const Session& session) {
    return {session.GenerationMethod, session.RankingMethod, session.CsvMode};
}

inline void applySettings(Session& session, const Settings& settings) {
    session.GenerationMethod = settings.GenerationMethod;
    session.RankingMethod = settings.RankingMethod;
    session.CsvMode = settings.CsvMode;
}

} // namespace pf
