#include "dialogs/settings_store.h"

#include <QRegularExpression>
#include <QString>

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
    return s;
}

bool saveSettings(QSettings& store, const Settings& s) {
    if (!store.isWritable())
        return false;
    store.beginGroup(Group);
    store.setValue(QStringLiteral("Seisei"), QString::number(s.GenerationMethod));
    store.setValue(QStringLiteral("Jyuni"), QString::number(s.RankingMethod));
    store.setValue(QStringLiteral("CsvMode"), QString::number(s.CsvMode));
    store.endGroup();
    store.sync();
    return store.status() != QSettings::AccessError;
}

QSettings& programSettings() {
    static QSettings store(QStringLiteral("Sorvanta"), QStringLiteral("PAIRFORGE"));
    return store;
}

} // namespace pf
