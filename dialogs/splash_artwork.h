#pragma once
// The program's artwork: a doubles court at dusk under the product name,
// drawn in code so that it needs no image file beside the program.

#include <QImage>

namespace pf {

inline constexpr int ArtworkWidth = 450;
inline constexpr int ArtworkHeight = 250;

// A 450 × 250 true-colour picture.
QImage splashArtwork();

} // namespace pf
