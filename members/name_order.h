#pragma once
// The order in which the member lists show names: Japanese collation, letter
// case ignored, as a list box of the desktop sorts; names that collate equal
// fall back to their bytes so the order never depends on insertion.

#include "model/session.h"

namespace pf {

bool nameLess(const Name& left, const Name& right);

} // namespace pf
