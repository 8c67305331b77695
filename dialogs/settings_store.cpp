#include "dialogs/settings_store.h"

#include <QRegularExpression>
#include <QString>
#include <algorithm>
#include <iterator>

namespace pf {
namespace {

const QString Group = QStringLiteral("CONFIG");

// Decimal digits with an optional sign, within 32 bits; anything else
// (letters, a list, an empty text) is not a setting and gives the default.
std::int32_t readInt(QSettings& store, const char* key, std::int32_t fallback) {
    const QVariant v = store.value(QLatin1String(key));
    if (!v.isValid())
        return fallback;
    if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong ||
        v.typeId() == QMetaType::UInt) {
        // A number stored by hand as a number rather than as text.
        bool ok = false;
        const int value = v.toInt(&ok);
        return ok ? value : fallback;
    }
    if (v.typeId() != QMetaType::QString && v.typeId() != QMetaType::QByteArray)
        return fallback;
    return settingFromText(v.toString()).value_or(fallback);
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

Settings loadSettings(QSettings& store) {
    Settings s;
    store.beginGroup(Group);
    s.GenerationMethod = readInt(store, "Seisei", 1);
    s.RankingMethod = readInt(store, "Jyuni", 0);
    s.CsvMode = readInt(store, "CsvMode", 0);
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
    QSettings store(QStringLiteral("Sorvanta"), QStringLiteral("PAIRFORGE"));
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
    if (s.Scale != DisplayScales[0] || store.contains(QStringLiteral("Scale")))
        store.setValue(QStringLiteral("Scale"), QString::number(s.Scale));
    store.endGroup();
    store.sync();
    return store.status() != QSettings::AccessError ? Status{}
                                                    : Status::failure(MsgSettingsWriteFailed);
}

QSettings& programSettings() {
    static QSettings store(QStringLiteral("Sorvanta"), QStringLiteral("PAIRFORGE"));
    return store;
}

} // namespace pf
