#pragma once
// One paint of the chart wheel, in the order the picture is built: the
// frame, the house spans, the cusp labels, ring 1 (with the aspect lines of
// a single wheel), ring 0 of a dual wheel, and the captions. The display
// sets must be filled first (GetProperPlanets).
#include <optional>
#include <string>
#include <vector>

#include "state/option_tables.h"
#include "state/startup_tables.h"
#include "state/wheel_sets.h"
#include "wheels/label_column.h"
#include "wheels/wheel_items.h"

namespace halcyra {

struct WheelPaintInput {
  int wheelKind = 1;
  bool european = false;          // EuropeanChart
  const OptionTables* options = nullptr;
  const StartupTables* tables = nullptr;  // RADIUS.DAT and HCDATA.DAT
  std::string transitSelection;
  bool printing = false;          // the printer's twin of every option
  bool whiteRingFill = false;
  std::optional<std::vector<std::string>> footerLines;  // PERSONAL.NAM on a full-page print
};

// What a paint leaves behind: where each drawn point went, and the
// retrograde flags and house tags of the ring drawn last, which the working
// set keeps until something else is loaded into it.
struct WheelPaintResult {
  PointArray PointGlyphAngle{};
  PointArray RingPointWork{};
  std::array<bool, NumPoints + 1> drawn{};
  std::string RetroFlags, HouseTags;
};

// The glyph cell of the paint: the width and height of the sample glyph in
// the planet glyph's size, with the sign cell offsets, in whole units.
GlyphCell MeasureGlyphCell(const SurfaceTwin& twin, const TextMetrics& metrics);

// Draws the wheel of `wheel`'s display sets on the surface. PointGlyphAngle
// and RingPointWork of the drawn points are written into `wheel` too, and
// Ring1PointWork of ring 1 alone.
WheelPaintResult PaintWheel(DrawingSurface& surface, WheelSets& wheel, const WheelPaintInput& input);

}  // namespace halcyra
