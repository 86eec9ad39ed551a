#pragma once
// The aspect lines of a single wheel: a chord across the aspect circle
// between the glyph angles of every two drawn points whose separation lies
// within the orb file's orb of an aspect, coloured by the aspect's family.
// Conjunctions (a chord of no length) and parallels (a matter of
// declination) draw none.
#include <array>
#include <vector>

#include "state/option_tables.h"
#include "state/points.h"
#include "wheels/wheel_items.h"

namespace halcyra {

// The aspect code (3 to 6, 8 to 16) whose exact angle lies nearest the
// separation of two longitudes within its orb, AspectOrb element code - 1;
// 1 for none.
int ChordAspect(double longA, double longB, const std::array<float, OrbCount + 1>& aspectOrb);

// Hard aspects red, trine and sextile blue, semi-sextile and quincunx green,
// the quintile family magenta.
unsigned AspectFamilyColour(int code);

std::vector<WheelItem> SingleWheelAspectLines(const PointArray& longitudes, const PointArray& glyphAngles,
                                              const std::array<bool, NumPoints + 1>& drawn,
                                              const std::array<float, OrbCount + 1>& aspectOrb, double radius);

}  // namespace halcyra
