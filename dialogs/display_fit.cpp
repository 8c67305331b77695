#include "dialogs/display_fit.h"

#include "dialogs/settings_store.h"
#include "model/texts.h"

#include <algorithm>

namespace pf {
namespace {

// Rounded up: a window one pixel too tall has its buttons cut off.
int scaled(int length, std::int32_t percent) {
    return static_cast<int>((static_cast<std::int64_t>(length) * percent + 99) / 100);
}

bool fits(QSize available, QSize window, std::int32_t percent) {
    return scaled(window.width(), percent) + WindowFrame.width() <= available.width() &&
           scaled(window.height(), percent) + WindowFrame.height() <= available.height();
}

} // namespace

std::vector<std::int32_t> fittingScales(QSize available, std::span<const QSize> windows) {
    std::vector<std::int32_t> result{DisplayScales[0]};
    for (const std::int32_t percent : std::span(DisplayScales).subspan(1)) {
        if (!std::all_of(windows.begin(), windows.end(),
                         [&](QSize w) { return fits(available, w, percent); }))
            break;
        result.push_back(percent);
    }
    return result;
}

std::int32_t fittingScale(std::int32_t stored, std::span<const std::int32_t> fitting) {
    if (fitting.empty())
        return DisplayScales[0];
    return std::find(fitting.begin(), fitting.end(), stored) != fitting.end() ? stored
                                                                              : fitting.back();
}

QString displayScaleNotice(std::int32_t percent) {
    QString digits = QString::number(percent);
    for (QChar& c : digits)
        if (c >= u'0' && c <= u'9')
            c = QChar(static_cast<char16_t>(c.unicode() - u'0' + u'０'));
    return QString::fromUtf8(MsgDisplayScaleFallback).arg(digits);
}

} // namespace pf
