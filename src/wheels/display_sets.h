#pragma once
// Which chart feeds which ring of the wheel, and whose houses frame it. At
// the start of every paint the two wheel sets are copied into the two
// display sets by the wheel mode; the chart that does not own the framing
// cusps gets its points tagged with those cusps' houses.
#include "state/wheel_sets.h"

namespace halcyra {

// The four arrangements: case 0 is every single wheel and mode 0 of a dual
// wheel; modes 1, 3 and (for any other value) 2 of a dual wheel follow.
struct DisplayCase {
  int number = 0;
  bool firstSetOutside = true;   // the first wheel set in display set 2 (the single or outer ring)
  bool framedByFirstSet = true;  // the first wheel set's cusps frame the wheel
};
DisplayCase ChooseDisplayCase(int wheelKind, int wheelMode);

// What the working set receives: the longitudes of the chart whose houses
// do not frame the wheel and its new house row.
struct RehousedChart {
  PointArray Long{};
  std::string HouseTags;
};

// Fills Display, Display2, DisplayCusp and CuspRing (entries 1 to 12; 0 and
// 13 keep their values), ChartTitle and ChartTitle2 from the wheel sets.
RehousedChart GetProperPlanets(WheelSets& wheel, const CaptionBlock& caption1, const CaptionBlock& caption2,
                               int wheelKind, int wheelMode);

}  // namespace halcyra
