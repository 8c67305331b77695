#include "dialogs/settings_store.h"

#include <QString>

namespace pf {
namespace {

std::int32_t readInt(QSettings& store, const char* key, std::int32_t fallback) {
    const QVariant v = store.value(QLatin1String(key));
    if (!v.isValid())
        return fallback;
    bool ok = false;
    const int value = v.toString().trimmed().toInt(&ok, 10);
    return ok ? value : fallback;
}

} // namespace

Settings loadSettings(QSettings& store) {
    Settings s;
    store.beginGroup(QStringLiteral("CONFIG"));
    s.GenerationMethod = readInt(store, "Seisei", 1);
    s.RankingMethod = readInt(store, "Jyuni", 0);
    s.CsvMode = readInt(store, "CsvMode", 0);
    store.endGroup();
    return s;
}

bool saveSettings(QSettings& store, const Settings& s) {
    store.beginGroup(QStringLiteral("CONFIG"));
    store.setValue(QStringLiteral("Seisei"), QString::number(s.GenerationMethod));
    store.setValue(QStringLiteral("Jyuni"), QString::number(s.RankingMethod));
    store.setValue(QStringLiteral("CsvMode"), QString::number(s.CsvMode));
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError;
}

QSettings& programSettings() {
    static QSettings store(QStringLiteral("Sorvanta"), QStringLiteral("PAIRFORGE"));
    return store;
}

} // namespace pf
