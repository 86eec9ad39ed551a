#pragma once
// The chart sets a chart wheel draws: the first wheel set (the single
// chart, or the natal chart of a dual wheel) and the second (the other chart
// of a dual wheel). Each carries its own place for the captions.
#include "state/chart_set.h"

namespace halcyra {

struct WheelSets {
  ChartSet Wheel;   // WheelLong(), WheelCusp(), WheelRetroFlags, WheelHouseTags ...
  ChartSet Wheel2;  // WheelLong2(), WheelCusp2(), WheelRetroFlags2, WheelHouseTags2 ...

  int ReturnsMenuVisible = 0;  // the wheel window's Next/Previous return menu
};

}  // namespace halcyra
