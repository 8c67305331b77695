#pragma once
// The Gothic faces the windows are drawn in, by pixel size. Windows
// installations that no longer ship the MS Gothic faces have Meiryo UI and
// Yu Gothic UI; elsewhere the Noto CJK faces stand in.

#include <QFont>
#include <QStringList>

namespace pf {

// "ＭＳ Ｐゴシック": the proportional face of the windows and dialogs.
inline QFont proportionalGothic(int pixels, bool bold = false) {
    QFont f;
    f.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                   QStringLiteral("Meiryo UI"), QStringLiteral("Yu Gothic UI"),
                   QStringLiteral("Noto Sans CJK JP")});
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// "ＭＳ ゴシック": the fixed-pitch face of the count edits.
inline QFont fixedGothic(int pixels, bool bold = false) {
    QFont f;
    f.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                   QStringLiteral("Meiryo UI"), QStringLiteral("Yu Gothic UI"),
                   QStringLiteral("Noto Sans Mono CJK JP")});
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

} // namespace pf
