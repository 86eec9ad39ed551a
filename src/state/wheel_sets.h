#pragma once
// The chart sets a chart wheel draws: the first wheel set (the single
// chart, or the natal chart of a dual wheel) and the second (the other chart
// of a dual wheel), each carrying its own place, with their caption blocks; and what
// the last paint left: the two display sets, one per ring, the cusps that
// framed the wheel, the caption blocks of the rings and where each point's
// glyph went.
#include <array>
#include <string>

#include "state/chart_set.h"

namespace halcyra {

using CaptionBlock = std::array<std::string, 8>;  // lines 1 to 7; line 0 unused

struct WheelSets {
  ChartSet Wheel;   // WheelLong(), WheelCusp(), WheelRetroFlags, WheelHouseTags ...
  ChartSet Wheel2;  // WheelLong2(), WheelCusp2(), WheelRetroFlags2, WheelHouseTags2 ...
  CaptionBlock WheelCaption1{}, WheelCaption2{};  // the caption blocks of the first and second set

  // Rebuilt by every paint from the wheel sets and the wheel mode; they hold
  // the last painted wheel until the next paint.
  ChartSet Display;        // display set 1: the inner ring of a dual wheel
  ChartSet Display2;       // display set 2: the ring of a single wheel, the outer ring of a dual one
  CuspTable DisplayCusp{};  // the cusps that frame the wheel
  CuspTable CuspRing{};     // the same, as the cusp lines, labels and rings read them
  CaptionBlock ChartTitle{};   // caption of the chart in display set 2
  CaptionBlock ChartTitle2{};  // caption of the chart in display set 1
  PointArray PointGlyphAngle{};  // screen angle of every point's glyph, degrees
  PointArray RingPointWork{};    // slot (from 0) of every point in its house sector, ring drawn last
  PointArray Ring1PointWork{};   // the same for ring 1 (the single or outer ring) alone; 0 for hidden points

  int ReturnsMenuVisible = 0;  // the wheel window's Next/Previous return menu
  int PrintingWheel = 0;       // 1 while a paint draws on the printer
  int WhiteRingFill = 0;       // 1 while the rings are filled white for a print of the window
  std::string OrbWarningShownFor;  // the orb file whose failure was last reported
};

}  // namespace halcyra
