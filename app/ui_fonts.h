#pragma once
// The Gothic faces the windows are drawn in, by pixel size, falling back to
// the Noto CJK faces where the Windows ones are not installed.

#include <QFont>
#include <QStringList>

namespace pf {

// "ＭＳ Ｐゴシック": the proportional face of the windows and dialogs.
inline QFont proportionalGothic(int pixels, bool bold = false) {
    QFont f;
    f.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                   QStringLiteral("Noto Sans CJK JP")});
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// "ＭＳ ゴシック": the fixed-pitch face of the count edits.
inline QFont fixedGothic(int pixels, bool bold = false) {
    QFont f;
    f.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                   QStringLiteral("Noto Sans Mono CJK JP")});
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

} // namespace pf
