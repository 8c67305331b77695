#pragma once
// The CSV export of the match table: all 120 slots in order, Shift-JIS,
// CR LF, no header, names written as stored.

#include "model/session.h"

#include <QByteArray>
#include <cstdint>

namespace pf {

enum class CsvLayout {
    TwoLinesPerMatch, // the old layout: "a,b,WinA" then "c,d,WinB"
    OneLinePerMatch,  // the new layout: "a,b,WinA,c,d,WinB"
};

// The stored setting "CsvMode": 0 the old layout, any other value the new.
inline CsvLayout csvLayoutFromSetting(std::int32_t stored) {
    return stored == 0 ? CsvLayout::TwoLinesPerMatch : CsvLayout::OneLinePerMatch;
}

QByteArray csvFileBytes(const MatchTable& matches, CsvLayout layout);

} // namespace pf
