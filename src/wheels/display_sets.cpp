#include "wheels/display_sets.h"

#include "core/house_row.h"

namespace halcyra {

DisplayCase ChooseDisplayCase(int wheelKind, int wheelMode) {
  if (wheelMode == 0 || wheelKind == 1) return {0, true, true};
  if (wheelMode == 1) return {1, true, false};
  if (wheelMode == 3) return {3, false, false};
  return {2, false, true};
}

RehousedChart GetProperPlanets(WheelSets& wheel, const CaptionBlock& caption1, const CaptionBlock& caption2,
                               int wheelKind, int wheelMode) {
  const DisplayCase c = ChooseDisplayCase(wheelKind, wheelMode);
  const ChartSet& outside = c.firstSetOutside ? wheel.Wheel : wheel.Wheel2;
  const ChartSet& inside = c.firstSetOutside ? wheel.Wheel2 : wheel.Wheel;
  const ChartSet& framing = c.framedByFirstSet ? wheel.Wheel : wheel.Wheel2;
  wheel.Display2 = outside;
  wheel.Display = inside;
  for (int e = 1; e <= 12; ++e) {
    wheel.DisplayCusp[e] = framing.Cusp[e];
    wheel.CuspRing[e] = framing.Cusp[e];
  }

  // The set whose chart does not own the framing cusps is tagged anew.
  ChartSet& rehoused = (c.firstSetOutside == c.framedByFirstSet) ? wheel.Display : wheel.Display2;
  RehousedChart chart;
  chart.Long = rehoused.Long;
  chart.Long[0] = 0;
  chart.HouseTags = BuildPlanetHouseRow(chart.Long, wheel.DisplayCusp);
  rehoused.HouseTags = chart.HouseTags;

  wheel.ChartTitle = c.firstSetOutside ? caption1 : caption2;
  wheel.ChartTitle2 = c.firstSetOutside ? caption2 : caption1;
  wheel.ChartTitle[0] = wheel.ChartTitle2[0] = "";
  return chart;
}

}  // namespace halcyra
