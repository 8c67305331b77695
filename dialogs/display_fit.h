#pragma once
// Which display sizes the screen has room for. A size is only worth offering
// when every window of the program, OK button included, fits on the screen
// the program starts on; otherwise a dialog opens with its buttons out of
// reach.

#include <QSize>
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

namespace pf {

// What a window's frame (title bar and borders) adds to its client area. The
// desktop draws the frame at its own size, so it does not grow with the
// display size; this is a generous title bar, so that a window that fits
// here also fits under the desktops' taller ones.
inline constexpr QSize WindowFrame{16, 40};

// The sizes of DisplayScales, smallest first, at which every window (client
// sizes at 100 %) with its frame fits within `available` (the screen's work
// area at 100 %). 100 is always among them: the program must start at some
// size even on a screen too small for it.
std::vector<std::int32_t> fittingScales(QSize available, std::span<const QSize> windows);

// The size to start with: `stored` when it is among `fitting`, otherwise the
// largest of them (a larger size never fits where a smaller one does not).
std::int32_t fittingScale(std::int32_t stored, std::span<const std::int32_t> fitting);

// What the organiser is told once when the program chose `percent` itself.
QString displayScaleNotice(std::int32_t percent);

} // namespace pf
