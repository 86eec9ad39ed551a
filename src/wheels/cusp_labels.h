#pragma once
// The position of each house cusp written at the rim: two bold digits of
// the degrees, the sign glyph and two digits of the minutes. On an American
// wheel and every dual wheel each label has a fixed place (HCDATA.DAT); on a
// European single wheel only the Ascendant's and the Descendant's do, and
// the others follow their cusps round the rim on a horizontal line.
#include <array>
#include <vector>

#include "state/points.h"
#include "state/startup_tables.h"
#include "wheels/surface_twins.h"
#include "wheels/wheel_items.h"

namespace halcyra {

using CuspLabelTable = std::array<int, GlyphStrokeValues>;  // HCDATA.DAT

// Screen angle of a cusp on a European wheel: its longitude counted from the
// Descendant, 0 to 360.
double EuropeanCuspAngle(const CuspTable& cuspRing, int entry);

std::vector<TextItem> CuspLabels(const CuspTable& cuspDisplayLon, const CuspTable& cuspRing, bool europeanSingle,
                                 const CuspLabelTable& layout, const SurfaceTwin& twin);

}  // namespace halcyra
