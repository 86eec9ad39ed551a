#pragma once
// The 16-colour palette that colour options index (0 black .. 15 bright
// white), as 0xRRGGBB values for code that draws without Qt's colour type.
namespace halcyra {

// Entry `index` of the palette; indexes outside 0..15 give black.
unsigned QBColorRgb(int index);

}  // namespace halcyra
