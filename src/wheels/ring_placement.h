#pragma once
// Where the points of one chart stand on one ring of the wheel. On the
// American wheel (and every dual wheel) each house is a fixed sector of
// equal slots and a point takes the slot that matches its place in its
// house; on a European single wheel a point stands at its longitude counted
// from the Descendant and crowded glyphs are pushed apart.
#include <array>
#include <string>
#include <vector>

#include "state/chart_set.h"
#include "state/startup_tables.h"
#include "wheels/house_spans.h"

namespace halcyra {

// Cells of the occupancy table: enough for every point of a crowded ring.
inline constexpr int RingCells = 116;

struct RingSetup {
  int SlotsPerHouse = 7;
  double SlotWidth = 4.0;
  std::array<int, 13> RingBase{};    // start angle of each house's sector, houses 1 to 12
  std::array<int, 13> RingRadius{};  // glyph radius of each house (ring 0 only)
};
// Ring 1 (the single wheel, the outer ring of a dual wheel) and ring 0 (the
// inner ring of a dual wheel).
RingSetup RingSetupFor(int ringNo, int wheelKind);

// The points in drawing order: sorted by descending longitude, then turned
// so that the house straddling 0 Aries stands together at the front.
struct SortedRing {
  std::array<int, NumPoints + 1> SortIndex{};
  std::array<double, NumPoints + 1> SortKey{};
  std::array<int, NumPoints + 1> PointHouse{};
  std::array<double, 13> HouseCount{};  // points of each house, shown or not
};
SortedRing SortRingPoints(const PointArray& longitudes);
void GroupRingPointsByHouse(SortedRing& ring, const ChartSet& set);

// One character per point, "0" hidden: the first thirteen and the next ten
// natal-body switches of the minute listing's options from TransitSelection
// (characters 43 to 55 and 56 to 65); ASC, MC and the house points never.
std::string RingPointMask(const std::string& transitSelection);

struct PlacedPoint {
  int point = 0;
  int house = 0;
  int housePointNo = 0;    // 1 for the first shown point of its house
  int slot = 0;            // the cell taken, counted from the house's first slot
  double glyphAngle = 0;   // screen angle of the glyph, degrees (may pass 360)
  double labelRadius = 0;  // radius of the glyph's top-left corner, before a surface's factor
};

struct RingInput {
  int ringNo = 1;
  int wheelKind = 1;
  bool european = false;  // EuropeanChart; only a single wheel follows it
  const ChartSet* set = nullptr;          // the ring's display set
  const HouseSpans* spans = nullptr;
  const CuspTable* cuspRing = nullptr;
  const DegreeTable* glyphRadius = nullptr;  // RADIUS.DAT
  std::string transitSelection;
};

struct RingPlacement {
  std::vector<PlacedPoint> points;  // in drawing order
  PointArray PointGlyphAngle{};     // entries of the drawn points
  PointArray RingPointWork{};
  std::array<bool, NumPoints + 1> drawn{};
};

RingPlacement PlaceRingPoints(const RingInput& input);

// The European glyph angle of one point, from its angle counted from the
// Descendant and the angle of the glyph placed before it (-100 for none):
// too close to that glyph it goes one slot on; otherwise it keeps room
// before the next cusp for the points still to come in its house and
// steps 2 degrees off a cusp it would cover.
struct EuropeanStep {
  double angle = 0;           // the point's longitude less the Descendant's, 0 to 360
  double lastGlyphAngle = -100;
  double nextCuspAngle = 0;   // the next house's cusp less the Descendant's
  double houseOffset = 0;     // the point's distance past its house's cusp
  int housePoints = 1;        // HouseCount of its house, shown or not
  int housePointNo = 1;       // its number among the shown points of its house
  double slotWidth = 4;
};
double EuropeanGlyphAngle(const EuropeanStep& step);

// The RADIUS.DAT radius at an angle rounded to the whole degree (halves to
// the even degree) and brought into 0 to 360.
int GlyphRadiusAt(const DegreeTable& radii, double angle);

}  // namespace halcyra
