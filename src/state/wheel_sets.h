#pragma once
// The chart sets a chart wheel draws: the inner (or single) chart, the outer
// chart of a dual wheel, and the place of the inner chart.
#include <string>

#include "state/points.h"

namespace halcyra {

struct WheelSets {
  PointArray WheelLong{}, WheelDecl{};
  CuspTable WheelCusp{};
  std::string WheelRetroFlags = std::string(NumPoints, ' ');
  std::string WheelHouseTags;
  std::string WheelDateText;

  PointArray WheelLong2{}, WheelDecl2{};
  CuspTable WheelCusp2{};
  std::string WheelRetroFlags2 = std::string(NumPoints, ' ');
  std::string WheelHouseTags2;

  // The inner chart's place as its caption shows it: degrees + minutes / 100
  // with the EAST/WEST and NORTH/SOUTH texts.
  double WheelGeoLong = 0, WheelGeoLat = 0;
  std::string WheelEWText = "WEST", WheelNSText = "NORTH";

  int ReturnsMenuVisible = 0;  // the wheel window's Next/Previous return menu
};

}  // namespace halcyra
