#pragma once
// The 16-colour palette that colour options index (0 black .. 15 bright white).
#include <QColor>

namespace halcyra {

// Entry `index` of the palette as 0xRRGGBB; indexes outside 0..15 give black.
unsigned QBColorRgb(int index);
QColor QBColor(int index);

}  // namespace halcyra
