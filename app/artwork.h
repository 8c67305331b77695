#pragma once
// The picture below the members area: a court seen from above with a ball
// and the program's name, drawn at start-up so no image file is needed.

#include <QPixmap>
#include <QSize>

namespace pf {

QPixmap makeArtwork(QSize size);

} // namespace pf
