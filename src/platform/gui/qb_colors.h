#pragma once
// The 16-colour palette that colour options index (0 black .. 15 bright white).
#include <QColor>

#include "platform/qb_palette.h"

namespace halcyra {

// Entry `index` of the palette; indexes outside 0..15 give black.
QColor QBColor(int index);

}  // namespace halcyra
