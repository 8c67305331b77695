#include "fuzz/fuzz_checks.h"

#include "dialogs/settings_store.h"

namespace pf::fuzz {

bool checkSettingText(const QByteArray& bytes) {
    const std::optional<std::int32_t> value = settingFromText(QString::fromUtf8(bytes));
    if (!value)
        return true;
    return settingFromText(QString::number(*value)) == value;
}

} // namespace pf::fuzz
