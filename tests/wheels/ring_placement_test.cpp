// Where the points of a ring stand: slots of crowded houses, houses that
// hidden points share, the European pushes, and the faults of disagreeing
// tags, empty houses and angles past 360.
#include <gtest/gtest.h>

#include <functional>

#include "core/house_row.h"
#include "state/shared_tables.h"
#include "wheel_fixture.h"
#include "wheels/ring_placement.h"

namespace halcyra {
namespace {

struct Ring {
  ChartSet set;
  CuspTable cusps{};
  HouseSpans spans;
  RingPlacement placement;

  const PlacedPoint* Find(int point) const {
    for (const PlacedPoint& p : placement.points)
      if (p.point == point) return &p;
    return nullptr;
  }
};

// The points of `longitudes` in equal houses from `ascendant` (or the given
// cusps), those of `shown` drawn, on ring `ringNo`.
Ring Place(const PointArray& longitudes, std::initializer_list<int> shown, int ringNo = 1, int wheelKind = 1,
           bool european = false, double ascendant = 0, const std::string& tagsOverride = "",
           const std::function<void(CuspTable&)>& changeCusps = {}) {
  static const auto shipped = testing::ShippedWheelState();
  Ring r;
  r.set = testing::MadeUpChart(longitudes, ascendant);
  if (!tagsOverride.empty()) r.set.HouseTags = tagsOverride;
  r.cusps = r.set.Cusp;
  if (changeCusps) changeCusps(r.cusps);
  r.spans = CalcHouseSpans(r.cusps);
  RingInput in;
  in.ringNo = ringNo;
  in.wheelKind = wheelKind;
  in.european = european;
  in.set = &r.set;
  in.spans = &r.spans;
  in.cuspRing = &r.cusps;
  in.glyphRadius = &shipped->tables.GlyphRadius;
  in.transitSelection = testing::SelectionShowing(shown);
  r.placement = PlaceRingPoints(in);
  return r;
}

// Points 1 to 8 in `longitudes`, every other point at 300 or beyond (house 11 of houses from 0).
PointArray WithOthersAway(std::initializer_list<std::pair<int, double>> placed) {
  PointArray longitudes{};
  for (int p = 1; p <= NumPoints; ++p) longitudes[p] = 300 + p;
  for (const auto& [p, l] : placed) longitudes[p] = l;
  return longitudes;
}

TEST(RingPlacement, EightPointsInASevenSlotHouseTakeTheNextCells) {
  const Ring r = Place(WithOthersAway({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}}),
                       {1, 2, 3, 4, 5, 6, 7, 8});
  for (int p = 1; p <= 8; ++p) {
    ASSERT_NE(r.Find(p), nullptr) << p;
    EXPECT_EQ(r.Find(p)->slot, p - 1) << p;
  }
  EXPECT_EQ(r.Find(8)->glyphAngle, RingBaseMain[1] + 28);
}

TEST(RingPlacement, HiddenPointsOfAHouseReserveItsSlots) {
  // One shown point late in house 1 (0 to 30); hidden points of the same
  // house push it back by one slot each.
  struct Case { int hidden; int slot; };
  for (const Case c : {Case{0, 6}, Case{1, 5}, Case{2, 4}}) {
    PointArray longitudes = WithOthersAway({{1, 29}});
    for (int h = 0; h < c.hidden; ++h) longitudes[16 + h] = 1 + h;
    EXPECT_EQ(Place(longitudes, {1}).Find(1)->slot, c.slot) << c.hidden << " hidden";
  }
}

TEST(RingPlacement, TheHouseAcross0AriesIsDrawnLastInZodiacalOrder) {
  // Houses from 345: house 1 holds 350 and 10.
  const Ring r = Place(WithOthersAway({{1, 350}, {2, 10}, {3, 100}}), {1, 2, 3}, 1, 1, false, 345);
  ASSERT_EQ(r.placement.points.size(), 3u);
  EXPECT_EQ(r.placement.points[0].point, 3);
  EXPECT_EQ(r.placement.points[1].point, 1);
  EXPECT_EQ(r.placement.points[2].point, 2);
}

TEST(RingPlacement, AngleAndRadiusOfEachRing) {
  static const auto shipped = testing::ShippedWheelState();
  struct Case {
    const char* what;
    int ringNo, wheelKind;
    bool european;
    double longitude;  // in house 1 of houses from 0
    double angle, radius;
  };
  const Case cases[] = {
      {"ring 1, slot 3 of house 1", 1, 1, false, 13, 180 + 12, double(shipped->tables.GlyphRadius[192])},
      {"European single wheel: the longitude less the Descendant's", 1, 1, true, 13, 193, 0},
      {"a dual wheel ignores European", 1, 2, true, 13, 192, double(shipped->tables.GlyphRadius[192])},
      // 5 slots of 5.3 degrees; the radius runs from house 1's 138 towards house 2's 130
      {"ring 0, slot 2", 0, 2, false, 13, 181 + 2 * 5.3, 138 + 2 * (130 - 138) / 5.0},
  };
  for (const Case& c : cases) {
    const Ring r = Place(WithOthersAway({{1, c.longitude}}), {1}, c.ringNo, c.wheelKind, c.european);
    EXPECT_NEAR(r.Find(1)->glyphAngle, c.angle, 1e-9) << c.what;
    if (c.radius > 0) {
      EXPECT_NEAR(r.Find(1)->labelRadius, c.radius, 1e-9) << c.what;
    }
  }
}

// Faults of the slot rules: none may index past the tables or divide by zero.
TEST(RingPlacement, CrowdedSixthHousePastThreeSixtyTakesTheRadiusOfItsAngleBelow360) {
  // Eight points in house 6 (150 to 180): the eighth slot stands at 335 + 28 = 363.
  PointArray longitudes = WithOthersAway({});
  for (int p = 1; p <= 8; ++p) longitudes[p] = 150 + p;
  const Ring r = Place(longitudes, {1, 2, 3, 4, 5, 6, 7, 8});
  static const auto shipped = testing::ShippedWheelState();
  EXPECT_EQ(r.Find(8)->glyphAngle, 363);
  EXPECT_EQ(r.Find(8)->labelRadius, shipped->tables.GlyphRadius[3]);
}

TEST(RingPlacement, HouseWithoutWidthStartsAtSlotZero) {
  // Point 1 told to be in house 2, whose two cusps coincide.
  PointArray longitudes = WithOthersAway({{1, 40}});
  std::string tags = testing::MadeUpChart(longitudes, 0).HouseTags;
  tags.replace(0, 4, " 2ND");
  const Ring r = Place(longitudes, {1}, 1, 1, false, 0, tags,
                       [](CuspTable& c) { c[CuspEntryOfHouse(3)] = c[CuspEntryOfHouse(2)]; });
  EXPECT_EQ(r.spans.HouseSpan[CuspEntryOfHouse(2)], 0);
  EXPECT_EQ(r.Find(1)->slot, 0);
}

TEST(RingPlacement, TagThatDisagreesWithTheCuspsStaysInItsHouse) {
  // Point 1 at 200 (house 7) told to be in house 3 (60 to 90): 140 degrees
  // past a 30-degree house would be slot 32.
  PointArray longitudes = WithOthersAway({{1, 200}});
  std::string tags = testing::MadeUpChart(longitudes, 0).HouseTags;
  tags.replace(0, 4, " 3RD");
  const Ring r = Place(longitudes, {1}, 1, 1, false, 0, tags);
  EXPECT_EQ(r.Find(1)->slot, 6);
  EXPECT_EQ(r.Find(1)->glyphAngle, RingBaseMain[3] + 24);
}

TEST(RingPlacement, RingPointMaskFromTheListingSelection) {
  const std::string all(84, '1');
  const std::string mask = RingPointMask(all);
  EXPECT_EQ(mask, std::string(13, '1') + "00" + std::string(10, '1') + "000000");
  EXPECT_EQ(RingPointMask(all.substr(0, 50)), std::string(8, '1') + std::string(23, '0'));  // short: the rest hidden
}

// The European pushes: too close to the glyph before it a glyph goes one
// slot on; otherwise it leaves room for the points still to come before the
// next cusp and steps 2 degrees off the cusp it would cover.
TEST(RingPlacement, EuropeanStepTable) {
  struct Case {
    const char* what;
    EuropeanStep step;
    double angle;
  };
  const auto step = [](double angle, double last, double nextCusp, double offset, int count, int number) {
    return EuropeanStep{angle, last, nextCusp, offset, count, number, 4};
  };
  const Case cases[] = {
      {"first of three at 200, far from the next cusp", step(200, -100, 300, 20, 3, 1), 200},
      {"201 after a glyph at 200", step(201, 200, 300, 21, 3, 2), 204},
      {"202 after 204: gap -2", step(202, 204, 300, 22, 3, 3), 208},
      {"100 alone, next cusp at 150: 2 degrees on", step(100, -100, 150, 10, 1, 1), 102},
      {"1 after a glyph at 358: gap -357", step(1, 358, 30, 1, 1, 1), 2},
      {"1 after a glyph at 357: gap -356 is not close", step(1, 357, 30, 1, 1, 1), 3},
      {"pushed just past a cusp at the top", step(101, 100, 150, 0.5, 1, 1), 105.5},
      {"room for two more before the cusp at 150", step(145, -100, 150, 40, 3, 1), 140},
      {"held back across 360 by a house from 340", step(10, -100, 2, 30, 3, 1), 0},
      {"on the left below the horizon: no step off", step(200, -100, 250, 0, 1, 1), 200},
  };
  for (const Case& c : cases) EXPECT_NEAR(EuropeanGlyphAngle(c.step), c.angle, 1e-9) << c.what;
}

}  // namespace
}  // namespace halcyra
