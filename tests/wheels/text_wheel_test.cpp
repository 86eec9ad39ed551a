// The text chart wheel: the page of a computed chart kept as a golden page,
// where the points of crowded, lone and split houses are written, what the
// picture shows at a sign's end, and that a dual wheel's picture shows one
// chart in every mode.
#include <gtest/gtest.h>

#include <cmath>

#include "core/angle_helpers.h"
#include "reports/golden_page.h"
#include "wheel_fixture.h"
#include "wheels/recording_surface.h"
#include "wheels/text_wheel.h"
#include "wheels/wheel_commands.h"
#include "wheels/wheel_paint_state.h"

namespace halcyra {
namespace {

// The wheel window's paint, on a surface that only records.
void PaintLikeTheWindow(AppState& state) {
  GetProperPlanets(state);
  RecordingSurface surface;
  PaintWheelFromState(state, surface, false);
}

TEST(TextWheel, ApolloLaunchPage) {
  auto state = testing::ApolloState();
  WheelsSingleNatal(*state);
  PaintLikeTheWindow(*state);
  LineCollector page;
  WriteTextChartWheel(page, state->wheel, state->chart.Natal);
  EXPECT_TRUE(testing::MatchesGoldenPage("text_wheel_apollo", page.lines, "wheels"));
}

// Points 1 to 13: the given ones where given, the others one to four to a
// house in houses 6 to 9 of houses from 0, away from the houses tested.
ChartSet ChartOf(std::initializer_list<std::pair<int, double>> placed, double ascendant = 0) {
  PointArray longitudes{};
  for (int p = 1; p <= NumPoints; ++p) longitudes[p] = 150 + 9 * p;
  for (const auto& [p, l] : placed) longitudes[p] = l;
  return testing::MadeUpChart(longitudes, ascendant);
}

// The entries of one house as "point:slot", in the order written.
std::string EntriesOfHouse(const std::vector<AsciiEntry>& entries, int house) {
  std::string text;
  for (const AsciiEntry& e : entries)
    if (e.house == house) text += (text.empty() ? "" : " ") + std::to_string(e.point) + ":" + std::to_string(e.slot);
  return text;
}

TEST(TextWheel, SlotsOfCrowdedLoneAndSplitHouses) {
  struct Case {
    const char* what;
    ChartSet chart;
    int house;
    std::string entries;  // point:slot in writing order
    double sunRingSlot = 0;
  };
  const Case cases[] = {
      {"the house holding 0 Aries in zodiacal order across 0", ChartOf({{1, 345}, {2, 355}, {3, 5}}, 340), 1,
       "1:0 2:1 3:2"},
      {"eight points, the Node not first: left out, the others in slots 0 to 6",
       ChartOf({{1, 301}, {2, 302}, {3, 303}, {11, 303.5}, {4, 304}, {5, 305}, {6, 306}, {7, 307}}), 11,
       "1:0 2:1 3:2 4:3 5:4 6:5 7:6"},
      {"eight points, the Node first: slot 0 stays empty, the seventh runs on to slot 7",
       ChartOf({{11, 300.5}, {1, 301}, {2, 302}, {3, 303}, {4, 304}, {5, 305}, {6, 306}, {7, 307}}), 11,
       "1:1 2:2 3:3 4:4 5:5 6:6 7:7"},
      {"ten points: the Node and the Part of Fortune left out",
       ChartOf({{1, 301}, {2, 302}, {3, 303}, {4, 304}, {11, 304.5}, {5, 305}, {6, 306}, {12, 306.5}, {7, 307},
                {8, 308}}),
       11, "1:0 2:1 3:2 4:3 5:4 6:5 7:6 8:7"},
      {"a lone point the ring placed at slot 5", ChartOf({{1, 80}}), 3, "1:4", 5},
      {"a lone point the ring placed at slot 3", ChartOf({{1, 80}}), 3, "1:0", 3},
      // every point in house 1: the turning stops after twelve moves, which
      // brings the highest point to the front of the writing order
      {"thirteen points in one house",
       ChartOf({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}, {10, 10}, {11, 11},
                {12, 12}, {13, 13}}),
       1, "13:0 1:1 2:2 3:3 4:4 5:5 6:6 7:7 8:8 9:9 10:10"},
  };
  for (const Case& c : cases) {
    PointArray ringSlots{};
    ringSlots[Sun] = c.sunRingSlot;
    EXPECT_EQ(EntriesOfHouse(PlaceAsciiPoints(c.chart, ringSlots), c.house), c.entries) << c.what;
  }
}

TEST(TextWheel, PictureTexts) {
  struct Case {
    const char* what;
    ChartSet chart;
    int row, column;
    std::string text;
  };
  const Case cases[] = {
      {"a sign's last minute keeps its degree and sign", ChartOf({{1, 29.999}}), 14, 9, "SU29Ari"},
      {"a sign boundary is 0 degrees of the next sign", ChartOf({{1, 30}}, 30), 14, 9, "SU00Tau"},
      {"minutes of 59.7 carry nothing into the degree", ChartOf({{10, 15 + 59.7 / 60}}), 14, 9, "MO15Ari"},
      {"house 12's eighth point runs on to house 1's first place",
       ChartOf({{1, 331}, {2, 332}, {3, 333}, {4, 334}, {5, 335}, {6, 336}, {7, 337}, {8, 338}}), 14, 9, "NE08Pis"},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> rows = AsciiWheelRows(c.chart, c.chart.Cusp, PointArray{});
    EXPECT_EQ(rows.at(c.row - 1).substr(c.column - 1, c.text.size()), c.text) << c.what;
  }
}

// Two made-up charts whose points stand in different houses: the first in
// houses from 0, each point but Chiron alone in its house and late in it;
// the second in houses from 15, each point a house further on.
std::unique_ptr<AppState> TwoChartDualWheel(int mode) {
  auto state = testing::ShippedWheelState();
  PointArray first{}, second{};
  for (int p = 1; p <= NumPoints; ++p) {
    first[p] = std::fmod(30.0 * (p - 1) + 28, 360);
    second[p] = std::fmod(30.0 * p + 18, 360);
  }
  first[Chiron] = 2;
  second[Chiron] = 40;
  state->wheel.Wheel = testing::MadeUpChart(first, 0);
  state->wheel.Wheel2 = testing::MadeUpChart(second, 15);
  state->wheel.WheelCaption1[1] = "First chart";
  state->wheel.WheelCaption2[1] = "Second chart";
  state->flags.WheelKind = 2;
  state->chart.WheelMode = mode;
  PaintLikeTheWindow(*state);
  return state;
}

TEST(TextWheel, DualWheelShowsTheOuterRingsChartInTheFramingHousesInEveryMode) {
  for (int mode = 0; mode <= 3; ++mode) {
    const auto state = TwoChartDualWheel(mode);
    const TextWheelView view = TextWheelOf(state->wheel);
    const bool firstOutside = mode <= 1;
    EXPECT_EQ(view.caption[1], firstOutside ? "First chart" : "Second chart") << "mode " << mode;
    const ChartSet& outer = firstOutside ? state->wheel.Wheel : state->wheel.Wheel2;
    const std::vector<AsciiEntry> entries = PlaceAsciiPoints(view.chart, view.ringSlots);
    ASSERT_EQ(entries.size(), size_t(AsciiPointCount)) << "mode " << mode;
    for (const AsciiEntry& e : entries) {
      const double longitude = view.chart.Long[e.point];
      EXPECT_EQ(longitude, outer.Long[e.point]) << "mode " << mode << ", point " << e.point;
      const double cusp = view.cuspRing[CuspEntryOfHouse(e.house)];
      const double next = view.cuspRing[CuspEntryOfHouse(e.house % 12 + 1)];
      EXPECT_LT(NormalizeDegrees(longitude - cusp), NormalizeDegrees(next - cusp))
          << "mode " << mode << ": point " << e.point << " written in house " << e.house;
    }
  }
  // Mode 0: the second chart, early in its houses, is the inner ring drawn
  // last; the lone Venus of the outer ring keeps its late slot.
  const auto mode0 = TwoChartDualWheel(0);
  EXPECT_GE(mode0->wheel.Ring1PointWork[Venus], 4);
  EXPECT_LT(mode0->wheel.RingPointWork[Venus], 4);
  const TextWheelView view = TextWheelOf(mode0->wheel);
  EXPECT_EQ(EntriesOfHouse(PlaceAsciiPoints(view.chart, view.ringSlots), 3), "3:4");
}

}  // namespace
}  // namespace halcyra
