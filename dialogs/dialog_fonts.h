#pragma once
// The fixed-pitch and proportional Gothic faces the windows are drawn in, by
// pixel size, falling back to the Noto CJK faces where the Windows ones are
// not installed.

#include <QFont>
#include <QStringList>

namespace pf {

inline QFont gothicFont(int pixels, bool bold = false, bool fixedPitch = true) {
    QFont f;
    f.setFamilies(fixedPitch
                      ? QStringList{QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                                    QStringLiteral("Noto Sans Mono CJK JP")}
                      : QStringList{QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                                    QStringLiteral("Noto Sans CJK JP")});
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

} // namespace pf
