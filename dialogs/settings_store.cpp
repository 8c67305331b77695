#include "dialogs/settings_store.h"

#include "pairing/day_rules.h"

#include <QRegularExpression>
#include <QString>
#include <algorithm>
#include <iterator>

namespace pf {
namespace {

const QString Group = QStringLiteral("CONFIG");

struct DayRuleKey {
    const char* key;
    std::int32_t bit;
};
constexpr DayRuleKey DayRuleKeys[] = {{"RuleMixed", RuleMixedBit},
                                      {"RuleLevelBalance", RuleLevelBalanceBit},
                                      {"RuleLevelNear", RuleLevelNearBit},
                                      {"RuleFixedPairs", RuleFixedPairsBit},
                                      {"RuleKeptApart", RuleKeptApartBit}};

#ifdef Q_OS_WIN
constexpr bool nativeIsRegistry = true;
#else
constexpr bool nativeIsRegistry = false;
#endif

// Decimal digits with an optional sign, within 32 bits; anything else
// (letters, a list, an empty text) is not a setting and gives the default.
std::int32_t readInt(QSettings& store, const char* key, std::int32_t fallback) {
    const QVariant v = store.value(QLatin1String(key));
    if (!v.isValid())
        return fallback;
    if (v.typeId() != QMetaType::QString && v.typeId() != QMetaType::QByteArray)
        return fallback;
    return settingFromText(v.toString()).value_or(fallback);
}

// Text is what the program writes. In the registry a number (REG_DWORD,
// REG_QWORD), binary data or a list of texts is a value somebody put there by
// other means; in a settings file a list is still text the organiser typed.
bool storedAsText(const QSettings& store, const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return true;
    case QMetaType::QStringList:
        return store.format() != QSettings::NativeFormat || !nativeIsRegistry;
    default:
        return false;
    }
}

} // namespace

std::optional<std::int32_t> settingFromText(const QString& stored) {
    static const QRegularExpression decimal(QStringLiteral("^[+-]?[0-9]+$"));
    const QString text = stored.trimmed();
    if (!decimal.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

Status checkSettingTypes(QSettings& store) {
    Status result;
    store.beginGroup(Group);
    for (const char* key :
         {"Seisei", "Jyuni", "CsvMode", "Scale", "MinMatches", "RoundMinutes", "ClockRestart",
          "RuleMixed", "RuleLevelBalance", "RuleLevelNear", "RuleFixedPairs", "RuleKeptApart"}) {
        const QVariant v = store.value(QLatin1String(key));
        if (v.isValid() && !storedAsText(store, v)) {
            result.error =
                QString::fromUtf8(MsgSettingBadType).arg(QLatin1String(key)).toStdString();
            break;
        }
    }
    store.endGroup();
    return result;
}

Settings loadSettings(QSettings& store) {
    Settings s;
    store.beginGroup(Group);
    s.GenerationMethod = readInt(store, "Seisei", 1);
    s.RankingMethod = readInt(store, "Jyuni", 0);
    s.CsvMode = readInt(store, "CsvMode", 0);
    const auto within = [&store](const char* key, std::int32_t low, std::int32_t high,
                                 std::int32_t fallback) {
        const std::int32_t v = readInt(store, key, fallback);
        return v >= low && v <= high ? v : fallback;
    };
    s.MinMatches = within("MinMatches", 0, MaxMinMatches, 0);
    s.RoundMinutes = within("RoundMinutes", 1, MaxRoundMinutes, DefaultRoundMinutes);
    s.ClockRestart = within("ClockRestart", 0, 1, 0);
    for (const DayRuleKey& rule : DayRuleKeys)
        s.DayRuleBits |= within(rule.key, 0, 1, 0) != 0 ? rule.bit : 0;
    store.endGroup();
    s.Scale = loadScale(store);
    return s;
}

std::int32_t loadScale(QSettings& store) {
    store.beginGroup(Group);
    const std::int32_t v = readInt(store, "Scale", DisplayScales[0]);
    store.endGroup();
    const bool offered =
        std::find(std::begin(DisplayScales), std::end(DisplayScales), v) != std::end(DisplayScales);
    return offered ? v : DisplayScales[0];
}

void applyStoredDisplayScale() {
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        return;
    // No application object yet: the store is named in full.
    QSettings store(QSettings::defaultFormat(), QSettings::UserScope, QStringLiteral("Sorvanta"),
                    QStringLiteral("PAIRFORGE"));
    const std::int32_t percent = loadScale(store);
    if (percent != DisplayScales[0])
        qputenv("QT_SCALE_FACTOR", QByteArray::number(percent / 100.0));
}

Status saveSettings(QSettings& store, const Settings& s) {
    if (!store.isWritable())
        return Status::failure(MsgSettingsWriteFailed);
    store.beginGroup(Group);
    store.setValue(QStringLiteral("Seisei"), QString::number(s.GenerationMethod));
    store.setValue(QStringLiteral("Jyuni"), QString::number(s.RankingMethod));
    store.setValue(QStringLiteral("CsvMode"), QString::number(s.CsvMode));
    const auto chosen = [&store](const char* key, std::int32_t value, std::int32_t fallback) {
        const QString name = QLatin1String(key);
        if (value != fallback || store.contains(name))
            store.setValue(name, QString::number(value));
    };
    chosen("Scale", s.Scale, DisplayScales[0]);
    chosen("MinMatches", s.MinMatches, 0);
    chosen("RoundMinutes", s.RoundMinutes, DefaultRoundMinutes);
    chosen("ClockRestart", s.ClockRestart, 0);
    for (const DayRuleKey& rule : DayRuleKeys)
        chosen(rule.key, (s.DayRuleBits & rule.bit) != 0 ? 1 : 0, 0);
    store.endGroup();
    store.sync();
    return store.status() != QSettings::AccessError ? Status{}
                                                    : Status::failure(MsgSettingsWriteFailed);
}

Status saveScale(QSettings& store, std::int32_t percent) {
    if (!store.isWritable())
        return Status::failure(MsgSettingsWriteFailed);
    store.beginGroup(Group);
    store.setValue(QStringLiteral("Scale"), QString::number(percent));
    store.endGroup();
    store.sync();
    return store.status() != QSettings::AccessError ? Status{}
                                                    : Status::failure(MsgSettingsWriteFailed);
}

QSettings& programSettings() {
    static QSettings store(QSettings::defaultFormat(), QSettings::UserScope,
                           QStringLiteral("Sorvanta"), QStringLiteral("PAIRFORGE"));
    return store;
}

} // namespace pf
