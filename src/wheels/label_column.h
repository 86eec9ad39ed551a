#pragma once
// The label of one point on its ring: the planet glyph and, along the
// radius towards the centre, the degrees (bold), the sign glyph, the minutes
// and the retrograde mark. Labels on the left of the wheel read outwards-in
// from the glyph; those of the right-hand kind read from the centre out, so
// both read left to right.
#include <vector>

#include "wheels/glyph_codes.h"
#include "wheels/ring_placement.h"
#include "wheels/surface_twins.h"
#include "wheels/wheel_items.h"

namespace halcyra {

// The glyph whose cell every planet glyph takes (Chiron's).
inline constexpr int GlyphCellSample = 236;

struct GlyphCell {
  double width = 0, height = 0;  // whole units
};

struct LabelContext {
  const SurfaceTwin* twin = nullptr;
  bool europeanSingle = false;
  bool rightHandFromHouse3 = false;  // option 28 = 1
  GlyphCell glyphCell;
};

// Left-hand kind: not a European single wheel, or 75 <= angle < 255; and
// the house outside the right-hand houses (4 to 9, or 3 to 8 with option 28
// = 1), or a European single wheel.
bool IsLeftHandLabel(int house, double glyphAngle, const LabelContext& context);

// Only points 1 to 11, 13 and 16 carry the retrograde mark.
bool CarriesRetrogradeMark(int point);

std::vector<TextItem> PlanetLabel(const PlacedPoint& placed, double longitude, bool retrograde,
                                  const LabelContext& context, const TextMetrics& metrics);

}  // namespace halcyra
