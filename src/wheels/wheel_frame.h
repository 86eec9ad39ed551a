#pragma once
// The wheel's frame: the rim and the bands inside it, the cusp lines with
// the horizon and meridian drawn heavier, a mark at the rim for every cusp,
// and the house numbers. docs/wheel-drawing.md shows the layout.
#include <array>
#include <vector>

#include "state/points.h"
#include "wheels/wheel_items.h"

namespace halcyra {

// Radii of the frame's circles, wheel units.
struct FrameRadii {
  double rim = 272;             // outside edge of the cusp-label band
  double planetBand = 211;      // between the cusp labels and the planet ring(s)
  double singleInner = 139;     // single wheel: inside edge of the planet ring
  double singleAspect = 122;    // single wheel: the aspect circle; house numbers between
  double dualSeparator = 140.7; // dual wheel: between the outer and the inner ring
  double dualInner = 64;        // dual wheel: inside edge of the inner ring
  double dualCentre = 48;       // dual wheel: the centre circle; house numbers between
};
inline constexpr FrameRadii WheelFrameRadii{};

// Colours and sizes of the frame (0xRRGGBB; widths in wheel units).
struct FrameStyle {
  unsigned background = 0xFFFFFF;
  unsigned labelBand = 0xF4F0E4;     // cusp labels
  unsigned planetRing = 0xFFFFFF;
  unsigned innerRing = 0xFAF8F2;     // dual wheel: the inner ring
  unsigned houseNumberRing = 0xF4F0E4;
  unsigned centre = 0xFFFFFF;        // aspect circle, or the dual wheel's centre
  unsigned circle = 0x404040;
  unsigned cuspLine = 0x808080;
  unsigned axis = 0x000000;          // horizon and meridian
  unsigned houseNumber = 0x404040;
  double circleWidth = 0.8, cuspLineWidth = 0.6, axisWidth = 1.8, markLength = 7;
  double houseNumberSize = 7;        // points
};
inline constexpr FrameStyle WheelFrameStyle{};

// The screen angle of the line that opens house h (1 to 12): on an
// American wheel and every dual wheel the fixed sector edges (the horizon
// and meridian exactly, the others halfway between the last slot of the
// house before and the first of the house); on a European single wheel the
// cusp counted from the Descendant.
double AmericanSectorEdge(int house);
std::array<double, 13> HouseLineAngles(const CuspTable& cuspRing, bool europeanSingle);

// The frame of a single (wheelKind 1) or dual wheel; with whiteRingFill
// every band is filled white.
std::vector<WheelItem> WheelFrame(const CuspTable& cuspRing, int wheelKind, bool europeanSingle, bool whiteRingFill,
                                  const TextMetrics& metrics);

}  // namespace halcyra
